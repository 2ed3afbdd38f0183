// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <span>
#include <string_view>

// The window as both front ends show it: every control with its place, caption, tab order, font
// and accessible name. The desktop window and the web page are built from this table alone.
namespace form {

enum class ControlKind { GroupBox, Label, InputBox, ResultBox, OptionButton, PushButton, Picture };

// Fonts by role: "MS Sans Serif" 12 pt, "宋体" 12 pt and "黑体" 15.75 pt.
enum class FontRole { None, SansSerif, Song, Hei };

// The faces of a role, most wanted first: the Windows faces the layout was drawn with, the Debian
// faces the set-up installs, then what a Mac or a phone offers in their place. Sizes are in pixels
// of the 96-dpi screen the layout is drawn for (12 pt = 16 px, 15.75 pt = 21 px), so that text
// keeps its place in the twip rectangles whatever DPI the display reports.
struct FontSpec {
    std::span<const std::string_view> families;
    int pixelSize;
    bool serif;  // the generic family to fall back on last: serif, or sans-serif
    bool smooth; // false: a Song face at this size is drawn from hand-tuned one-bit strokes on
                 // Windows; smoothed outlines of its hairlines come out thin and grey
};

inline constexpr std::array<std::string_view, 5> sansSerifFaces
    = {"MS Sans Serif", "DejaVu Sans", "WenQuanYi Micro Hei", "PingFang SC", "Noto Sans CJK SC"};
inline constexpr std::array<std::string_view, 6> songFaces
    = {"宋体", "SimSun", "AR PL UMing CN", "Songti SC", "STSong", "Noto Serif CJK SC"};
inline constexpr std::array<std::string_view, 6> heiFaces
    = {"黑体", "SimHei", "WenQuanYi Micro Hei", "Heiti SC", "PingFang SC", "Noto Sans CJK SC"};

constexpr FontSpec fontSpec(FontRole role)
{
    switch (role) {
    case FontRole::SansSerif:
        return {sansSerifFaces, 16, false, true};
    case FontRole::Song:
        return {songFaces, 16, true, false};
    case FontRole::Hei:
        return {heiFaces, 21, false, true};
    case FontRole::None:
        break;
    }
    return {{}, 0, false, true};
}

// The window's caption and its client area in twips.
inline constexpr std::string_view windowTitle = "Vandrel设计";
inline constexpr int windowWidth = 7470;
inline constexpr int windowHeight = 6900;

// A rectangle in twips (1/1440 inch, 15 to a pixel on the 96-dpi screen the layout is drawn for).
struct TwipRect {
    int left, top, width, height;
};

struct ControlSpec {
    std::string_view name; // objectName; array members carry their index, e.g. "Option1(0)"
    ControlKind kind;
    std::string_view container; // "" for the window's client area, else the group box holding it
    std::string_view caption;   // caption, or the default text of an input box
    TwipRect rect;              // from the top-left corner of the container
    int tabOrder;
    FontRole font;
    // A default, so that the table's rows may leave it out.
    std::string_view accessibleName = {}; // NOLINT(readability-redundant-member-init)
};

// Every control of the window. Group boxes come before the controls they hold.
inline constexpr auto form1Controls = [] {
    using K = ControlKind;
    using F = FontRole;
    return std::to_array<ControlSpec>({
        // clang-format off
        // On the window's client area
        {"Frame2", K::GroupBox, "", "几何尺寸：", {120, 150, 4485, 2175}, 3, F::SansSerif},
        {"Picture1", K::Picture, "", "", {5130, 345, 1875, 2175}, 2, F::None},
        {"Frame3", K::GroupBox, "", "材料：", {120, 2520, 4530, 975}, 25, F::Song},
        {"Frame5", K::GroupBox, "", "验算结果：", {4770, 2760, 2535, 3120}, 28, F::Song},
        {"Frame1", K::GroupBox, "", "荷载：", {120, 3690, 3975, 1995}, 15, F::SansSerif},
        {"Frame4", K::GroupBox, "", "结构形式：", {165, 5880, 3315, 840}, 55, F::Song},
        {"Command1", K::PushButton, "", "计算", {4065, 6225, 1575, 495}, 0, F::Hei},
        {"Command2", K::PushButton, "", "退出", {5790, 6225, 1575, 495}, 1, F::Hei},
        // Inside Frame2, from its outer top-left corner
        {"Label5", K::Label, "Frame2", "b", {480, 503, 135, 375}, 10, F::SansSerif},
        {"Txtb", K::InputBox, "Frame2", "200", {720, 480, 690, 420}, 4, F::SansSerif, "b mm"},
        {"Label18(3)", K::Label, "Frame2", "mm；", {1500, 533, 630, 315}, 11, F::SansSerif},
        {"Label2", K::Label, "Frame2", "tf", {2745, 503, 270, 375}, 46, F::SansSerif},
        {"Txttf", K::InputBox, "Frame2", "10", {3090, 480, 690, 420}, 6, F::SansSerif, "tf mm"},
        {"Label18(9)", K::Label, "Frame2", "mm；", {3870, 533, 495, 315}, 14, F::SansSerif},
        {"Label6", K::Label, "Frame2", "h ", {480, 1043, 270, 375}, 9, F::SansSerif},
        {"Txth", K::InputBox, "Frame2", "400", {720, 1020, 690, 420}, 7, F::SansSerif, "h mm"},
        {"Label18(7)", K::Label, "Frame2", "mm；", {1500, 1073, 630, 315}, 12, F::SansSerif},
        {"Label8", K::Label, "Frame2", "tw", {2745, 1043, 270, 375}, 8, F::SansSerif},
        {"Txttw", K::InputBox, "Frame2", "6", {3090, 1020, 690, 420}, 5, F::SansSerif, "tw mm"},
        {"Label18(8)", K::Label, "Frame2", "mm；", {3870, 1073, 495, 315}, 13, F::SansSerif},
        {"Label25", K::Label, "Frame2", "柱高", {165, 1620, 585, 300}, 44, F::SansSerif},
        {"TxtHeight", K::InputBox, "Frame2", "9", {720, 1560, 690, 420}, 41, F::SansSerif, "柱高 m"},
        {"Label26", K::Label, "Frame2", "m", {1500, 1628, 345, 285}, 45, F::SansSerif},
        {"Label16", K::Label, "Frame2", "支撑间距", {2040, 1620, 975, 300}, 42, F::SansSerif},
        {"TxtSSpace", K::InputBox, "Frame2", "6", {3090, 1560, 690, 420}, 40, F::SansSerif, "支撑间距 m"},
        {"Label24", K::Label, "Frame2", "m", {3870, 1628, 405, 285}, 43, F::SansSerif},
        // Inside Frame3, from its outer top-left corner
        {"Label9", K::Label, "Frame3", "fy", {180, 465, 360, 300}, 27, F::SansSerif},
        {"txtfy", K::InputBox, "Frame3", "235", {420, 412, 720, 420}, 26, F::SansSerif, "fy MPa"},
        {"Label15", K::Label, "Frame3", "f", {1410, 465, 360, 300}, 36, F::SansSerif},
        {"TxtF", K::InputBox, "Frame3", "215", {1650, 412, 720, 420}, 35, F::SansSerif, "f MPa"},
        {"Label17", K::Label, "Frame3", "fv", {2670, 465, 360, 300}, 38, F::SansSerif},
        {"TxtFv", K::InputBox, "Frame3", "125", {2970, 412, 720, 420}, 37, F::SansSerif, "fv MPa"},
        {"Label23", K::Label, "Frame3", "MPa", {3780, 480, 600, 285}, 39, F::SansSerif},
        // Inside Frame1, from its outer top-left corner
        {"Label18(19)", K::Label, "Frame1", "基本风压", {465, 435, 990, 315}, 24, F::SansSerif},
        {"TxtWind", K::InputBox, "Frame1", "0.4", {1560, 397, 1140, 390}, 18, F::Song, "基本风压 kN/m^2"},
        {"Label18(15)", K::Label, "Frame1", "kN/m^2", {2850, 435, 960, 315}, 21, F::SansSerif},
        {"Label18(18)", K::Label, "Frame1", "墙板自重", {480, 956, 975, 315}, 23, F::SansSerif},
        {"TxtDead", K::InputBox, "Frame1", "0.3", {1560, 918, 1140, 390}, 17, F::Song, "墙板自重 kN/m^2"},
        {"Label18(14)", K::Label, "Frame1", "kN/m^2", {2850, 960, 840, 315}, 20, F::SansSerif},
        {"Label18(17)", K::Label, "Frame1", "Vandrel间距", {240, 1478, 1215, 315}, 22, F::SansSerif},
        {"TxtSpace", K::InputBox, "Frame1", "6", {1560, 1440, 1140, 390}, 16, F::Song, "Vandrel间距 m"},
        {"Label18(13)", K::Label, "Frame1", "m", {2850, 1485, 345, 315}, 19, F::SansSerif},
        // Inside Frame4, from its outer top-left corner
        {"Option1(0)", K::OptionButton, "Frame4", "简支", {645, 420, 900, 240}, 56, F::Song},
        {"Option1(1)", K::OptionButton, "Frame4", "悬臂", {1950, 420, 900, 240}, 57, F::Song},
        // Inside Frame5, from its outer top-left corner
        {"Label10", K::Label, "Frame5", "面内", {345, 442, 510, 300}, 31, F::Song},
        {"TxtStressx", K::ResultBox, "Frame5", "", {975, 390, 870, 405}, 30, F::SansSerif, "面内 Mpa"},
        {"Label11", K::Label, "Frame5", "Mpa", {1935, 442, 510, 300}, 32, F::SansSerif},
        {"Label12", K::Label, "Frame5", "面外", {345, 971, 510, 300}, 33, F::Song},
        {"TxtStressy", K::ResultBox, "Frame5", "", {975, 911, 870, 420}, 29, F::SansSerif, "面外 MPa"},
        {"Label14", K::Label, "Frame5", "MPa", {1935, 971, 510, 300}, 34, F::SansSerif},
        {"Label3", K::Label, "Frame5", "挠度", {345, 1507, 510, 300}, 49, F::Song},
        {"TxtDeflection", K::ResultBox, "Frame5", "", {975, 1447, 870, 420}, 47, F::SansSerif, "挠度 mm"},
        {"Label1", K::Label, "Frame5", "mm", {1935, 1507, 510, 300}, 48, F::SansSerif},
        {"Label7", K::Label, "Frame5", "跨挠比", {120, 2043, 735, 300}, 51, F::Song},
        {"TxtRatio", K::ResultBox, "Frame5", "", {975, 1983, 870, 420}, 50, F::SansSerif, "跨挠比"},
        {"Label19", K::Label, "Frame5", "自重", {345, 2580, 510, 300}, 54, F::Song},
        {"TxtDeadweight", K::ResultBox, "Frame5", "", {975, 2520, 870, 420}, 52, F::SansSerif, "自重 kg"},
        {"Label13", K::Label, "Frame5", "kg", {1935, 2580, 510, 300}, 53, F::SansSerif},
        // clang-format on
    });
}();

} // namespace form
