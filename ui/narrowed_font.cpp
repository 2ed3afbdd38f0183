// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "ui/narrowed_font.h"

#include "form/result_text.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace ui {

// A few texts are wider in the installed faces than in the fonts the layout was drawn with
// ("Vandrel间距", "kN/m^2", a result such as " 1666.6"). Rather than clip them, narrow the face
// until the text fits the width it has; the height of the letters, and so the layout, stays.
QFont narrowedToFit(QFont font, const QString& text, int availableWidth)
{
    font.setStretch(QFont::AnyStretch); // a box that held a longer text starts again from its face
    const int fullAdvance = QFontMetrics(font).horizontalAdvance(text);
    if (fullAdvance <= availableWidth)
        return font;

    // Every stretch tried loads the faces again, the dearest step of the window's start-up, so
    // texts share a few stretches, and the search aims rather than steps: it starts from the
    // proportional guess, and the role's own glyphs narrow with the stretch but glyphs borrowed
    // from a fallback face (the Chinese ones) keep their width, so the advance is close to a
    // straight line through the last two tries. Only measured stretches bound the search: glyph
    // advances are whole pixels, so a short text may fit a little above the guess.
    constexpr int step = 5;
    constexpr int narrowest = form::narrowestStretch;
    const auto onStep = [](double stretch) { return int(std::floor(stretch / step)) * step; };
    int fits = narrowest - step; // widest known to fit
    int tooWide = 100;           // narrowest known to be too wide
    int lastStretch = 100;
    int lastAdvance = fullAdvance;
    int stretch = std::clamp(onStep(100.0 * availableWidth / fullAdvance), narrowest, tooWide - step);
    while (tooWide - fits > step) {
        font.setStretch(stretch);
        const int advance = QFontMetrics(font).horizontalAdvance(text);
        (advance <= availableWidth ? fits : tooWide) = stretch;
        const double slope = double(lastAdvance - advance) / (lastStretch - stretch);
        const int aim = slope > 0 ? onStep(stretch + ((availableWidth - advance) / slope)) : stretch;
        lastStretch = stretch;
        lastAdvance = advance;
        stretch = std::clamp(aim, fits + step, tooWide - step);
    }
    font.setStretch(std::max(fits, narrowest));
    return font;
}

} // namespace ui
