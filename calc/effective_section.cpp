// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "calc/effective_section.h"

#include "calc/checked_real.h"

namespace calc {

namespace {

constexpr double wallLoadFactor = 1.2; // load factor on the wall weight (axial force)
constexpr double windLoadFactor = 1.4; // load factor on wind (bending moment)

struct WebEffectiveParts {
    Real hc = 0, he = 0, he1 = 0, he2 = 0, hl = 0, Ae = 0, yc = 0, Ie = 0, We = 0;
};

// Whole web in compression: the ineffective strip lies between he1 and he2, and yc is measured
// from the extreme fibre of the less compressed flange.
WebEffectiveParts compressedWeb(const DesignInput& in, const GrossSection& gross, Real r, Real rho)
{
    const Real b = in.b, h = in.h, tf = in.tf, tw = in.tw, hw = gross.hw;
    WebEffectiveParts p;
    p.he = rho * hw;
    p.he1 = (2 * p.he) / (5 - r);
    p.he2 = p.he - p.he1;
    p.Ae = (2 * (b * tf) + p.he * tw) * 1e-6;

    // The removed strip's area in mm²·1e-9, so that times its lever in mm it is a first moment in m³.
    const Real removedArea = ((hw - p.he) * tw) * 1e-9;
    const Real removedLever = (tf + p.he2) + (hw - p.he) / 2;
    p.yc = ((Real(gross.A) * gross.yEdge - removedArea * removedLever) * 1000) / p.Ae;

    // Flanges enter only through b·tf times their distance squared; their own b·tf³/12 is left out.
    const Real flanges = (b * tf) * (pow(h - p.yc - tf / 2, 2) + pow(p.yc - tf / 2, 2));
    const Real webOwn = tw * (pow(p.he1, 3) + pow(p.he2, 3)) / 12;
    const Real webSteiner = tw * (p.he1 * pow(h - p.yc - tf - p.he1 / 2, 2) + p.he2 * pow(p.yc - tf - p.he2 / 2, 2));
    p.Ie = ((flanges + webOwn) + webSteiner) * 1e-12;
    p.We = (p.Ie / (h - p.yc)) * 1000;
    return p;
}

// Part of the web in tension: only the compressed depth hc loses a strip, the tension zone and
// he2 form one continuous piece hl, and yc is measured from the more compressed flange.
WebEffectiveParts partlyTensionedWeb(const DesignInput& in, const GrossSection& gross, Real sigmaMax, Real sigmaMin,
                                     Real rho)
{
    const Real b = in.b, h = in.h, tf = in.tf, tw = in.tw, hw = gross.hw;
    WebEffectiveParts p;
    p.hc = (sigmaMax * hw) / (sigmaMax + abs(sigmaMin));
    p.he = rho * p.hc;
    p.he1 = 0.4 * p.he;
    p.he2 = 0.6 * p.he;
    p.hl = (p.he2 + hw) - p.hc;
    p.Ae = (2 * (b * tf) + (p.hl + p.he1) * tw) * 1e-6;

    const Real removedArea = ((p.hc - p.he) * tw) * 1e-9;
    const Real removedLever = ((p.hc - p.he) / 2 + p.he1) + tf;
    p.yc = ((Real(gross.A) * gross.yEdge - removedArea * removedLever) * 1000) / p.Ae;

    const Real flanges = (b * tf) * (pow(p.yc - tf / 2, 2) + pow(h - p.yc - tf / 2, 2));
    const Real webOwn = tw * (pow(p.he1, 3) + pow(p.hl, 3)) / 12;
    const Real webSteiner = tw * (p.he1 * pow(p.yc - tf - p.he1 / 2, 2) + p.hl * pow(h - p.yc - tf - p.hl / 2, 2));
    p.Ie = ((flanges + webOwn) + webSteiner) * 1e-12;
    p.We = (p.Ie / p.yc) * 1000;
    return p;
}

} // namespace

EffectiveSection effectiveSection(const DesignInput& in, const GrossSection& gross, double epsilon,
                                  const Actions& actions)
{
    const Real M = actions.M, N = actions.N, Ix = gross.Ix, A = gross.A, yWeb = gross.yWeb;

    // Stresses where the web meets the flanges.
    const Real bendingStress = ((windLoadFactor * M) * yWeb) / Ix;
    const Real sigmaMax = bendingStress + (wallLoadFactor * N) / A;
    const Real reverseBendingStress = (((-windLoadFactor) * M) * yWeb) / Ix;
    const Real sigmaMin = reverseBendingStress + (wallLoadFactor * N) / A;
    const Real r = sigmaMin / sigmaMax;

    // r = 1 (uniform compression) gives 4, r = −1 (pure bending) gives 23.9.
    const Real kSigma = 16 / ((sqrt(pow(1 + r, 2) + 0.112 * pow(1 - r, 2)) + 1) + r);
    const Real widthToThickness = (Real(gross.hw) / in.tw) / 28.1;
    const Real lambdaP = (widthToThickness / sqrt(kSigma)) / epsilon;

    // Full web up to a slenderness of 0.8, then two straight lines meeting at 0.64 for 1.2.
    Real rho = 1;
    if (lambdaP > 0.8 && lambdaP <= 1.2)
        rho = 1 - (lambdaP - 0.8) * 0.9;
    if (lambdaP > 1.2)
        rho = 0.64 - (lambdaP - 1.2) * 0.24;

    const bool wholeWebCompressed = r > 0;
    const WebEffectiveParts p = wholeWebCompressed ? compressedWeb(in, gross, r, rho)
                                                   : partlyTensionedWeb(in, gross, sigmaMax, sigmaMin, rho);

    return {sigmaMax.value(),   sigmaMin.value(), r.value(),    kSigma.value(), lambdaP.value(), rho.value(),
            wholeWebCompressed, p.hc.value(),     p.he.value(), p.he1.value(),  p.he2.value(),   p.hl.value(),
            p.Ae.value(),       p.yc.value(),     p.Ie.value(), p.We.value()};
}

double inPlaneStress(const EffectiveSection& eff, const Actions& actions)
{
    const Real bending = (windLoadFactor * Real(actions.M)) / eff.We;
    return ((bending + (wallLoadFactor * Real(actions.N)) / eff.Ae) * 1e-6).value();
}

} // namespace calc
