// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Whole runs through the text interface, as the window makes them.
#include "calc/calculation.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Texts = std::map<std::string, std::string>;
using Writes = std::vector<std::pair<std::string, std::string>>;

Texts defaultTexts()
{
    return {{"TxtWind", "0.4"}, {"TxtSpace", "6"}, {"TxtDead", "0.3"}, {"txtfy", "235"},
            {"TxtF", "215"},    {"TxtFv", "125"},  {"Txtb", "200"},    {"Txth", "400"},
            {"Txttf", "10"},    {"Txttw", "6"},    {"TxtHeight", "9"}, {"TxtSSpace", "6"}};
}

struct Outcome {
    Writes writes;
    std::optional<calc::Fault> fault;
};

Outcome run(const Texts& changes, int mode = calc::SimplySupported)
{
    Texts texts = defaultTexts();
    for (const auto& [box, text] : changes)
        texts[box] = text;
    Outcome r;
    r.fault = calc::runCalculation(
        texts, mode, [&](const std::string& box, const std::string& text) { r.writes.emplace_back(box, text); });
    return r;
}

const std::vector<std::string> resultOrder = {"TxtStressx", "TxtStressy", "TxtDeadweight", "TxtDeflection", "TxtRatio"};

struct WholeRun {
    const char* name;
    Texts changes;
    int mode;
    std::vector<std::string> shown; // in result order
};

void PrintTo(const WholeRun& c, std::ostream* os)
{
    *os << c.name;
}

class WholeRunTest : public testing::TestWithParam<WholeRun> { };

