// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "form/result_text.h"

namespace form {

std::vector<std::string> resultForms(std::string_view result)
{
    std::vector<std::string> forms{std::string(result)};
    if (result.size() < 2)
        return forms;
    // A positive result's leading blank is only the place of a sign: a cut form, short of room,
    // leaves it out; a minus stays.
    const std::string_view sign = result.front() == '-' ? "-" : "";
    const std::string_view body = result.substr(1);
    const std::size_t e = body.find('E');
    const std::string_view mantissa = body.substr(0, e);
    const std::string_view exponent = e == std::string_view::npos ? std::string_view() : body.substr(e);
    for (std::size_t kept = mantissa.size(); kept-- > 1;) {
        const std::string_view shown = mantissa.substr(0, kept);
        if (shown.back() == '.') // "5414370170.…" says no more than "5414370170…"
            continue;
        forms.push_back(std::string(sign).append(shown).append(cutMark).append(exponent));
    }
    // Short of room for even one digit: the sign and the exponent, which still tell the order of
    // magnitude; and last the mark alone, which any box holds.
    if (!exponent.empty())
        forms.push_back(std::string(sign).append(cutMark).append(exponent));
    forms.emplace_back(cutMark);
    return forms;
}

} // namespace form
