// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/fault.h"
#include "calc/ieee_double.h"
#include "calc/powers.h"

#include <cmath>
#include <compare>
#include <stdexcept>

namespace calc {

// Thrown by a checked operation; the run catches it and reports the fault.
struct FaultStop {
    Fault fault;
};

// An IEEE double whose every operation stops the run on an arithmetic fault, the way a
// trapping floating-point unit would: no infinity or NaN ever leaves an operation.
//
// Operands of one binary operator are evaluated in an unspecified order, so a formula in
// which both operands could fault in different ways names its left operand first; that
// keeps the reported fault the first one met reading the formula left to right.
class Real {
public:
    Real(double value)
        : m_value(checked(value))
    {
    }

    double value() const { return m_value; }

    friend Real operator+(Real a, Real b) { return a.m_value + b.m_value; }
    friend Real operator-(Real a, Real b) { return a.m_value - b.m_value; }
    friend Real operator*(Real a, Real b) { return a.m_value * b.m_value; }
    friend Real operator/(Real a, Real b)
    {
        // Checked before dividing so that 0/0 counts as a division by zero too.
        if (b.m_value == 0.0)
            throw FaultStop{Fault::DivisionByZero};
        return a.m_value / b.m_value;
    }
    friend Real operator-(Real a) { return -a.m_value; }

    friend bool operator==(Real a, Real b) { return a.m_value == b.m_value; }
    friend std::partial_ordering operator<=>(Real a, Real b) { return a.m_value <=> b.m_value; }

    friend Real sqrt(Real x)
    {
        if (x.m_value < 0.0)
            throw FaultStop{Fault::InvalidArgument};
        return std::sqrt(x.m_value);
    }
    // The powers the formulas use, 2, 3, 4 and 1.5, each correctly rounded so that no result
    // depends on the platform's pow. 0 to any of them is 0.
    friend Real pow(Real base, Real exponent)
    {
        const double x = base.m_value;
        const double n = exponent.m_value;
        if (n == 2)
            return x * x;
        if (n == 3)
            return cube(x);
        if (n == 4)
            return fourthPower(x);
        if (n == 1.5) {
            if (x < 0.0)
                throw FaultStop{Fault::InvalidArgument};
            return threeHalvesPower(x);
        }
        throw std::logic_error("no correctly rounded power for this exponent");
    }
    friend Real floor(Real x) { return std::floor(x.m_value); }
    friend Real abs(Real x) { return std::fabs(x.m_value); }

private:
    static double checked(double value)
    {
        if (std::isnan(value))
            throw FaultStop{Fault::InvalidArgument};
        if (std::isinf(value))
            throw FaultStop{Fault::Overflow};
        return value;
    }

    double m_value;
};

} // namespace calc
