// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "calc/powers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

// Each power has two paths. The fast one carries the value as an unevaluated sum of two doubles
// (error-free products by Veltkamp splitting, so no fused multiply-add is needed) whose error is
// below 2^-100 of the result, and keeps its rounding when the sum is clearly away from a halfway
// point between two doubles. Otherwise, and outside the exponent range where the splitting is
// exact, the exact path computes the power in integers and rounds it once.

namespace calc {

namespace {

constexpr std::uint64_t fractionMask = (std::uint64_t{1} << 52) - 1;
constexpr int minimumExponent = -1074; // exponent of the least subnormal
constexpr int exponentBias = 1023;

double fromBits(std::uint64_t bits)
{
    return bitCast<double>(bits);
}

// 2^e for e in the normal range.
double powerOfTwo(int e)
{
    return fromBits(static_cast<std::uint64_t>(e + exponentBias) << 52);
}

// ---- Fast path ---------------------------------------------------------------------------

struct DoubleDouble {
    double hi;
    double lo;
};

// a * b exactly as hi + lo (Dekker). Exact while no product of the halves under- or overflows,
// which the callers' range checks ensure.
DoubleDouble exactProduct(double a, double b)
{
    constexpr double splitter = 134217729.0; // 2^27 + 1
    const double ta = splitter * a;
    const double aHi = ta - (ta - a);
    const double aLo = a - aHi;
    const double tb = splitter * b;
    const double bHi = tb - (tb - b);
    const double bLo = b - bHi;
    const double hi = a * b;
    const double lo = (((aHi * bHi) - hi) + (aHi * bLo) + (aLo * bHi)) + (aLo * bLo);
    return {hi, lo};
}

// hi + lo exactly as a rounded sum and its error, for |hi| >= |lo| or hi == 0.
DoubleDouble exactSum(double hi, double lo)
{
    const double sum = hi + lo;
    return {sum, lo - (sum - hi)};
}

bool isPowerOfTwo(double x)
{
    return (bitCast<std::uint64_t>(x) & fractionMask) == 0;
}

// The rounded value of a positive normal result hi + lo (hi = hi + lo rounded) whose distance
// from the exact value is below 2^-100·hi: hi itself if no halfway point between hi and a
// neighbour lies within that distance, or 0 when it cannot tell.
double roundedIfClear(DoubleDouble v)
{
    const int exponent = static_cast<int>(bitCast<std::uint64_t>(v.hi) >> 52) - exponentBias;
    double halfGap = powerOfTwo(exponent - 53); // half the distance to the next double up
    if (v.lo < 0 && isPowerOfTwo(v.hi))
        halfGap /= 2; // the doubles below a power of two are twice as dense
    const double error = powerOfTwo(exponent - 98);
    // Exact when |lo| is at least half of halfGap, and far above error otherwise.
    const double margin = halfGap - (v.lo < 0 ? -v.lo : v.lo);
    return margin > error ? v.hi : 0.0;
}

// ---- Exact path --------------------------------------------------------------------------

// An unsigned integer of up to 256 bits, least significant 32-bit limb first.
class Wide {
public:
    explicit Wide(std::uint64_t value)
    {
        m_limbs[0] = static_cast<std::uint32_t>(value);
        m_limbs[1] = static_cast<std::uint32_t>(value >> 32);
    }

    friend Wide operator*(const Wide& a, const Wide& b)
    {
        Wide product(0);
        for (std::size_t i = 0; i < limbCount; ++i) {
            if (a.m_limbs[i] == 0)
                continue;
            std::uint64_t carry = 0;
            for (std::size_t j = 0; i + j < limbCount; ++j) {
                const std::uint64_t t = (std::uint64_t{a.m_limbs[i]} * b.m_limbs[j]) + product.m_limbs[i + j] + carry;
                product.m_limbs[i + j] = static_cast<std::uint32_t>(t);
                carry = t >> 32;
            }
        }
        return product;
    }

    friend bool operator==(const Wide&, const Wide&) = default;
    friend bool operator<=(const Wide& a, const Wide& b)
    {
        for (std::size_t i = limbCount; i-- > 0;) {
            if (a.m_limbs[i] != b.m_limbs[i])
                return a.m_limbs[i] < b.m_limbs[i];
        }
        return true;
    }

    int bitLength() const
    {
        for (std::size_t i = limbCount; i-- > 0;) {
            if (m_limbs[i] != 0)
                return static_cast<int>((32 * i) + std::bit_width(m_limbs[i]));
        }
        return 0;
    }

    bool bit(int index) const
    {
        if (index < 0 || index >= static_cast<int>(32 * limbCount))
            return false;
        return (m_limbs[static_cast<std::size_t>(index) / 32] >> (index % 32)) & 1u;
    }

    bool anyBitBelow(int index) const
    {
        const auto whole = static_cast<std::size_t>(index) / 32;
        for (std::size_t i = 0; i < whole && i < limbCount; ++i) {
            if (m_limbs[i] != 0)
                return true;
        }
        return whole < limbCount && (m_limbs[whole] & ((1u << (index % 32)) - 1)) != 0;
    }

    void setBit(int index) { m_limbs[static_cast<std::size_t>(index) / 32] |= 1u << (index % 32); }

    // The bits from index `from` up, as an integer; the caller knows there are at most 64.
    std::uint64_t bitsFrom(int from) const
    {
        const auto first = static_cast<std::size_t>(from) / 32;
        const int offset = from % 32;
        std::uint64_t value = (limbAt(first) | (std::uint64_t{limbAt(first + 1)} << 32)) >> offset;
        if (offset != 0)
            value |= std::uint64_t{limbAt(first + 2)} << (64 - offset);
        return value;
    }

private:
    static constexpr std::size_t limbCount = 8;

