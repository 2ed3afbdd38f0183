// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

namespace calc {

// How the column is held. Every formula that depends on it tests for SimplySupported and
// treats any other value as a cantilever.
using SupportMode = int;
inline constexpr SupportMode SimplySupported = 1; // held at the foundation and at the roof
inline constexpr SupportMode Cantilever = 2;      // fixed at the foundation, free at the top

// The twelve numbers typed into the window, plus the support mode.
struct DesignInput {
    double windPressure = 0;   // w0, basic wind pressure [kN/m²]
    double columnSpacing = 0;  // s, width of wall carried by one column [m]
    double wallWeight = 0;     // gk, weight of the wall cladding [kN/m²]
    double fy = 0;             // yield strength [MPa]
    double f = 0;              // design strength in bending, shown for comparison only [MPa]
    double fv = 0;             // design strength in shear, shown for comparison only [MPa]
    double b = 0;              // flange width [mm]
    double h = 0;              // overall depth [mm]
    double tf = 0;             // flange thickness [mm]
    double tw = 0;             // web thickness [mm]
    double height = 0;         // H, column height [m]
    double bracingSpacing = 0; // l1, spacing of the lateral bracing of the compression flange [m]
    SupportMode supportMode = SimplySupported;
};

} // namespace calc
