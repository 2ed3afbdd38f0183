// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Every power the formulas use against MPFR's correctly rounded value, over the whole double
// range: random bit patterns, subnormal arguments and results, results next to the overflow
// threshold, exact powers and arguments whose powers lie on or next to a halfway point between
// two doubles. A power of the wrong rounding, a lost subnormal or a wrong fault fails it.
#include "calc/checked_real.h"

#include "tests/mpfr_reference.h"
#include "tests/splitmix64.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <sstream>
#include <string>

namespace {

using calc::Fault;
using calc::FaultStop;
using calc::Real;

constexpr int argumentsPerFamily = 200000; // five families: a million arguments per exponent

struct Rng : vandrel_test::SplitMix64 {
    using SplitMix64::SplitMix64;
    int between(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1)); }
};

// m·2^e for an odd or even integer m below 2^53, exactly.
double scaled(std::uint64_t m, int e)
{
    return std::ldexp(static_cast<double>(m), e);
}

// An exponent of the formulas, n/d.
struct Exponent {
    const char* name;
    double value;
    int n;
    int d;
};

// A family of arguments for one exponent.
using Family = std::function<double(Rng&, const Exponent&)>;

double randomBits(Rng& rng, const Exponent&)
{
    for (;;) {
        const double x = std::bit_cast<double>(rng.next() & ~(std::uint64_t{1} << 63));
        if (std::isfinite(x))
            return x;
    }
}

double subnormalArgument(Rng& rng, const Exponent&)
{
    return std::bit_cast<double>(rng.next() & ((std::uint64_t{1} << 52) - 1));
}

// Arguments whose powers lie in the last binades below the overflow threshold or in the
// subnormal range of results, where rounding meets the ends of the exponent range.
double rangeEdge(Rng& rng, const Exponent& p)
{
    const std::uint64_t mantissa = (rng.next() >> 11) | (std::uint64_t{1} << 52);
    // The result's binary exponent is about value · (argument exponent).
    const int resultExponent = (rng.next() & 1) != 0 ? rng.between(1018, 1024) : rng.between(-1080, -1018);
    const int argumentExponent = resultExponent * p.d / p.n;
    return scaled(mantissa, argumentExponent - 52 + rng.between(-1, 1));
}

// Small integers times powers of two: their powers are exact or carry a few more bits than a
// double holds, so that many lie exactly on a halfway point between two doubles (ties to even)
// or a few bits from one. For 1.5 the argument is a perfect square, so the power is a whole cube.
double exactOrTie(Rng& rng, const Exponent& p)
{
    const int bits = rng.between(1, p.d == 2 ? 19 : 56 / p.n + 2);
    const std::uint64_t k = (rng.next() >> (64 - bits)) | 1u;
    const std::uint64_t m = p.d == 2 ? k * k : k;
    return scaled(m, 2 * rng.between(-150, 150));
}

// The neighbours of those: one or two ulps away from an exact power, so that the power lies
// within a hair of a double or of a halfway point; the fast path cannot tell, the exact one must.
double nearExact(Rng& rng, const Exponent& p)
{
    double x = exactOrTie(rng, p);
    const int steps = rng.between(1, 2);
    for (int i = 0; i < steps; ++i)
        x = std::nextafter(x, (rng.next() & 1) != 0 ? INFINITY : 0.0);
    return x;
}

std::string describe(double x)
{
    std::ostringstream s;
    s.precision(17);
    s << x << " (0x" << std::hex << std::bit_cast<std::uint64_t>(x) << ")";
    return s.str();
}

struct Case {
    Exponent exponent;
    const char* familyName;
    Family family;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.exponent.name << "_" << c.familyName;
}

class PowerAgainstMpfr : public testing::TestWithParam<Case> {
protected:
    static void SetUpTestSuite() { vandrel_test::useDoubleExponentRange(); }
};

TEST_P(PowerAgainstMpfr, IsCorrectlyRounded)
{
    const Case& c = GetParam();
    Rng rng(std::hash<std::string>{}(std::string(c.exponent.name) + c.familyName) ^ 20261208u);
    int differences = 0;
    for (int i = 0; i < argumentsPerFamily && differences < 5; ++i) {
        double x = c.family(rng, c.exponent);
        if (c.exponent.n == 3 && c.exponent.d == 1 && (rng.next() & 1) != 0)
            x = -x; // odd power: the sign goes through
        const std::optional<double> expected = vandrel_test::reference(x, c.exponent.value);
        std::optional<double> actual;
        try {
            actual = pow(Real(x), Real(c.exponent.value)).value();
        } catch (const FaultStop& stop) {
            EXPECT_EQ(stop.fault, Fault::Overflow) << describe(x);
        }
        const bool same
            = expected.has_value() == actual.has_value()
              && (!expected || std::bit_cast<std::uint64_t>(*expected) == std::bit_cast<std::uint64_t>(*actual));
        if (!same) {
            ++differences;
            ADD_FAILURE() << "x = " << describe(x) << ": expected "
                          << (expected ? describe(*expected) : std::string("overflow")) << ", got "
                          << (actual ? describe(*actual) : std::string("overflow"));
        }
    }
}

const Exponent square{"square", 2, 2, 1};
const Exponent cubed{"cube", 3, 3, 1};
const Exponent fourth{"fourth", 4, 4, 1};
const Exponent threeHalves{"threeHalves", 1.5, 3, 2};

std::vector<Case> allCases()
{
    std::vector<Case> cases;
    for (const Exponent& e : {square, cubed, fourth, threeHalves}) {
        cases.push_back({e, "randomBits", randomBits});
        cases.push_back({e, "subnormalArgument", subnormalArgument});
        cases.push_back({e, "rangeEdge", rangeEdge});
        cases.push_back({e, "exactOrTie", exactOrTie});
        cases.push_back({e, "nearExact", nearExact});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Powers, PowerAgainstMpfr, testing::ValuesIn(allCases()),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.exponent.name) + "_" + info.param.familyName;
                         });

// The faults of a power, as a run meets them.
TEST(PowerFaults, NegativeBaseOfThreeHalvesIsInvalidAndOverflowIsOverflow)
{
    try {
        (void)pow(Real(-0.5), Real(1.5));
        FAIL() << "no fault";
    } catch (const FaultStop& stop) {
        EXPECT_EQ(stop.fault, Fault::InvalidArgument);
    }
    try {
        (void)pow(Real(-1e300), Real(3));
        FAIL() << "no fault";
    } catch (const FaultStop& stop) {
        EXPECT_EQ(stop.fault, Fault::Overflow);
    }
    EXPECT_EQ(std::bit_cast<std::uint64_t>(pow(Real(-0.0), Real(1.5)).value()), 0u); // +0
    EXPECT_EQ(pow(Real(0.0), Real(4)).value(), 0.0);
}

} // namespace
