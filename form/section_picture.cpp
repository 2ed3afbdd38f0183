// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "form/section_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace form {

namespace {

using Colour = std::uint32_t;
constexpr Colour white = 0xFFFFFFFF;
constexpr Colour black = 0xFF000000;
constexpr Colour blue = 0xFF0000FF;

struct Point {
    int x, y;
};

// A rectangle of device pixels, both corners included; empty where right < left or bottom < top.
struct Rect {
    int left, top, right, bottom;
};

int floorToInt(double x)
{
    return static_cast<int>(std::floor(x));
}
int ceilToInt(double x)
{
    return static_cast<int>(std::ceil(x));
}
// Halfway cases away from zero.
int roundToInt(double x)
{
    return static_cast<int>(std::lround(x));
}

// Letters of 5 × 7 pixels, '#' inked.
struct Glyph {
    char letter;
    std::array<std::string_view, 7> rows;
};

constexpr std::array glyphs = {
    Glyph{'b', {"#....", "#....", "####.", "#...#", "#...#", "#...#", "####."}},
    Glyph{'h', {"#....", "#....", "####.", "#...#", "#...#", "#...#", "#...#"}},
    Glyph{'t', {".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."}},
    Glyph{'f', {"..##.", ".#..#", ".#...", "####.", ".#...", ".#...", ".#..."}},
    Glyph{'w', {".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."}},
    Glyph{'x', {".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"}},
    Glyph{'y', {".....", "#...#", "#...#", ".#.#.", "..#..", "..#..", ".#..."}},
};

constexpr int glyphWidth = 5;
constexpr int glyphHeight = 7;
constexpr int glyphAdvance = glyphWidth + 1;

const Glyph& glyphFor(char letter)
{
    for (const Glyph& g : glyphs)
        if (g.letter == letter)
            return g;
    std::abort(); // only the letters above are ever drawn
}

// The picture, in its own pixels. Lines are one pixel wide and include both end pixels; each is
// either an edge of the section or a thin line of the drawing (dimension lines, their end marks
// and arrows, centre lines), which a denser screen draws thinner than the section's edges.

enum class Pen { Edge, Thin };

struct Line {
    Point from, to; // along x or along y
    Pen pen;
};

// An arrow along x or y whose point touches the section's edge line just beyond `head`; its head
// is a wedge two steps deep.
struct Arrow {
    Point tail, head;
};

struct Label {
    Point topLeft;
    std::string_view letters;
    bool sideways; // turned a quarter turn anticlockwise, reading upwards
};

// A blue centre line, dash-dot but solid between `solidFrom` and `solidTo` (an empty span for
// none). The pattern is symmetric about the section's centre: a dash of 7, a gap of 2, a dot, a
// gap of 2, and again.
struct CentreLine {
    Point from, to;
    int centre;
    int solidFrom, solidTo;

