// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Prints what one press of "计算" writes into the result boxes of a fresh window: the default
// texts of the window's input boxes, simply supported, through the calculation built for this
// machine; one "box=text" line per result, in the order they are written. The Windows test reads
// the five boxes of the installed program's window and compares them with these lines.
#include "calc/calculation.h"
#include "form/form1_layout.h"

#include <iostream>
#include <map>
#include <string>

int main()
{
    std::map<std::string, std::string> texts;
    for (const form::ControlSpec& control : form::form1Controls) {
        if (control.kind == form::ControlKind::InputBox)
            texts[std::string(control.name)] = std::string(control.caption);
    }
    const auto fault
        = calc::runCalculation(texts, calc::SimplySupported, [](const std::string& box, const std::string& text) {
              std::cout << box << '=' << text << '\n';
          });
    return fault ? 1 : 0;
}