TEST_P(WholeRunTest, WritesAllFiveBoxesInOrder)
{
    const WholeRun& c = GetParam();
    const Outcome r = run(c.changes, c.mode);
    ASSERT_FALSE(r.fault.has_value());
    ASSERT_EQ(r.writes.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(r.writes[i].first, resultOrder[i]);
        EXPECT_EQ(r.writes[i].second, c.shown[i]) << resultOrder[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calculation, WholeRunTest,
    testing::Values(
        WholeRun{"Defaults", {}, 1, {" 39.02", " 61.66", " 443.7", " 5.4", " 1666.6"}},
        WholeRun{"DefaultsCantilever", {}, 2, {" 152.99", " 238.23", " 443.7", " 43.8", " 205.4"}},
        WholeRun{"ThinWeb", {{"Txttw", "3"}}, 1, {" 43.15", " 66.27", " 363.1", " 5.9", " 1525.4"}},
        WholeRun{"WholeWebCompressed",
                 {{"Txttw", "3"}, {"TxtWind", "0.02"}, {"TxtDead", "2.0"}},
                 1,
                 {" 16.52", " 37.02", " 363.1", " .3", " 30000"}},
        WholeRun{"DeepSlenderWeb",
                 {{"Txth", "800"}, {"Txttw", "4"}, {"TxtWind", "0.6"}},
                 1,
                 {" 30.11", " 59.58", " 503", " 1.8", " 5000"}},
        WholeRun{"ShortBracing", {{"TxtSSpace", "3"}}, 1, {" 39.02", " 42.35", " 443.7", " 5.4", " 1666.6"}},
        WholeRun{"Q345", {{"txtfy", "345"}}, 1, {" 39.02", " 84.51", " 443.7", " 5.4", " 1666.6"}},
        WholeRun{"TallCantilever",
                 {{"TxtHeight", "12"}, {"TxtSSpace", "4"}},
                 2,
                 {" 290.02", " 348.37", " 591.6", " 148.6", " 80.7"}},
        // Any mode other than 1 is a cantilever.
        WholeRun{"UnknownModeIsCantilever", {}, 7, {" 152.99", " 238.23", " 443.7", " 43.8", " 205.4"}},
        // Strengths f and fv are only shown to the user; no result depends on them.
        WholeRun{"DesignStrengthsIgnored",
                 {{"TxtF", "abc"}, {"TxtFv", "-1E300"}},
                 1,
                 {" 39.02", " 61.66", " 443.7", " 5.4", " 1666.6"}},
        // Text as typed: padding, a unit after the number, a full-width Chinese input method.
        WholeRun{"TypedTexts",
                 {{"TxtWind", " 0.4 "}, {"TxtSpace", "6m"}, {"TxtDead", "０。３"}, {"Txth", "&H190"}},
                 1,
                 {" 39.02", " 61.66", " 443.7", " 5.4", " 1666.6"}},
        // Suction instead of pressure runs through the same formulas with no check of sign; the
        // deflection −5.4807 mm rounds down to −5.5 and the ratio follows it.
        WholeRun{"NegativeWind", {{"TxtWind", "-0.4"}}, 1, {"-35.93", "-53.24", " 443.7", "-5.5", "-1636.4"}}),
    [](const testing::TestParamInfo<WholeRun>& info) { return std::string(info.param.name); });

struct FaultCase {
    const char* name;
    Texts changes;
    int mode;
    calc::Fault fault;
    std::size_t resultsBeforeFault;
};

void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << c.name;
}

class FaultTest : public testing::TestWithParam<FaultCase> { };

TEST_P(FaultTest, StopsWhereTheFaultHappensKeepingEarlierResults)
{
    const FaultCase& c = GetParam();
    const Outcome r = run(c.changes, c.mode);
    ASSERT_TRUE(r.fault.has_value());
    EXPECT_EQ(*r.fault, c.fault);
    ASSERT_EQ(r.writes.size(), c.resultsBeforeFault);
    for (std::size_t i = 0; i < r.writes.size(); ++i)
        EXPECT_EQ(r.writes[i].first, resultOrder[i]);
    for (const auto& [box, text] : r.writes) {
        EXPECT_EQ(text.find("inf"), std::string::npos) << box;
        EXPECT_EQ(text.find("nan"), std::string::npos) << box;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calculation, FaultTest,
    testing::Values(
        FaultCase{"NoLoadAtAll", {{"TxtWind", "0"}, {"TxtDead", "0"}}, 1, calc::Fault::DivisionByZero, 0},
        FaultCase{"NoWindGivesZeroDeflection", {{"TxtWind", "0"}}, 1, calc::Fault::DivisionByZero, 4},
        FaultCase{"NoBracingSpacing", {{"TxtSSpace", "0"}}, 1, calc::Fault::DivisionByZero, 1},
        FaultCase{"YieldStrengthNotANumber", {{"txtfy", "abc"}}, 1, calc::Fault::DivisionByZero, 0},
        FaultCase{"NegativeYieldStrength", {{"txtfy", "-235"}}, 1, calc::Fault::InvalidArgument, 0},
        FaultCase{"NoWeb", {{"Txttw", "0"}}, 1, calc::Fault::DivisionByZero, 0},
        FaultCase{"NoDepth", {{"Txth", "0"}}, 2, calc::Fault::DivisionByZero, 0},
        FaultCase{"FlangeDoublingOverflows", {{"Txttf", "1E308"}}, 1, calc::Fault::Overflow, 0},
        FaultCase{"HeightBeyondDoubleRange", {{"TxtHeight", "1E400"}}, 1, calc::Fault::Overflow, 0},
        FaultCase{"StrengthBeyondDoubleRange", {{"TxtFv", "-1E400"}}, 1, calc::Fault::Overflow, 0},
        FaultCase{"HexBeyondDoubleRange", {{"Txtb", "&H" + std::string(300, 'F')}}, 1, calc::Fault::Overflow, 0},
        // Pure suction bending: the two web edge stresses cancel under the compressed depth.
        FaultCase{
            "SuctionWithoutWallWeight", {{"TxtWind", "-0.4"}, {"TxtDead", "0"}}, 1, calc::Fault::DivisionByZero, 0},
        FaultCase{"HugeWindOverflowsAStress", {{"TxtWind", "1E300"}}, 1, calc::Fault::Overflow, 0},
        // h³ of the second moment of area is the first value beyond range.
        FaultCase{"DeepSectionOverflowsAPower", {{"Txth", "1E103"}}, 1, calc::Fault::Overflow, 0},
        // Boxes are read in order and epsilon is formed as soon as fy is read: f and fv come
        // before it, the plate sizes and the height after it.
        FaultCase{"StrengthsBeforeEpsilon", {{"txtfy", "0"}, {"TxtFv", "1E400"}}, 1, calc::Fault::Overflow, 0},
        FaultCase{
            "EpsilonBeforePlateSizes", {{"txtfy", "-235"}, {"Txtb", "1E400"}}, 1, calc::Fault::InvalidArgument, 0},
        FaultCase{
            "EpsilonBeforeLaterBoxes", {{"txtfy", "0"}, {"TxtHeight", "1E400"}}, 1, calc::Fault::DivisionByZero, 0}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(Calculation, MissingBoxesReadAsEmpty)
{
    std::vector<std::string> boxes;
    const auto fault
        = calc::runCalculation({}, 1, [&](const std::string& box, const std::string&) { boxes.push_back(box); });
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(*fault, calc::Fault::DivisionByZero); // 235 / fy with fy = 0
    EXPECT_TRUE(boxes.empty());
}

TEST(Calculation, CheckResultHoldsTheRoundedNumbersOfAStoppedRun)
{
    calc::DesignInput in = calc::readDesignInput(defaultTexts(), 1);
    in.windPressure = 0;
    calc::CheckResult result;
    const auto fault = calc::checkColumn(in, result, [](const std::string&, const std::string&) { /* no boxes */ });
    ASSERT_EQ(fault, calc::Fault::DivisionByZero);
    EXPECT_EQ(result.selfWeight, 443.7);
    EXPECT_EQ(result.deflection, 0.0);
    EXPECT_FALSE(result.spanRatio.has_value());
}

} // namespace
