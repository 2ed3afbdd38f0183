// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

// A small, fast pseudo-random generator (splitmix64) whose sequence is the same on every
// platform, unlike the standard library's distributions: generated test inputs are the same
// wherever they are generated.

#include <cstdint>

namespace vandrel_test {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed)
        : m_state(seed)
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t m_state;
};

} // namespace vandrel_test
