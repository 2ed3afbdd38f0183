// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "calc/gross_section.h"

#include "calc/checked_real.h"

namespace calc {

namespace {
constexpr double referenceYieldStrength = 235; // steel grade the slenderness limits are written for [MPa]
}

double materialFactor(double fy)
{
    return sqrt(referenceYieldStrength / Real(fy)).value();
}

double webDepth(double h, double tf)
{
    // Doubling tf is a step of its own: a flange so thick that it overflows stops the run here.
    const Real twoTf = 2 * Real(tf);
    return (h - twoTf).value();
}

GrossSection grossSection(const DesignInput& in, double hwMm)
{
    const Real b = in.b, h = in.h, tf = in.tf, tw = in.tw, hw = hwMm;

    const Real A = (2 * (tf * b) + hw * tw) * 1e-6;
    // b·h³/12 already holds the flanges' own inertia about x-x; the web's void is taken out.
    const Real Ix = ((pow(h, 3) * b) / 12 - ((b - tw) * pow(hw, 3)) / 12) * 1e-12;
    // Two flanges of 2·tf·b³/12 = tf·b³/6, plus the thin web.
    const Real Iy = ((tf * pow(b, 3)) / 6 + (hw * pow(tw, 3)) / 12) * 1e-12;
    const Real Wx = (Ix / (h / 2)) * 1000;
    const Real yWeb = (hw / 2) / 1000;
    const Real yEdge = (h / 2) / 1000;

    return {hw.value(), A.value(), Ix.value(), Iy.value(), Wx.value(), yWeb.value(), yEdge.value()};
}

Actions designActions(const DesignInput& in)
{
    const Real H = in.height, s = in.columnSpacing;

    // Height factor of the wind pressure, a fourth-degree fit in the height H [m].
    const Real muZ
        = 0.79359 + 0.01794 * H + 0.000608537 * pow(H, 2) - 2.32685e-05 * pow(H, 3) + 2.18838e-07 * pow(H, 4);
    const Real q = ((in.windPressure * muZ) * s) * 1000; // kN/m² × m → N/m
    const Real wallStrip = (s * in.wallWeight) * 1000;   // weight of the wall strip per metre of height [N/m]

    const bool simplySupported = in.supportMode == SimplySupported;
    // Mid-height moment of a simply supported span, or the base moment of a cantilever.
    const Real M = simplySupported ? (q * pow(H, 2)) / 8 : (q * pow(H, 2)) / 2;
    // A simply supported column hands half the wall's weight to the roof; a cantilever carries it all.
    const Real N = simplySupported ? (wallStrip * H) / 2 : wallStrip * H;

    return {muZ.value(), q.value(), M.value(), N.value()};
}

} // namespace calc
