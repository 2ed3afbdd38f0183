// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "calc/value_text.h"

#include "calc/checked_real.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#if defined(__EMSCRIPTEN__)
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#endif

namespace calc {

namespace {

// Reads a box's text one significant character at a time. Whitespace is skipped wherever it
// stands, and what a Chinese input method types is folded into the ASCII the number rule reads:
// full-width forms (U+FF01–U+FF5E), the ideographic space and the ideographic full stop "。".
// Every other byte, valid UTF-8 or not, comes out as a character that ends the number.
class SignificantChars {
public:
    static constexpr char end = '\0';
    static constexpr char other = '\x01';

    explicit SignificantChars(std::string_view text)
        : m_text(text)
    {
    }

    char next()
    {
        while (m_pos < m_text.size()) {
            const char c = fold();
            if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
                return c;
        }
        return end;
    }

private:
    // The character at the read position, consuming its bytes.
    char fold()
    {
        const auto lead = static_cast<unsigned char>(m_text[m_pos++]);
        if (lead < 0x80)
            return lead == 0 ? other : static_cast<char>(lead);
        // The only code points worth folding are three-byte sequences led by E3 or EF.
        if ((lead != 0xE3 && lead != 0xEF) || m_pos + 2 > m_text.size())
            return other;
        const auto b1 = static_cast<unsigned char>(m_text[m_pos]);
        const auto b2 = static_cast<unsigned char>(m_text[m_pos + 1]);
        if ((b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80)
            return other;
        m_pos += 2;
        const char32_t cp = ((lead & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
        if (cp == U'\u3000')
            return ' ';
        if (cp == U'\u3002')
            return '.';
        if (cp >= U'\uFF01' && cp <= U'\uFF5E')
            return static_cast<char>(cp - 0xFEE0);
        return other;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}
bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

constexpr double infinity = std::numeric_limits<double>::infinity();

// Text to double and back, correctly rounded and whatever the locale: std::from_chars and
// std::to_chars. The WebAssembly build's libc++ has neither for floating point; there musl's
// strtod and snprintf stand in, which round correctly and know no decimal point but the full stop.
#if defined(__EMSCRIPTEN__)
std::from_chars_result readDouble(const char* first, const char* last, double& value,
                                  std::chars_format format = std::chars_format::general)
{
    // What std::from_chars would read: hexadecimal digits, or [-]digits[.digits][e[±]digits]
    // with a digit in the mantissa; strtod alone would also read "0x…", "inf" and "nan".
    std::string text = format == std::chars_format::hex ? "0x" : "";
    const char* p = first;
    if (format == std::chars_format::hex) {
        while (p != last && isHexDigit(*p))
            ++p;
        if (p == first)
            return {first, std::errc::invalid_argument};
    } else {
        if (p != last && *p == '-')
            ++p;
        const char* digits = p;
        while (p != last && (isDigit(*p) || (*p == '.' && std::find(digits, p, '.') == p)))
            ++p;
        if (std::find_if(digits, p, isDigit) == p)
            return {first, std::errc::invalid_argument};
        if (p != last && (*p == 'e' || *p == 'E')) {
            const char* e = p + 1;
            if (e != last && (*e == '+' || *e == '-'))
                ++e;
            const char* exponentDigits = e;
            while (e != last && isDigit(*e))
                ++e;
            if (e != exponentDigits)
                p = e;
        }
    }
    text.append(first, p);
    errno = 0;
    const double parsed = std::strtod(text.c_str(), nullptr);
    // strtod reports a subnormal result as out of range too; from_chars only overflow and
    // underflow to zero.
    if (errno == ERANGE && (parsed == 0 || std::isinf(parsed)))
        return {p, std::errc::result_out_of_range};
    value = parsed;
    return {p, std::errc()};
}

std::string generalText(double value, int significantDigits)
{
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*g", significantDigits, value);
    return {buffer, static_cast<std::size_t>(length)};
}
#else
std::from_chars_result readDouble(const char* first, const char* last, double& value,
                                  std::chars_format format = std::chars_format::general)
{
    return std::from_chars(first, last, value, format);
}

std::string generalText(double value, int significantDigits)
{
    char buffer[32];
    const auto [end, ec]
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
    return {buffer, end};
}
#endif

// Correctly rounded value of a non-negative integer written in hexadecimal digits.
double hexIntegerValue(std::string_view digits)
{
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty())
        return 0;
    if (digits.size() > 256) // more than 1024 bits: beyond any double
        return infinity;
    double value = 0;
    const auto [ptr, ec] = readDouble(digits.data(), digits.data() + digits.size(), value, std::chars_format::hex);
    if (ec == std::errc::result_out_of_range)
        return infinity;
    return value;
}

// Octal digits are regrouped from three bits a digit into four, so the same exact conversion serves.
double octalIntegerValue(std::string_view digits)
{
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.size() > 342) // more than 1024 bits: beyond any double
        return infinity;
    std::string hex;
    unsigned pending = 0;
    int pendingBits = 0;
    for (std::size_t i = digits.size(); i-- > 0;) {
        pending |= static_cast<unsigned>(digits[i] - '0') << pendingBits;
        pendingBits += 3;
        for (; pendingBits >= 4; pendingBits -= 4, pending >>= 4)
            hex.insert(hex.begin(), "0123456789abcdef"[pending & 0xF]);
    }
    if (pendingBits > 0)
        hex.insert(hex.begin(), "0123456789abcdef"[pending]);
    return hexIntegerValue(hex);
}

// Correctly rounded value of ±0.<digits> × 10^exponent, with significant digits (no leading
// zeros) of any length.
double decimalValue(bool negative, std::string_view significant, std::int64_t exponent)
{
    const double zero = negative ? -0.0 : 0.0;
    if (significant.empty())
        return zero;
    // Far outside the range of a double either way; the check keeps the exponent text short.
    if (exponent > 400)
        return negative ? -infinity : infinity;
    if (exponent < -400)
        return zero;
    std::string text = negative ? "-0." : "0.";
    text.append(significant);
    text += 'e';
    text += std::to_string(exponent);
    double value = 0;
    const auto [ptr, ec] = readDouble(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (exponent <= 0)
            return zero;
        return negative ? -infinity : infinity;
    }
    return value;
}

// The text of a positive result that is the double nearest to a whole number of hundredths, as
// every rounded result is: n / 100 has at most 15 significant digits, so it is exactly what
// rounding the value to 15 digits gives. Written from the integer n, several times faster than a
// conversion with a precision. Empty for any other value.
std::optional<std::string> hundredthsText(double magnitude)
{
    if (!(magnitude < 1e13))
        return std::nullopt;
    const long long hundredths = std::llround(magnitude * 100);
    if (static_cast<double>(hundredths) / 100 != magnitude)
        return std::nullopt;
    std::string text = std::to_string(hundredths / 100);
    const long long cents = hundredths % 100;
    if (cents != 0) {
        text += '.';
        text += static_cast<char>('0' + (cents / 10));
        if (cents % 10 != 0)
            text += static_cast<char>('0' + (cents % 10));
    }
    return text;
}

} // namespace

double parseNumber(std::string_view text)
{
    // Most boxes hold a plain decimal such as "0.4". Where the standard conversion reads the
    // whole text, it reads it as the rule does, provided the text starts like a decimal: the
    // standard conversion would also read "-inf" and "-nan", which the rule reads as 0.
    const std::string_view unsignedPart = text.starts_with('-') ? text.substr(1) : text;
    if (!unsignedPart.empty() && (isDigit(unsignedPart.front()) || unsignedPart.front() == '.')) {
        double value = 0;
        const auto [ptr, ec] = readDouble(text.data(), text.data() + text.size(), value);
        if (ec == std::errc() && ptr == text.data() + text.size())
            return value;
    }

    SignificantChars chars(text);
    char c = chars.next();

    if (c == '&') {
        c = chars.next();
        const bool hex = c == 'H' || c == 'h';
        if (!hex && c != 'O' && c != 'o')
            return 0;
        std::string digits;
        for (c = chars.next(); hex ? isHexDigit(c) : isOctalDigit(c); c = chars.next())
            digits += c;
        return hex ? hexIntegerValue(digits) : octalIntegerValue(digits);
    }

    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = chars.next();
    }

