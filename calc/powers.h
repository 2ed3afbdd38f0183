// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/ieee_double.h"

namespace calc {

// The powers the formulas use, each correctly rounded: the double nearest the exact value, ties
// to even, subnormal results included. A platform's pow is free to be off by an ulp and differs
// between maths libraries; these give the same bits wherever doubles are IEEE binary64.
//
// A result beyond the range of a double comes back as an infinity of the right sign, for the
// caller to report as an overflow.
double cube(double x);
double fourthPower(double x);
// x^1.5 for x >= 0 (the caller rejects a negative base); the power of -0 is +0.
double threeHalvesPower(double x);

} // namespace calc