    bool inked(int along) const
    {
        const int p = std::abs(along - centre) % 12;
        return (along >= solidFrom && along <= solidTo) || p <= 3 || p >= 9 || p == 6;
    }
};

constexpr int centreX = 53;
constexpr int centreY = 67;

// The y-y axis runs solid through the section and dash-dot beyond it; x-x is dash-dot throughout.
constexpr std::array centreLines = {
    CentreLine{{centreX, 10}, {centreX, 135}, centreY, 27, 107},
    CentreLine{{10, centreY}, {99, centreY}, centreX, 0, -1},
};

constexpr std::array lines = {
    // Flanges, outlined, 14 to 92 wide and 6 pixels deep.
    Line{{14, 27}, {92, 27}, Pen::Edge},
    Line{{14, 32}, {92, 32}, Pen::Edge},
    Line{{14, 27}, {14, 32}, Pen::Edge},
    Line{{92, 27}, {92, 32}, Pen::Edge},
    Line{{14, 102}, {92, 102}, Pen::Edge},
    Line{{14, 107}, {92, 107}, Pen::Edge},
    Line{{14, 102}, {14, 107}, Pen::Edge},
    Line{{92, 102}, {92, 107}, Pen::Edge},
    // Web: from flange line to flange line, so that it meets them at every scale.
    Line{{52, 32}, {52, 102}, Pen::Edge},
    Line{{54, 32}, {54, 102}, Pen::Edge},
    // h: overall depth, to the right of the section.
    Line{{107, 27}, {107, 107}, Pen::Thin},
    Line{{104, 27}, {110, 27}, Pen::Thin},
    Line{{104, 107}, {110, 107}, Pen::Thin},
    // b: flange width, under the section.
    Line{{14, 117}, {92, 117}, Pen::Thin},
    Line{{14, 114}, {14, 120}, Pen::Thin},
    Line{{92, 114}, {92, 120}, Pen::Thin},
};

constexpr std::array arrows = {
    // tw: at the web from both sides, just above the x axis.
    Arrow{{44, 62}, {51, 62}},
    Arrow{{62, 62}, {55, 62}},
    // tf: across the bottom flange near its left end, meeting the flange's faces.
    Arrow{{22, 95}, {22, 101}},
    Arrow{{22, 114}, {22, 108}},
};

constexpr std::array labels = {
    Label{{56, 8}, "y", false},   Label{{56, 129}, "y", false}, Label{{10, 58}, "x", false},
    Label{{95, 58}, "x", false},  Label{{109, 65}, "h", true},  Label{{56, 120}, "b", false},
    Label{{64, 56}, "tw", false}, Label{{19, 83}, "tf", true},
};

// Draws the picture for a screen of `scale` device pixels to a picture pixel. A picture pixel
// is a whole number of device pixels only at whole scales; in between, scaling the bitmap gives
// some lines one device pixel and others two, and thins small letters to specks. So every line
// is drawn as a band of whole device pixels, the same width along its length and for every line
// of its pen, placed where the grid comes closest to the line's true centre; letters and
// arrowheads are drawn dot by dot, each dot a square of whole device pixels. At scale 1 this is
// the bitmap itself, and at whole scales the bitmap enlarged pixel by pixel.
class Canvas {
public:
    explicit Canvas(double scale)
        : m_scale(scale)
        , m_width(ceilToInt(sectionPictureWidth * scale))
        , m_height(ceilToInt(sectionPictureHeight * scale))
        // The section's edges as near the scale as a whole width comes; the thin lines never
        // wider than the scale, or the web's two edges and the centre line between them, three
        // pixels side by side, would not fit their room at 1.5 or 1.75.
        , m_edgeWidth(std::max(1, roundToInt(scale)))
        , m_thinWidth(std::max(1, floorToInt(scale)))
        // Letter dots round halfway cases down: a letter larger than its room crowds the lines
        // beside it, which are one or two pixels away.
        , m_dot(std::max(1, ceilToInt(scale - 0.5)))
        , m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), white)
    {
    }

    Pixels pixels() && { return {m_width, m_height, std::move(m_pixels)}; }

    void draw(const CentreLine& centreLine)
    {
        const bool vertical = centreLine.from.x == centreLine.to.x;
        const int first = vertical ? centreLine.from.y : centreLine.from.x;
        const int last = vertical ? centreLine.to.y : centreLine.to.x;
        const int across = vertical ? centreLine.from.x : centreLine.from.y;
        // Each dash and dot drawn as a line of its own.
        for (int along = first; along <= last; ++along) {
            if (!centreLine.inked(along))
                continue;
            int end = along;
            while (end < last && centreLine.inked(end + 1))
                ++end;
            const Point a = vertical ? Point{across, along} : Point{along, across};
            const Point b = vertical ? Point{across, end} : Point{end, across};
            draw(Line{a, b, Pen::Thin}, blue);
            along = end;
        }
    }

    void draw(const Line& line, Colour colour = black)
    {
        const int w = width(line.pen);
        const int x1 = start(std::min(line.from.x, line.to.x), w);
        const int x2 = start(std::max(line.from.x, line.to.x), w) + w;
        const int y1 = start(std::min(line.from.y, line.to.y), w);
        const int y2 = start(std::max(line.from.y, line.to.y), w) + w;
        fill({x1, y1, x2 - 1, y2 - 1}, colour);
    }

    void draw(const Arrow& arrow)
    {
        const bool vertical = arrow.tail.x == arrow.head.x;
        const auto along = [vertical](Point p) { return vertical ? p.y : p.x; };
        const int direction = along(arrow.head) > along(arrow.tail) ? 1 : -1;
        const int w = m_thinWidth;
        const int across = start(vertical ? arrow.tail.x : arrow.tail.y, w);
        // The point meets the edge line beyond the head, whatever the rounding of either.
        const int edge = start(along(arrow.head) + direction, m_edgeWidth);
        const int point = direction > 0 ? edge : edge + m_edgeWidth; // device edge of the point
        const int tail = start(along(arrow.tail), w);
        // A band of device pixels from `a` to `b` along the arrow (either order, `b` excluded
        // when beyond `a`), `halfWidth` either side of the shaft.
        const auto band = [&](int a, int b, int halfWidth) {
            const int first = std::min(a, b), last = std::max(a, b) - 1;
            const int low = across - halfWidth, high = across + w - 1 + halfWidth;
            fill(vertical ? Rect{low, first, high, last} : Rect{first, low, last, high}, black);
        };
        band(direction > 0 ? tail : tail + w, point, 0);
        for (int step = 0; step <= 2; ++step)
            band(point - (direction * step * m_dot), point - (direction * (step + 1) * m_dot), step * m_dot);
    }

    void draw(const Label& label)
    {
        const int length = (static_cast<int>(label.letters.size()) * glyphAdvance) - 1;
        const int dotsWide = label.sideways ? glyphHeight : length;
        const int dotsHigh = label.sideways ? length : glyphHeight;
        // Centred where the letters stand in the picture.
        const Point corner{roundToInt(((label.topLeft.x + (dotsWide / 2.0)) * m_scale) - (dotsWide * m_dot / 2.0)),
                           roundToInt(((label.topLeft.y + (dotsHigh / 2.0)) * m_scale) - (dotsHigh * m_dot / 2.0))};
        int along = 0;
        for (const char letter : label.letters) {
            const Glyph& g = glyphFor(letter);
            for (int row = 0; row < glyphHeight; ++row)
                for (int col = 0; col < glyphWidth; ++col) {
                    if (g.rows[row][col] != '#')
                        continue;
                    const Point dot = label.sideways ? Point{row, length - 1 - (along + col)} : Point{along + col, row};
                    const int x = corner.x + (dot.x * m_dot), y = corner.y + (dot.y * m_dot);
                    fill({x, y, x + m_dot - 1, y + m_dot - 1}, black);
                }
            along += glyphAdvance;
        }
    }

