// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <bit>
#include <cfloat>
#include <limits>

// Every unit of the calculation includes this header. The results must agree to the last bit on
// every platform, which holds only where each operation on doubles is rounded once, to double:
// no wider registers for intermediate results (x87 code on 32-bit x86 keeps 64-bit mantissas,
// so build there with -msse2 -mfpmath=sse) and no fused multiply-add (-ffp-contract=off).
static_assert(std::numeric_limits<double>::is_iec559, "the calculation needs IEEE binary64 doubles");
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must not be carried out in wider registers");

namespace calc {

// The bits of a double and back: std::bit_cast where the standard library has it; the compiler's
// builtin, which std::bit_cast is made of, where it does not (the WebAssembly build's libc++).
template <typename To, typename From>
constexpr To bitCast(const From& from) noexcept
{
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<To>(from);
#else
    return __builtin_bit_cast(To, from);
#endif
}

} // namespace calc
