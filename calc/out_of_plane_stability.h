// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/design_input.h"
#include "calc/effective_section.h"
#include "calc/gross_section.h"

namespace calc {

// Stability of the column between two lateral braces: sideways buckling about the weak axis
// and lateral-torsional buckling under the wind moment.
struct StabilityFactors {
    double iy = 0;          // radius of gyration of the gross section about y-y [m]
    double lambdaY = 0;     // weak-axis slenderness l1 / iy [-]
    double xi = 0;          // ξ = l1·tf / (b·h), l1 in mm [-]
    double betaB = 0;       // equivalent moment factor of the lateral-torsional check [-]
    double phiBElastic = 0; // phiB before the inelastic correction [-]
    double phiB = 0;        // lateral-torsional stability factor [-]
    double lambdaN = 0;     // normalised weak-axis slenderness [-]
    double phi = 0;         // flexural buckling factor about y-y [-]
    double phiY = 0;        // phi · 0.95 [-]
};

StabilityFactors stabilityFactors(const DesignInput& in, const GrossSection& gross, double epsilon);

// Combined stress of the out-of-plane check on the effective section [MPa], unrounded.
double outOfPlaneStress(const StabilityFactors& stability, const EffectiveSection& eff, const Actions& actions);

} // namespace calc
