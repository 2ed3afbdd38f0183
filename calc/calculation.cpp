// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "calc/calculation.h"

#include "calc/checked_real.h"
#include "calc/effective_section.h"
#include "calc/gross_section.h"
#include "calc/out_of_plane_stability.h"
#include "calc/serviceability.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace calc {

namespace {

double readBox(const std::map<std::string, std::string>& texts, const std::string& box)
{
    const auto it = texts.find(box);
    return it == texts.end() ? 0.0 : parseNumber(it->second);
}

// A text beyond the range of a double stops the run as it is read, in the order the boxes are read.
void requireInRange(std::initializer_list<double> values)
{
    for (const double value : values)
        Real{value};
}

class ResultWriter {
public:
    using ResultField = std::optional<double> CheckResult::*;

    ResultWriter(CheckResult& result, const ResultSink& sink)
        : m_result(result)
        , m_sink(sink)
    {
    }

    void write(ResultField field, const std::string& box, double roundedValue)
    {
        m_result.*field = roundedValue;
        m_sink(box, formatResult(roundedValue));
    }

private:
    CheckResult& m_result;
    const ResultSink& m_sink;
};

// Each input box and the field it fills.
const std::array<std::pair<std::string, double DesignInput::*>, 12> inputBoxes = {{
    {"TxtWind", &DesignInput::windPressure},
    {"TxtSpace", &DesignInput::columnSpacing},
    {"TxtDead", &DesignInput::wallWeight},
    {"txtfy", &DesignInput::fy},
    {"TxtF", &DesignInput::f},
    {"TxtFv", &DesignInput::fv},
    {"Txtb", &DesignInput::b},
    {"Txth", &DesignInput::h},
    {"Txttf", &DesignInput::tf},
    {"Txttw", &DesignInput::tw},
    {"TxtHeight", &DesignInput::height},
    {"TxtSSpace", &DesignInput::bracingSpacing},
}};

const std::string boxStressInPlane = "TxtStressx";
const std::string boxStressOutOfPlane = "TxtStressy";
const std::string boxSelfWeight = "TxtDeadweight";
const std::string boxDeflection = "TxtDeflection";
const std::string boxSpanRatio = "TxtRatio";

} // namespace

DesignInput readDesignInput(const std::map<std::string, std::string>& texts, SupportMode supportMode)
{
    DesignInput in;
    for (const auto& [box, field] : inputBoxes)
        in.*field = readBox(texts, box);
    in.supportMode = supportMode;
    return in;
}

std::optional<Fault> checkColumn(const DesignInput& in, CheckResult& result, const ResultSink& sink)
{
    ResultWriter out(result, sink);
    try {
        // epsilon and the web depth are formed as soon as their inputs are read, so a fault in
        // them comes before any fault in reading the later boxes.
        requireInRange({in.windPressure, in.columnSpacing, in.wallWeight, in.fy, in.f, in.fv});
        const double epsilon = materialFactor(in.fy);
        requireInRange({in.b, in.h, in.tf, in.tw});
        const double hw = webDepth(in.h, in.tf);
        requireInRange({in.height, in.bracingSpacing});

        const GrossSection gross = grossSection(in, hw);
        const Actions actions = designActions(in);

        const EffectiveSection eff = effectiveSection(in, gross, epsilon, actions);
        out.write(&CheckResult::stressInPlane, boxStressInPlane, roundHalfHundredths(inPlaneStress(eff, actions)));

        const StabilityFactors stability = stabilityFactors(in, gross, epsilon);
        out.write(&CheckResult::stressOutOfPlane, boxStressOutOfPlane,
                  roundHalfHundredths(outOfPlaneStress(stability, eff, actions)));

        out.write(&CheckResult::selfWeight, boxSelfWeight, roundHalfTenths(selfWeight(in, gross)));
        const double shownDeflection = roundTenthsLow(deflection(in, gross, actions));
        out.write(&CheckResult::deflection, boxDeflection, shownDeflection);
        out.write(&CheckResult::spanRatio, boxSpanRatio, roundTenthsLow(spanRatio(in.height, shownDeflection)));
    } catch (const FaultStop& stop) {
        return stop.fault;
    }
    return std::nullopt;
}

std::optional<Fault> runCalculation(const std::map<std::string, std::string>& texts, int supportMode,
                                    const ResultSink& sink)
{
    CheckResult result;
    return checkColumn(readDesignInput(texts, supportMode), result, sink);
}

} // namespace calc
