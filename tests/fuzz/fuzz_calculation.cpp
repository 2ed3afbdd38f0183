// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Feeds arbitrary bytes to the input rule and, split into twelve box texts, to whole runs.
// The rule must read a text as it reads the same text after a space, which takes it off the
// plain-decimal shortcut onto the character-by-character reading. Every run must end without a
// crash, hand over its results in the fixed order and never out of it, and write only texts of
// the display rule's shape.
#include "calc/calculation.h"
#include "tests/display_shape.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::array<std::string, 12> inputBoxes = {"TxtWind", "TxtSpace", "TxtDead", "txtfy", "TxtF",      "TxtFv",
                                                "Txtb",    "Txth",     "Txttf",   "Txttw", "TxtHeight", "TxtSSpace"};
const std::array<std::string, 5> resultBoxes
    = {"TxtStressx", "TxtStressy", "TxtDeadweight", "TxtDeflection", "TxtRatio"};

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const double value = calc::parseNumber(bytes);
    require(!std::isnan(value));
    std::string padded = " ";
    padded.append(bytes);
    const double afterSpace = calc::parseNumber(padded);
    require(afterSpace == value && std::signbit(afterSpace) == std::signbit(value));
    if (size == 0)
        return 0;

    // First byte picks the support mode; the rest splits at 0x1F into the twelve boxes.
    const int mode = static_cast<std::int8_t>(data[0]);
    std::map<std::string, std::string> texts;
    std::size_t box = 0;
    std::size_t start = 1;
    for (std::size_t i = 1; i <= size && box < inputBoxes.size(); ++i) {
        if (i == size || data[i] == 0x1F) {
            texts[inputBoxes[box++]] = std::string(bytes.substr(start, i - start));
            start = i + 1;
        }
    }

    std::vector<std::pair<std::string, std::string>> writes;
    const auto fault = calc::runCalculation(texts, mode, [&](const std::string& name, const std::string& text) {
        require(writes.size() < resultBoxes.size());
        require(name == resultBoxes[writes.size()]);
        require(vandrel_test::hasDisplayShape(text));
        writes.emplace_back(name, text);
    });
    require(fault.has_value() || writes.size() == resultBoxes.size());
    return 0;
}
