// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "form/form1_layout.h"

namespace form {

// 15 twips to a logical pixel, rounded to the nearest pixel; the front end maps logical pixels to
// the screen (Qt's high-DPI scaling, the browser's CSS pixels), so the layout keeps its
// proportions everywhere.
constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

struct PixelRect {
    int left, top, width, height;
};

constexpr PixelRect toPixels(const TwipRect& r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

} // namespace form
