// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cfloat>
#include <limits>

// Every unit of the calculation includes this header. The results must agree to the last bit on
// every platform, which holds only where each operation on doubles is rounded once, to double:
// no wider registers for intermediate results (x87 code on 32-bit x86 keeps 64-bit mantissas,
// so build there with -msse2 -mfpmath=sse) and no fused multiply-add (-ffp-contract=off).
static_assert(std::numeric_limits<double>::is_iec559, "the calculation needs IEEE binary64 doubles");
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must not be carried out in wider registers");
