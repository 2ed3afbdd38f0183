// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

namespace calc {

// The arithmetic faults that stop a calculation run where they happen.
enum class Fault { DivisionByZero, Overflow, InvalidArgument };

} // namespace calc
