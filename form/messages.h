// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/fault.h"

#include <string>
#include <string_view>

namespace form {

// What the window says when a fault stops a calculation, in a dialog titled with the window's
// caption and closed with "确定".
constexpr std::string_view faultDescription(calc::Fault fault)
{
    switch (fault) {
    case calc::Fault::DivisionByZero:
        return "除数为零";
    case calc::Fault::Overflow:
        return "数值溢出";
    case calc::Fault::InvalidArgument:
        return "无效参数（负数开平方）";
    }
    return {};
}

inline std::string faultMessage(calc::Fault fault)
{
    return "运算错误：" + std::string(faultDescription(fault)) + "。\n计算已停止，此后的结果未更新；请检查输入数据。";
}

inline constexpr std::string_view faultDialogButton = "确定";

} // namespace form
