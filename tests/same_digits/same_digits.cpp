// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Runs one fixed list of generated inputs through the calculation and writes one line per case:
// the support mode, the twelve texts, every result handed over and the fault that stopped the run.
// Built for each platform from the same source, the output files must be identical byte for byte;
// any difference is a result that depends on the compiler, the processor or the maths library.
//
// Usage: same_digits OUTPUT_FILE
#include "calc/calculation.h"
#include "tests/same_digits/generated_cases.h"

#include <fstream>
#include <iostream>
#include <map>
#include <string>

namespace {

// Shows a text on one line: control bytes, the separator and the backslash escaped.
std::string escaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || c == '|' || c == '\\') {
            static constexpr char hex[] = "0123456789abcdef";
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::string faultName(calc::Fault fault)
{
    switch (fault) {
    case calc::Fault::DivisionByZero:
        return "division by zero";
    case calc::Fault::Overflow:
        return "overflow";
    case calc::Fault::InvalidArgument:
        return "invalid argument";
    }
    return "unknown fault";
}

std::string runCase(int index, const vandrel_test::GeneratedCase& generated)
{
    const auto& [mode, texts] = generated;

    std::map<std::string, std::string> boxes;
    std::string line = std::to_string(index) + " mode " + std::to_string(mode);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        boxes[vandrel_test::generatedInputBoxes[i]] = texts[i];
        line += " | " + escaped(texts[i]);
    }
    line += " ||";
    const auto fault = calc::runCalculation(
        boxes, mode, [&](const std::string& box, const std::string& text) { line += ' ' + box + '=' + escaped(text); });
    line += fault ? " | stopped: " + faultName(*fault) : " | complete";
    return line;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: same_digits OUTPUT_FILE\n";
        return 2;
    }
    // Binary, so that every platform writes the same line ends.
    std::ofstream out(argv[1], std::ios::binary);
    const auto cases = vandrel_test::generatedCases();
    for (std::size_t i = 0; i < cases.size(); ++i)
        out << runCase(static_cast<int>(i), cases[i]) << '\n';
    out.close();
    if (!out) {
        std::cerr << "same_digits: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
