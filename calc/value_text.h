// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace calc {

// Reads the number at the start of a box's text. Never fails: text that cannot start a number
// reads as 0. A decimal or &H/&O number beyond the range of a double reads as ±infinity, which
// the run reports as an overflow; one too small to represent reads as 0 or a subnormal.
double parseNumber(std::string_view text);

// Writes a finite result for display: one leading space unless negative, no zero before the
// decimal point, no trailing zeros, up to 15 significant digits, exponent form from 1E+15.
std::string formatResult(double value);

// The three roundings of the results. They stop the run with an overflow where scaling the
// value up by 10 or 100 leaves the range of a double.
double roundHalfHundredths(double x); // floor(100·x + 0.5) / 100
double roundHalfTenths(double x);     // floor(10·x + 0.5) / 10
double roundTenthsLow(double x);      // floor(10·x + 0.1) / 10, biased towards the lower tenth

} // namespace calc
