// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/design_input.h"
#include "calc/gross_section.h"

namespace calc {

// Mass of the steel column [kg], unrounded.
double selfWeight(const DesignInput& in, const GrossSection& gross);

// Greatest deflection under the wind line load [mm], unrounded.
double deflection(const DesignInput& in, const GrossSection& gross, const Actions& actions);

// Column height over the displayed (already rounded) deflection, both in mm, unrounded.
double spanRatio(double height, double roundedDeflection);

} // namespace calc
