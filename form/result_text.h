// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>
#include <vector>

// How a result is shown in its box, the same in the window and in the page. A text wider than its
// room is first set in a narrower face, down to `narrowestStretch` per cent of the face's width.
// A result too long even then is shown cut, never as a shorter-looking number: "…" stands where
// characters are hidden, and an exponent stays, so " 1.45994985479547E+201" shows as
// "1.4599…E+201" in a box wide enough for that, and as "1…E+201" in the window's own. The box
// itself keeps the whole text, for selection, copying and assistive tools, and shows it whole on
// hover, focus or tap.
namespace form {

inline constexpr int narrowestStretch = 60;

// The mark where a cut result's characters are hidden: U+2026, in UTF-8.
inline constexpr std::string_view cutMark = "\xE2\x80\xA6";

// The texts a result box may show for `result`, most wanted first: the whole text, then ever
// shorter cut forms, down to the sign with the mark and the exponent, and last the mark alone.
// A front end shows the first of them that fits its box at the narrowest stretch.
std::vector<std::string> resultForms(std::string_view result);

} // namespace form
