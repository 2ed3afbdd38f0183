// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Intermediate values of the check against hand calculations, each to the digits quoted.
#include "calc/effective_section.h"
#include "calc/gross_section.h"
#include "calc/out_of_plane_stability.h"
#include "calc/serviceability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

calc::DesignInput defaults()
{
    calc::DesignInput in;
    in.windPressure = 0.4;
    in.columnSpacing = 6;
    in.wallWeight = 0.3;
    in.fy = 235;
    in.f = 215;
    in.fv = 125;
    in.b = 200;
    in.h = 400;
    in.tf = 10;
    in.tw = 6;
    in.height = 9;
    in.bracingSpacing = 6;
    return in;
}

// Every value one check computes, for the tables below to pick from.
struct Trace {
    double epsilon;
    calc::GrossSection gross;
    calc::Actions actions;
    calc::EffectiveSection eff;
    calc::StabilityFactors stability;
    double deflection;
};

Trace trace(const calc::DesignInput& in)
{
    Trace t;
    t.epsilon = calc::materialFactor(in.fy);
    t.gross = calc::grossSection(in, calc::webDepth(in.h, in.tf));
    t.actions = calc::designActions(in);
    t.eff = calc::effectiveSection(in, t.gross, t.epsilon, t.actions);
    t.stability = calc::stabilityFactors(in, t.gross, t.epsilon);
    t.deflection = calc::deflection(in, t.gross, t.actions);
    return t;
}

// Half a unit in the last digit of a quoted value such as "1.79569e-4" or "198.262".
double quotedTolerance(const std::string& quoted)
{
    const auto e = quoted.find_first_of("eE");
    const std::string mantissa = quoted.substr(0, e);
    const auto point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const int exponent = e == std::string::npos ? 0 : std::atoi(quoted.c_str() + e + 1);
    return 0.5 * std::pow(10.0, exponent - decimals);
}

struct Quoted {
    const char* name;
    std::function<void(calc::DesignInput&)> change;
    std::function<double(const Trace&)> value;
    std::string expected;
};

void PrintTo(const Quoted& c, std::ostream* os)
{
    *os << c.name;
}

class QuotedValueTest : public testing::TestWithParam<Quoted> { };

TEST_P(QuotedValueTest, AgreesToTheQuotedDigits)
{
    const Quoted& c = GetParam();
    calc::DesignInput in = defaults();
    c.change(in);
    const double expected = std::strtod(c.expected.c_str(), nullptr);
    EXPECT_NEAR(c.value(trace(in)), expected, quotedTolerance(c.expected));
}

void none(calc::DesignInput&) { }
void thinWeb(calc::DesignInput& in)
{
    in.tw = 3;
}
void thinWebHeavyWall(calc::DesignInput& in)
{
    in.tw = 3;
    in.windPressure = 0.02;
    in.wallWeight = 2.0;
}
void deepWeb(calc::DesignInput& in)
{
    in.h = 800;
    in.tw = 4;
    in.windPressure = 0.6;
}
void justBeyondStocky(calc::DesignInput& in)
{
    in.bracingSpacing = 0.923;
}
void justBelowBetaCap(calc::DesignInput& in)
{
    in.bracingSpacing = 15.6;
}

