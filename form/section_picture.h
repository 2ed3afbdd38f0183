// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <vector>

namespace form {

// An image of opaque pixels, row by row from the top left, each 0xFFRRGGBB.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;
};

// The picture box's picture, 121 × 141 pixels at scale 1.
inline constexpr int sectionPictureWidth = 121;
inline constexpr int sectionPictureHeight = 141;

// The I-section with its axes and the dimensions b, h, tf and tw: white ground, black lines and
// letters, pure blue centre lines. For a screen of `scale` device pixels to a pixel, the same
// drawing on that screen's grid: the bitmap enlarged pixel by pixel at whole scales, and at
// fractional ones lines of one whole width and letters of whole-pixel dots.
Pixels sectionPicture(double scale = 1.0);

} // namespace form