private:
    int width(Pen pen) const { return pen == Pen::Edge ? m_edgeWidth : m_thinWidth; }

    // First device pixel of a band `w` wide that stands for picture row or column `c`: centred
    // on the picture pixel's centre, rounding halfway cases down and to the right.
    int start(int c, int w) const { return floorToInt(((c + 0.5) * m_scale) - (w / 2.0) + 0.5); }

    void fill(const Rect& r, Colour colour)
    {
        for (int y = std::max(r.top, 0); y <= std::min(r.bottom, m_height - 1); ++y)
            for (int x = std::max(r.left, 0); x <= std::min(r.right, m_width - 1); ++x)
                m_pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width))
                         + static_cast<std::size_t>(x)]
                    = colour;
    }

    double m_scale;
    int m_width;
    int m_height;
    int m_edgeWidth;
    int m_thinWidth;
    int m_dot;
    std::vector<Colour> m_pixels;
};

} // namespace

Pixels sectionPicture(double scale)
{
    Canvas canvas(scale);
    // Centre lines first, so that the section's edges are drawn over them.
    for (const CentreLine& centreLine : centreLines)
        canvas.draw(centreLine);
    for (const Line& line : lines)
        canvas.draw(line);
    for (const Arrow& arrow : arrows)
        canvas.draw(arrow);
    for (const Label& label : labels)
        canvas.draw(label);
    return std::move(canvas).pixels();
}

} // namespace form