// Left as written: clang-format 14 and 19 lay out a lambda inside a macro differently.
// clang-format off
#define QUOTED(caseName, change, expr, expected) \
    Quoted{#caseName, change, [](const Trace& t) { return t.expr; }, expected}
// clang-format on

INSTANTIATE_TEST_SUITE_P(
    DesignSteps, QuotedValueTest,
    testing::Values(
        // Gross section and actions, default inputs.
        QUOTED(Default_epsilon, none, epsilon, "1"), QUOTED(Default_hw, none, gross.hw, "380"),
        QUOTED(Default_A, none, gross.A, "0.00628"), QUOTED(Default_Ix, none, gross.Ix, "1.79569e-4"),
        QUOTED(Default_Iy, none, gross.Iy, "1.33402e-5"), QUOTED(Default_Wx, none, gross.Wx, "8.97847e-4"),
        QUOTED(Default_muZ, none, actions.muZ, "0.988815"), QUOTED(Default_q, none, actions.q, "2373.15"),
        QUOTED(Default_M, none, actions.M, "24028.2"), QUOTED(Default_N, none, actions.N, "8100"),
        // Effective section, default inputs: part of the web in tension, nothing lost.
        QUOTED(Default_r, none, eff.r, "-0.91665"), QUOTED(Default_kSigma, none, eff.kSigma, "21.9126"),
        QUOTED(Default_lambdaP, none, eff.lambdaP, "0.48148"), QUOTED(Default_rho, none, eff.rho, "1"),
        QUOTED(Default_hc, none, eff.hc, "198.262"), QUOTED(Default_he, none, eff.he, "198.262"),
        QUOTED(Default_Ae, none, eff.Ae, "0.00628"), QUOTED(Default_yc, none, eff.yc, "200"),
        QUOTED(Default_Ie, none, eff.Ie, "1.79536e-4"), QUOTED(Default_We, none, eff.We, "8.97680e-4"),
        // Out-of-plane stability and deflection, default inputs.
        QUOTED(Default_iy, none, stability.iy, "0.0460894"),
        QUOTED(Default_lambdaY, none, stability.lambdaY, "130.182"), QUOTED(Default_xi, none, stability.xi, "0.75"),
        QUOTED(Default_betaB, none, stability.betaB, "0.7875"),
        QUOTED(Default_phiBElastic, none, stability.phiBElastic, "0.698573"),
        QUOTED(Default_phiB, none, stability.phiB, "0.652272"),
        QUOTED(Default_lambdaN, none, stability.lambdaN, "1.39959"),
        QUOTED(Default_phi, none, stability.phi, "0.386645"), QUOTED(Default_deflection, none, deflection, "5.4807"),
        // A 3 mm web is slender enough to lose part of its compressed depth.
        QUOTED(ThinWeb_lambdaP, thinWeb, eff.lambdaP, "0.96837"), QUOTED(ThinWeb_rho, thinWeb, eff.rho, "0.848470"),
        QUOTED(ThinWeb_he, thinWeb, eff.he, "169.120"), QUOTED(ThinWeb_Ae, thinWeb, eff.Ae, "0.00504939"),
        QUOTED(ThinWeb_yc, thinWeb, eff.yc, "201.925"), QUOTED(ThinWeb_We, thinWeb, eff.We, "8.15899e-4"),
        // Heavy wall, light wind: the whole web is compressed.
        QUOTED(Compressed_r, thinWebHeavyWall, eff.r, "0.734844"),
        QUOTED(Compressed_kSigma, thinWebHeavyWall, eff.kSigma, "4.60835"),
        QUOTED(Compressed_lambdaP, thinWebHeavyWall, eff.lambdaP, "2.09982"),
        QUOTED(Compressed_rho, thinWebHeavyWall, eff.rho, "0.424042"),
        QUOTED(Compressed_he, thinWebHeavyWall, eff.he, "161.136"),
        QUOTED(Compressed_he1, thinWebHeavyWall, eff.he1, "75.5592"),
        QUOTED(Compressed_he2, thinWebHeavyWall, eff.he2, "85.5767"),
        QUOTED(Compressed_Ae, thinWebHeavyWall, eff.Ae, "0.00448341"),
        QUOTED(Compressed_yc, thinWebHeavyWall, eff.yc, "199.266"),
        QUOTED(Compressed_We, thinWebHeavyWall, eff.We, "8.12909e-4"),
        // A deep 4 mm web beyond a slenderness of 1.2, and elastic lateral-torsional buckling.
        QUOTED(DeepWeb_lambdaP, deepWeb, eff.lambdaP, "1.49856"), QUOTED(DeepWeb_rho, deepWeb, eff.rho, "0.568347"),
        QUOTED(DeepWeb_yc, deepWeb, eff.yc, "423.013"), QUOTED(DeepWeb_We, deepWeb, eff.We, "1.76443e-3"),
        QUOTED(DeepWeb_phiB, deepWeb, stability.phiB, "0.519793"),
        QUOTED(DeepWeb_lambdaN, deepWeb, stability.lambdaN, "1.49041"),
        // Either side of a limit: the slender branch of the buckling curve from a slenderness of
        // 0.215, and betaB just under its cap of 0.95.
        QUOTED(JustBeyondStocky_lambdaN, justBeyondStocky, stability.lambdaN, "0.215304"),
        QUOTED(JustBeyondStocky_phi, justBeyondStocky, stability.phi, "0.969947"),
        QUOTED(JustBelowBetaCap_betaB, justBelowBetaCap, stability.betaB, "0.9435")),
    [](const testing::TestParamInfo<Quoted>& info) { return std::string(info.param.name); });

TEST(GrossSection, HeightFactorOfWindAtGroundAndAtTenMetres)
{
    calc::DesignInput in = defaults();
    in.height = 0;
    EXPECT_EQ(calc::designActions(in).muZ, 0.79359);
    in.height = 10;
    EXPECT_NEAR(calc::designActions(in).muZ, 1.012764, 5e-7);
}

TEST(GrossSection, CantileverTakesFourTimesTheMomentAndTwiceTheAxialForce)
{
    calc::DesignInput in = defaults();
    const calc::Actions simple = calc::designActions(in);
    in.supportMode = calc::Cantilever;
    const calc::Actions cantilever = calc::designActions(in);
    EXPECT_DOUBLE_EQ(cantilever.M, 4 * simple.M);
    EXPECT_DOUBLE_EQ(cantilever.N, 2 * simple.N);
    EXPECT_EQ(cantilever.q, simple.q);
}

TEST(EffectiveSection, WindAloneOrWallAloneGiveTheLimitingStressRatios)
{
    calc::DesignInput in = defaults();
    in.windPressure = 0;
    Trace t = trace(in);
    EXPECT_EQ(t.eff.r, 1.0);
    EXPECT_EQ(t.eff.kSigma, 4.0);
    EXPECT_TRUE(t.eff.wholeWebCompressed);
    EXPECT_DOUBLE_EQ(t.eff.he1, t.eff.he2);

    in = defaults();
    in.wallWeight = 0;
    t = trace(in);
    EXPECT_EQ(t.eff.r, -1.0);
    EXPECT_NEAR(t.eff.kSigma, 23.9, 0.05);
    EXPECT_FALSE(t.eff.wholeWebCompressed);
    EXPECT_DOUBLE_EQ(t.eff.hc, t.gross.hw / 2);
}

TEST(Stability, LongBracingCapsTheMomentFactorAndShortBracingUsesTheStockyBranch)
{
    calc::DesignInput in = defaults();
    in.bracingSpacing = 16; // xi = 2: betaB reaches its cap
    EXPECT_EQ(trace(in).stability.betaB, 0.95);
    in.bracingSpacing = 40;
    EXPECT_EQ(trace(in).stability.betaB, 0.95);

    in.bracingSpacing = 0.2; // lambdaN ≈ 0.047
    const calc::StabilityFactors s = trace(in).stability;
    ASSERT_LE(s.lambdaN, 0.215);
    EXPECT_EQ(s.phi, 1 - 0.65 * std::pow(s.lambdaN, 2));
    EXPECT_EQ(s.phiB, 1.0); // a stocky member does not buckle laterally
}

TEST(Serviceability, SelfWeightDependsOnlyOnTheSectionAndHeight)
{
    calc::DesignInput in = defaults();
    const double reference = calc::selfWeight(in, trace(in).gross);
    EXPECT_NEAR(reference, 443.682, 5e-4);
    in.supportMode = calc::Cantilever;
    in.windPressure = 2;
    in.wallWeight = 0;
    in.bracingSpacing = 1;
    EXPECT_EQ(calc::selfWeight(in, trace(in).gross), reference);
}

TEST(Serviceability, CantileverDeflectsEightTimesAsMuch)
{
    calc::DesignInput in = defaults();
    const double simple = trace(in).deflection;
    in.supportMode = calc::Cantilever;
    EXPECT_DOUBLE_EQ(trace(in).deflection, 8 * simple);
}

} // namespace
