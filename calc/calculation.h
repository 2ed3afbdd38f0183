// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/design_input.h"
#include "calc/fault.h"
#include "calc/value_text.h"

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace calc {

// The five results, rounded as displayed, in the order a run produces them. A run stopped by
// a fault has filled only the ones before the fault.
struct CheckResult {
    std::optional<double> stressInPlane;    // "面内" [MPa]
    std::optional<double> stressOutOfPlane; // "面外" [MPa]
    std::optional<double> selfWeight;       // [kg]
    std::optional<double> deflection;       // [mm]
    std::optional<double> spanRatio;        // height / deflection [-]
};

// Receives a result box name and the text to put into it.
using ResultSink = std::function<void(const std::string& box, const std::string& text)>;

// Reads the twelve input texts, keyed by box name (TxtWind … TxtSSpace); a missing box reads as empty.
DesignInput readDesignInput(const std::map<std::string, std::string>& texts, SupportMode supportMode);

// Runs the whole check on read input. Each result is stored in `result` and handed to `sink` as
// soon as it is known: TxtStressx, TxtStressy, TxtDeadweight, TxtDeflection, TxtRatio. Returns
// the fault that stopped the run, if any; results handed over before it stand.
std::optional<Fault> checkColumn(const DesignInput& input, CheckResult& result, const ResultSink& sink);

// One press of the calculate button: readDesignInput, then checkColumn.
std::optional<Fault> runCalculation(const std::map<std::string, std::string>& texts, int supportMode,
                                    const ResultSink& sink);

} // namespace calc
