// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

// The shape every result text must have, checked by the fuzzer and the window's monkey test.

#include <algorithm>
#include <string>

namespace vandrel_test {

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// " 0"; or a sign (space or minus), then digits with at most one point, no zero before the
// point, no trailing zero after it, at most 15 significant digits; or a sign, a mantissa of
// that kind and an exponent part "E+dd" / "E-dd".
inline bool hasDisplayShape(const std::string& text)
{
    if (text == " 0")
        return true;
    if (text.size() < 2 || (text[0] != ' ' && text[0] != '-'))
        return false;
    const std::string body = text.substr(1);
    const auto e = body.find('E');
    const std::string mantissa = body.substr(0, e);
    if (e != std::string::npos) {
        const std::string exponent = body.substr(e + 1);
        if (exponent.size() < 3 || (exponent[0] != '+' && exponent[0] != '-'))
            return false;
        for (std::size_t i = 1; i < exponent.size(); ++i)
            if (!isDigit(exponent[i]))
                return false;
    }
    const auto point = mantissa.find('.');
    if (std::count(mantissa.begin(), mantissa.end(), '.') > 1 || mantissa.starts_with("0") || mantissa == ".")
        return false;
    if (point != std::string::npos && (mantissa.back() == '0' || mantissa.back() == '.'))
        return false;
    int significant = 0;
    bool leading = true;
    for (const char c : mantissa) {
        if (c == '.')
            continue;
        if (!isDigit(c))
            return false;
        leading = leading && c == '0';
        significant += leading ? 0 : 1;
    }
    return significant >= 1 && significant <= 15;
}

} // namespace vandrel_test
