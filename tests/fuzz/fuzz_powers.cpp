// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Each power of the formulas against MPFR for doubles the fuzzer chooses: the first byte picks
// the exponent, the next eight are the bits of the base.
#include "calc/checked_real.h"
#include "tests/mpfr_reference.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static constexpr std::array<double, 4> exponents = {2, 3, 4, 1.5};
    if (size != 9)
        return 0;
    std::uint64_t bits;
    std::memcpy(&bits, data + 1, sizeof bits);
    const double x = std::bit_cast<double>(bits);
    const double exponent = exponents[data[0] % exponents.size()];
    if (!std::isfinite(x))
        return 0;

    static const bool rangeSet = (vandrel_test::useDoubleExponentRange(), true);
    (void)rangeSet;
    std::optional<double> actual;
    std::optional<calc::Fault> fault;
    try {
        actual = pow(calc::Real(x), calc::Real(exponent)).value();
    } catch (const calc::FaultStop& stop) {
        fault = stop.fault;
    }
    if (exponent == 1.5 && x < 0) {
        if (fault != calc::Fault::InvalidArgument)
            std::abort();
        return 0;
    }
    const std::optional<double> expected = vandrel_test::reference(x, exponent);
    if (!expected) {
        if (fault != calc::Fault::Overflow)
            std::abort();
        return 0;
    }
    if (!actual || std::bit_cast<std::uint64_t>(*actual) != std::bit_cast<std::uint64_t>(*expected))
        std::abort();
    return 0;
}