    std::uint32_t limbAt(std::size_t i) const { return i < limbCount ? m_limbs[i] : 0; }

    std::array<std::uint32_t, limbCount> m_limbs{};
};

// Largest integer whose square is at most n, bit by bit from the top.
Wide integerSquareRoot(const Wide& n)
{
    Wide root(0);
    for (int index = (n.bitLength() + 1) / 2; index >= 0; --index) {
        Wide candidate = root;
        candidate.setBit(index);
        if (candidate * candidate <= n)
            root = candidate;
    }
    return root;
}

// The double nearest n·2^scale, ties to even, where `inexact` says that the value to round lies
// strictly between n·2^scale and (n + 1)·2^scale. Infinity when it is beyond the range.
double roundScaled(const Wide& n, int scale, bool inexact)
{
    const int length = n.bitLength();
    if (length == 0)
        return 0.0;
    int lowest = std::max(scale + length - 53, minimumExponent); // exponent of the last bit kept
    const int shift = lowest - scale;
    std::uint64_t mantissa;
    if (shift <= 0) {
        mantissa = n.bitsFrom(0) << -shift; // fits: at most 53 bits, exact
    } else {
        mantissa = n.bitsFrom(shift);
        const bool half = n.bit(shift - 1);
        const bool beyondHalf = inexact || n.anyBitBelow(shift - 1);
        if (half && (beyondHalf || (mantissa & 1u) != 0))
            ++mantissa;
        if (mantissa == std::uint64_t{1} << 53) {
            mantissa >>= 1;
            ++lowest;
        }
    }
    if (mantissa < (std::uint64_t{1} << 52))
        return fromBits(mantissa); // subnormal (or zero): lowest is the least exponent
    const int biased = lowest + 52 + exponentBias;
    if (biased >= 2047)
        return fromBits(std::uint64_t{2047} << 52);
    return fromBits((static_cast<std::uint64_t>(biased) << 52) | (mantissa & fractionMask));
}

// A positive finite x as m·2^e with m odd.
struct Binary {
    std::uint64_t m;
    int e;
};

Binary decompose(double x)
{
    const auto bits = bitCast<std::uint64_t>(x);
    const int field = static_cast<int>(bits >> 52);
    Binary b{bits & fractionMask, minimumExponent};
    if (field != 0) {
        b.m |= std::uint64_t{1} << 52;
        b.e = field - exponentBias - 52;
    }
    const int zeros = std::countr_zero(b.m);
    b.m >>= zeros;
    b.e += zeros;
    return b;
}

double exactIntegerPower(double x, int n)
{
    const Binary b = decompose(x);
    const Wide m(b.m);
    Wide power = m;
    for (int i = 1; i < n; ++i)
        power = power * m;
    return roundScaled(power, n * b.e, false);
}

double exactThreeHalvesPower(double x)
{
    Binary b = decompose(x);
    if (b.e % 2 != 0) { // make the exponent even so that its half is whole
        b.m <<= 1;
        b.e -= 1;
    }
    const Wide m(b.m);
    Wide cube = m * m * m;
    // Scale by a power of four so that the root carries at least 55 bits: then the remainder of
    // the integer root only ever decides ties and never the rounding bit itself.
    int quarterScale = 0;
    while (cube.bitLength() < 110) {
        cube = cube * Wide(4);
        ++quarterScale;
    }
    const Wide root = integerSquareRoot(cube);
    return roundScaled(root, (3 * (b.e / 2)) - quarterScale, !(root * root == cube));
}

bool withinExponents(double magnitude, int lowest, int highest)
{
    return magnitude >= powerOfTwo(lowest) && magnitude <= powerOfTwo(highest);
}

} // namespace

double cube(double x)
{
    const double magnitude = x < 0 ? -x : x;
    if (magnitude == 0)
        return x; // keeps the sign of zero
    double result = 0.0;
    if (withinExponents(magnitude, -300, 300)) {
        const DoubleDouble square = exactProduct(magnitude, magnitude);
        const DoubleDouble main = exactProduct(square.hi, magnitude);
        result = roundedIfClear(exactSum(main.hi, main.lo + (square.lo * magnitude)));
    }
    if (result == 0.0)
        result = exactIntegerPower(magnitude, 3);
    return x < 0 ? -result : result;
}

double fourthPower(double x)
{
    const double magnitude = x < 0 ? -x : x;
    if (magnitude == 0)
        return 0.0;
    double result = 0.0;
    if (withinExponents(magnitude, -220, 220)) {
        // (p + e)^2 = p^2 + 2pe + e^2, with e^2 far below the error allowed.
        const DoubleDouble square = exactProduct(magnitude, magnitude);
        const DoubleDouble main = exactProduct(square.hi, square.hi);
        result = roundedIfClear(exactSum(main.hi, main.lo + (2 * (square.hi * square.lo))));
    }
    if (result == 0.0)
        result = exactIntegerPower(magnitude, 4);
    return result;
}

double threeHalvesPower(double x)
{
    if (x == 0)
        return 0.0;
    double result = 0.0;
    if (withinExponents(x, -600, 600)) {
        // sqrt(x) = s + r/(2s) to well below 2^-100, where the remainder r = x - s^2 is exact.
        // The square root, like + - * /, is correctly rounded wherever doubles are IEEE.
        const double s = std::sqrt(x);
        const DoubleDouble sSquared = exactProduct(s, s);
        const double remainder = (x - sSquared.hi) - sSquared.lo;
        const double correction = remainder / (2 * s);
        const DoubleDouble main = exactProduct(x, s);
        result = roundedIfClear(exactSum(main.hi, main.lo + (x * correction)));
    }
    if (result == 0.0)
        result = exactThreeHalvesPower(x);
    return result;
}

} // namespace calc