    // Mantissa as its significant digits and the position of the decimal point among them.
    std::string significant;
    bool anyDigit = false;
    std::int64_t pointPosition = 0; // value = 0.<significant> × 10^pointPosition
    for (; isDigit(c); c = chars.next()) {
        anyDigit = true;
        if (c == '0' && significant.empty())
            continue;
        significant += c;
        ++pointPosition;
    }
    if (c == '.') {
        for (c = chars.next(); isDigit(c); c = chars.next()) {
            anyDigit = true;
            if (c == '0' && significant.empty())
                --pointPosition;
            else
                significant += c;
        }
    }
    if (!anyDigit)
        return 0;

    // An exponent letter without digits after it adds nothing.
    std::int64_t exponent = 0;
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        c = chars.next();
        bool negativeExponent = false;
        if (c == '+' || c == '-') {
            negativeExponent = c == '-';
            c = chars.next();
        }
        constexpr std::int64_t saturation = std::int64_t{1} << 52; // far beyond any text's digit count
        for (; isDigit(c); c = chars.next())
            exponent = std::min((exponent * 10) + (c - '0'), saturation);
        if (negativeExponent)
            exponent = -exponent;
    }

    while (!significant.empty() && significant.back() == '0')
        significant.pop_back();
    return decimalValue(negative, significant, pointPosition + exponent);
}

std::string formatResult(double value)
{
    if (value == 0) // negative zero too
        return " 0";
    const double magnitude = std::fabs(value);
    std::string digits;
    if (auto text = hundredthsText(magnitude)) {
        digits = std::move(*text);
    } else {
        digits = generalText(magnitude, 15);
        if (const auto exponent = digits.find('e'); exponent != std::string::npos)
            digits[exponent] = 'E';
    }
    if (digits.starts_with("0."))
        digits.erase(0, 1);
    return (value < 0 ? "-" : " ") + digits;
}

double roundHalfHundredths(double x)
{
    return (floor(100 * Real(x) + 0.5) / 100).value();
}
double roundHalfTenths(double x)
{
    return (floor(10 * Real(x) + 0.5) / 10).value();
}
double roundTenthsLow(double x)
{
    return (floor(10 * Real(x) + 0.1) / 10).value();
}

} // namespace calc
