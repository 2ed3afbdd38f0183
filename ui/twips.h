// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/form1_layout.h"

#include <QRect>

namespace ui {

// 15 twips to a logical pixel, rounded to the nearest pixel; Qt's high-DPI scaling maps logical
// pixels to the screen, so the layout keeps its proportions everywhere.
constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

inline QRect toPixels(const TwipRect& r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

} // namespace ui
