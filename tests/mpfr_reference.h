// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

// The correctly rounded double of a power, computed by MPFR: the reference the calculation's
// powers are checked against.

#include <mpfr.h>

#include <cmath>
#include <optional>

namespace vandrel_test {

// Call once before the first reference(): the double's exponent range, so that
// mpfr_subnormalize rounds subnormal results as a double would.
inline void useDoubleExponentRange()
{
    mpfr_set_emin(-1073);
    mpfr_set_emax(1024);
}

// x^exponent rounded to the nearest double, ties to even; nullopt where it overflows.
inline std::optional<double> reference(double x, double exponent)
{
    mpfr_t base;
    mpfr_t power;
    mpfr_t result;
    mpfr_inits2(53, base, power, result, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_d(base, x, MPFR_RNDN);
    mpfr_set_d(power, exponent, MPFR_RNDN);
    const int ternary = mpfr_pow(result, base, power, MPFR_RNDN);
    mpfr_subnormalize(result, ternary, MPFR_RNDN);
    const double value = mpfr_get_d(result, MPFR_RNDN);
    mpfr_clears(base, power, result, static_cast<mpfr_ptr>(nullptr));
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

} // namespace vandrel_test
