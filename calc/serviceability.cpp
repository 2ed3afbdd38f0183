// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "calc/serviceability.h"

#include "calc/checked_real.h"

namespace calc {

namespace {
constexpr double steelDensity = 7850;        // [kg/m³]
constexpr double elasticModulusSi = 2.06e11; // modulus of elasticity [N/m²]
} // namespace

double selfWeight(const DesignInput& in, const GrossSection& gross)
{
    return ((Real(gross.A) * in.height) * steelDensity).value();
}

double deflection(const DesignInput& in, const GrossSection& gross, const Actions& actions)
{
    // 5·q·H⁴/384 is the mid-span deflection of a simply supported span; the cantilever keeps the
    // same numerator over 48, i.e. eight times as much.
    const double divisor = in.supportMode == SimplySupported ? 384 : 48;
    const Real q = actions.q, H = in.height;
    const Real deltaMetres = ((((5 * q) * pow(H, 4)) / divisor) / elasticModulusSi) / gross.Ix;
    return (deltaMetres * 1000).value();
}

double spanRatio(double height, double roundedDeflection)
{
    // Height in m over deflection in mm, scaled so that both are in mm.
    return ((Real(height) / roundedDeflection) * 1000).value();
}

} // namespace calc
