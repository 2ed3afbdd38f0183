// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "calc/out_of_plane_stability.h"

#include "calc/checked_real.h"

namespace calc {

namespace {
constexpr double elasticModulusMpa = 206000; // modulus of elasticity [MPa]
// NOLINTNEXTLINE(modernize-use-std-numbers): the results depend on these five decimals
constexpr double pi = 3.14159;         // five decimals, as the buckling tables were computed with
constexpr double wallLoadFactor = 1.2; // load factor on the wall weight (axial force)
constexpr double windLoadFactor = 1.4; // load factor on wind (bending moment)
} // namespace

StabilityFactors stabilityFactors(const DesignInput& in, const GrossSection& gross, double epsilon)
{
    const Real b = in.b, h = in.h, tf = in.tf, l1 = in.bracingSpacing, A = gross.A;

    const Real iy = sqrt(Real(gross.Iy) / A);
    const Real lambdaY = l1 / iy;

    // Lateral-torsional buckling of the gross section.
    const Real xi = (((l1 * 1000) * tf) / b) / h;
    Real betaB = 0.69 + 0.13 * xi;
    if (betaB > 0.95)
        betaB = 0.95;
    // The section is doubly symmetric, so no asymmetry term joins this root.
    const Real root = sqrt(1 + pow(((lambdaY * tf) / 4.4) / h, 2));
    // A·h/Wx is dimensionless once the 1000 brings h from mm to m.
    const Real phiBElastic
        = (((((betaB * 4320) / pow(lambdaY, 2)) * A) * h) / gross.Wx / 1000) * root * pow(epsilon, 2);
    // Beyond 0.6 the beam buckles inelastically and the factor is reduced; it never exceeds 1.
    Real phiB = phiBElastic;
    if (phiB > 0.6)
        phiB = (1.1 - 0.4646 / phiB) + 0.1269 / pow(phiB, 1.5);
    if (phiB > 1.0)
        phiB = 1.0;

    // Flexural buckling about the weak axis, on the one buckling curve the check uses.
    const Real slendernessRatio = lambdaY / pi;
    const Real lambdaN = slendernessRatio * sqrt(Real(in.fy) / elasticModulusMpa);
    Real phi = 0;
    if (lambdaN <= 0.215) {
        phi = 1 - 0.65 * pow(lambdaN, 2);
    } else {
        const Real c = (0.965 + 0.3 * lambdaN) + pow(lambdaN, 2);
        phi = ((c - sqrt(pow(c, 2) - 4 * pow(lambdaN, 2))) / 2) / pow(lambdaN, 2);
    }
    const Real phiY = phi * 0.95;

    return {iy.value(),   lambdaY.value(), xi.value(),  betaB.value(), phiBElastic.value(),
            phiB.value(), lambdaN.value(), phi.value(), phiY.value()};
}

double outOfPlaneStress(const StabilityFactors& stability, const EffectiveSection& eff, const Actions& actions)
{
    const Real axial = ((wallLoadFactor * Real(actions.N)) / stability.phiY) / eff.Ae;
    const Real bending = ((windLoadFactor * Real(actions.M)) / stability.phiB) / eff.We;
    return ((axial + bending) * 1e-6).value();
}

} // namespace calc
