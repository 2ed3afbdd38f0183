// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/design_input.h"
#include "calc/gross_section.h"

namespace calc {

// The part of a slender web that still carries load once it has buckled locally, and the
// section it leaves. Compression is positive. Lengths in mm unless noted.
struct EffectiveSection {
    double sigmaMax = 0;             // stress at the more compressed edge of the web [N/m²]
    double sigmaMin = 0;             // stress at the other edge of the web [N/m²]
    double r = 0;                    // stress ratio sigmaMin / sigmaMax [-]
    double kSigma = 0;               // buckling coefficient of the web [-]
    double lambdaP = 0;              // normalised slenderness of the web [-]
    double rho = 0;                  // reduction factor of the compressed web depth [-]
    bool wholeWebCompressed = false; // r > 0
    double hc = 0;                   // compressed depth of the web (part of the web in tension only)
    double he = 0;                   // effective depth of the compressed web
    double he1 = 0;                  // part of he next to the more compressed flange
    double he2 = 0;                  // part of he at the other end of the compressed zone
    double hl = 0;                   // part in tension only: effective web next to the tension flange
    double Ae = 0;                   // effective area [m²]
    double yc = 0;                   // centroid from the reference edge (see effectiveSection)
    double Ie = 0;                   // effective second moment of area about x-x [m⁴]
    double We = 0;                   // effective modulus for the more compressed extreme fibre [m³]
};

// The centroid yc is measured from the extreme fibre of the less compressed flange when the
// whole web is compressed, and from that of the more compressed flange otherwise.
EffectiveSection effectiveSection(const DesignInput& in, const GrossSection& gross, double epsilon,
                                  const Actions& actions);

// Combined stress on the effective section under 1.2·N and 1.4·M [MPa], unrounded.
double inPlaneStress(const EffectiveSection& eff, const Actions& actions);

} // namespace calc
