// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

// One fixed list of generated inputs: ordinary and detailed columns, odd texts, full-width
// characters, faulty inputs and doubles of any size, each with a support mode. It is generated
// with splitmix64 and integer arithmetic only, so that it is the same everywhere; the programs
// that compare platforms and the window test run the same cases.
#include "tests/splitmix64.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

namespace vandrel_test {

inline constexpr int generatedCaseCount = 12000;

inline const std::array<std::string, 12> generatedInputBoxes
    = {"TxtWind", "TxtSpace", "TxtDead", "txtfy", "TxtF",      "TxtFv",
       "Txtb",    "Txth",     "Txttf",   "Txttw", "TxtHeight", "TxtSSpace"};

class Generator : public vandrel_test::SplitMix64 {
public:
    using SplitMix64::SplitMix64;

    // A whole number from lo to hi inclusive.
    std::int64_t between(std::int64_t lo, std::int64_t hi)
    {
        return lo + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }

    bool oneIn(int n) { return next() % static_cast<std::uint64_t>(n) == 0; }

    // The decimal text of a number from lo to hi with the given number of decimals, built from
    // integers so that no floating-point formatting enters the list.
    std::string decimal(std::int64_t lo, std::int64_t hi, int decimals)
    {
        std::int64_t scale = 1;
        for (int i = 0; i < decimals; ++i)
            scale *= 10;
        const std::int64_t n = between(lo * scale, hi * scale);
        std::string text = std::to_string(n / scale);
        if (decimals > 0) {
            std::string fraction = std::to_string(n % scale);
            text += '.' + std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
        }
        return text;
    }

    // The shortest text of a double with random bits, finite, of either sign.
    std::string anyDouble()
    {
        for (;;) {
            const double value = std::bit_cast<double>(next());
            if (value - value == 0) { // finite
                char buffer[32];
                const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
                return std::string(buffer, end);
            }
        }
    }

    // A double spread over many orders of magnitude around ordinary sizes.
    std::string wideDouble()
    {
        const std::int64_t exponent = between(-30, 30);
        return decimal(1, 9, 6) + "E" + std::to_string(exponent);
    }

    template <typename T, std::size_t N>
    const T& pick(const std::array<T, N>& items)
    {
        return items[next() % N];
    }
};

using Texts = std::array<std::string, 12>;

// A column an engineer could plausibly check: the order of the boxes is that of inputBoxes.
inline Texts ordinaryColumn(Generator& g)
{
    static constexpr std::array<const char*, 5> strengths = {"235", "345", "390", "420", "460"};
    const std::int64_t height = g.between(3, 18);
    return {g.decimal(0, 1, 2),
            g.decimal(3, 9, 1),
            g.decimal(0, 1, 2),
            g.pick(strengths),
            "215",
            "125",
            std::to_string(g.between(100, 500)),
            std::to_string(g.between(150, 1200)),
            std::to_string(g.between(6, 40)),
            g.decimal(3, 20, g.oneIn(3) ? 1 : 0),
            std::to_string(height) + (g.oneIn(2) ? ".5" : ""),
            g.decimal(1, height, 1)};
}

// The same column with more significant digits in every box, so that roundings are exercised.
inline Texts detailedColumn(Generator& g)
{
    return {g.decimal(0, 2, 7),     g.decimal(1, 12, 6),   g.decimal(0, 3, 7),    g.decimal(200, 500, 4),
            g.decimal(100, 400, 3), g.decimal(50, 250, 3), g.decimal(80, 600, 5), g.decimal(100, 2000, 5),
            g.decimal(2, 60, 6),    g.decimal(1, 30, 6),   g.decimal(1, 30, 6),   g.decimal(0, 30, 6)};
}

// Texts that are not plain numbers: what the input rule makes of units, separators, prefixes,
// exponents and values at the edge of the range.
inline void oddTexts(Generator& g, Texts& texts)
{
    static constexpr std::array<const char*, 32> odd = {"",
                                                        "abc",
                                                        " 0.4 ",
                                                        "6m",
                                                        "1,5",
                                                        "&H10",
                                                        "&o17",
                                                        "&HFFFF",
                                                        "1E3",
                                                        "1d-2",
                                                        "-5",
                                                        "+5",
                                                        ".5",
                                                        "-.5",
                                                        "5.",
                                                        "1 2",
                                                        "1E400",
                                                        "-1E400",
                                                        "0",
                                                        "-0",
                                                        "4.9E-324",
                                                        "1E-320",
                                                        "\t7\n",
                                                        "1\r2",
                                                        "2.5kN",
                                                        "1e",
                                                        "-",
                                                        ".",
                                                        "1.7976931348623157E308",
                                                        "&H",
                                                        "0x10",
                                                        "1..2"};
    const int count = static_cast<int>(g.between(1, 3));
    for (int i = 0; i < count; ++i)
        texts[g.next() % texts.size()] = g.pick(odd);
}

// What a Chinese input method types: full-width digits and signs, the ideographic full stop and space.
inline std::string fullWidth(Generator& g, const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '.' && g.oneIn(2)) {
            out += "\u3002";
        } else if (c >= '!' && c <= '~' && !g.oneIn(4)) {
            const char32_t cp = static_cast<char32_t>(c) + 0xFEE0;
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += c;
        }
        if (g.oneIn(8))
            out += "\u3000";
    }
    return out;
}

// Inputs that stop the run: zero loads, zero or negative strengths and sizes, reversed wind.
inline void faultyInputs(Generator& g, Texts& texts)
{
    static constexpr std::array<std::pair<int, const char*>, 12> faults = {{{0, "0"},
                                                                            {2, "0"},
                                                                            {11, "0"},
                                                                            {9, "0"},
                                                                            {3, "0"},
                                                                            {3, "-235"},
                                                                            {7, "0"},
                                                                            {0, "-0.4"},
                                                                            {0, "-3"},
                                                                            {8, "300"},
                                                                            {6, "-200"},
                                                                            {10, "0"}}};
    const int count = static_cast<int>(g.between(1, 2));
    for (int i = 0; i < count; ++i) {
        const auto& [box, text] = g.pick(faults);
        texts[static_cast<std::size_t>(box)] = text;
    }
}

inline int supportMode(Generator& g)
{
    static constexpr std::array<int, 6> modes = {1, 2, 1, 2, 0, -1};
    return g.pick(modes);
}

struct GeneratedCase {
    int mode;
    Texts texts; // in the order of generatedInputBoxes
};

// Every case of the list, in its order.
inline std::vector<GeneratedCase> generatedCases()
{
    std::vector<GeneratedCase> cases;
    Generator g(20261208);
    for (int index = 0; index < generatedCaseCount; ++index) {
        Texts texts;
        switch (index % 6) {
        case 0:
            texts = ordinaryColumn(g);
            break;
        case 1:
            texts = detailedColumn(g);
            break;
        case 2:
            texts = ordinaryColumn(g);
            oddTexts(g, texts);
            break;
        case 3:
            texts = ordinaryColumn(g);
            for (std::string& text : texts)
                text = fullWidth(g, text);
            break;
        case 4:
            texts = ordinaryColumn(g);
            faultyInputs(g, texts);
            break;
        case 5:
            texts = detailedColumn(g);
            for (int i = static_cast<int>(g.between(1, 3)); i > 0; --i)
                texts[g.next() % texts.size()] = g.oneIn(2) ? g.anyDouble() : g.wideDouble();
            break;
        }
        cases.push_back({supportMode(g), texts});
    }
    return cases;
}

} // namespace vandrel_test
