// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/design_input.h"

namespace calc {

// Gross properties of the welded, doubly symmetric I-section. Plate sizes stay in mm; the
// properties are brought to metres so that force / area and moment / modulus give N/m².
struct GrossSection {
    double hw = 0;    // clear depth of the web [mm]
    double A = 0;     // gross area [m²]
    double Ix = 0;    // second moment of area about the strong axis x-x [m⁴]
    double Iy = 0;    // second moment of area about the weak axis y-y [m⁴]
    double Wx = 0;    // elastic section modulus about x-x [m³]
    double yWeb = 0;  // half the web depth [m]
    double yEdge = 0; // half the overall depth [m]
};

// Design actions on the column from wind and from the wall it carries.
struct Actions {
    double muZ = 0; // height factor of the wind pressure [-]
    double q = 0;   // wind line load [N/m]
    double M = 0;   // greatest bending moment [N·m]
    double N = 0;   // axial compression from the wall weight [N]
};

// epsilon = √(235 / fy), the factor that scales slenderness limits to the steel grade.
double materialFactor(double fy);

// Clear web depth h − 2·tf [mm].
double webDepth(double h, double tf);

GrossSection grossSection(const DesignInput& in, double hw);
Actions designActions(const DesignInput& in);

} // namespace calc
