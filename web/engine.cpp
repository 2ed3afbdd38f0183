// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// The page's way into the calculation and the window's description: a few C functions that take
// and give UTF-8 strings (JSON where there is structure) and the picture's pixels. page.js wraps
// them; nothing here knows of the page.
#include "calc/calculation.h"
#include "form/form1_layout.h"
#include "form/messages.h"
#include "form/result_text.h"
#include "form/section_picture.h"
#include "form/twips.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A JSON string: the text in quotes, with what JSON cannot hold as it is escaped.
std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            static constexpr char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string_view kindName(form::ControlKind kind)
{
    switch (kind) {
    case form::ControlKind::GroupBox:
        return "GroupBox";
    case form::ControlKind::Label:
        return "Label";
    case form::ControlKind::InputBox:
        return "InputBox";
    case form::ControlKind::ResultBox:
        return "ResultBox";
    case form::ControlKind::OptionButton:
        return "OptionButton";
    case form::ControlKind::PushButton:
        return "PushButton";
    case form::ControlKind::Picture:
        return "Picture";
    }
    return "";
}

std::string fontJson(form::FontRole role)
{
    const form::FontSpec spec = form::fontSpec(role);
    if (spec.families.empty())
        return "null";
    std::string families;
    for (const std::string_view family : spec.families)
        families += (families.empty() ? "" : ",") + quoted(family);
    return "{\"families\":[" + families + "],\"pixelSize\":" + std::to_string(spec.pixelSize)
           + ",\"serif\":" + (spec.serif ? "true" : "false") + ",\"smooth\":" + (spec.smooth ? "true" : "false") + "}";
}

std::string rectJson(int left, int top, int width, int height)
{
    return "[" + std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(width) + ","
           + std::to_string(height) + "]";
}

std::string formJson()
{
    std::string controls;
    for (const form::ControlSpec& c : form::form1Controls) {
        const form::PixelRect px = form::toPixels(c.rect);
        controls += std::string(controls.empty() ? "" : ",") + "{\"name\":" + quoted(c.name)
                    + ",\"kind\":" + quoted(kindName(c.kind)) + ",\"container\":" + quoted(c.container)
                    + ",\"caption\":" + quoted(c.caption)
                    + ",\"twips\":" + rectJson(c.rect.left, c.rect.top, c.rect.width, c.rect.height) + ",\"rect\":"
                    + rectJson(px.left, px.top, px.width, px.height) + ",\"tabOrder\":" + std::to_string(c.tabOrder)
                    + ",\"font\":" + fontJson(c.font) + ",\"accessibleName\":" + quoted(c.accessibleName) + "}";
    }
    return "{\"title\":" + quoted(form::windowTitle)
           + ",\"width\":" + std::to_string(form::twipsToPixels(form::windowWidth))
           + ",\"height\":" + std::to_string(form::twipsToPixels(form::windowHeight))
           + ",\"faultButton\":" + quoted(form::faultDialogButton)
           + ",\"narrowest\":" + std::to_string(form::narrowestStretch) + ",\"controls\":[" + controls + "]}";
}

std::string_view faultName(calc::Fault fault)
{
    switch (fault) {
    case calc::Fault::DivisionByZero:
        return "DivisionByZero";
    case calc::Fault::Overflow:
        return "Overflow";
    case calc::Fault::InvalidArgument:
        return "InvalidArgument";
    }
    return "";
}

// What the last call handed back; valid until the next call of the same function.
std::string formText;
std::string runText;
form::Pixels picture;
std::vector<std::uint8_t> pictureRgba;

} // namespace

extern "C" {

// The window's description: title, client size in pixels, and every control of the table.
EMSCRIPTEN_KEEPALIVE const char* vandrel_form()
{
    if (formText.empty())
        formText = formJson();
    return formText.c_str();
}

// One press of "计算": the support mode and the texts of the input boxes, in the order the table
// lists them. Returns {"written":[[box,text,[form,…]],…],"fault":null} or, when a fault stopped
// the run, "fault":{"kind":…,"message":…}; the forms are what the box may show of its text, most
// wanted first (form/result_text.h).
EMSCRIPTEN_KEEPALIVE const char* vandrel_run(int supportMode, const char* const* inputTexts)
{
    std::map<std::string, std::string> texts;
    std::size_t next = 0;
    for (const form::ControlSpec& c : form::form1Controls)
        if (c.kind == form::ControlKind::InputBox)
            texts[std::string(c.name)] = inputTexts[next++];
    std::string written;
    const auto fault = calc::runCalculation(texts, supportMode, [&](const std::string& box, const std::string& text) {
        std::string forms;
        for (const std::string& shown : form::resultForms(text))
            forms += (forms.empty() ? "" : ",") + quoted(shown);
        written += (written.empty() ? "[" : ",[") + quoted(box) + "," + quoted(text) + ",[" + forms + "]]";
    });
    runText = "{\"written\":[" + written + "],\"fault\":"
              + (fault ? "{\"kind\":" + quoted(faultName(*fault)) + ",\"message\":" + quoted(form::faultMessage(*fault))
                             + "}"
                       : std::string("null"))
              + "}";
    return runText.c_str();
}

// The section picture for `scale` device pixels to a pixel, as RGBA bytes for a canvas; its size
// through the two calls below.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* vandrel_picture(double scale)
{
    picture = form::sectionPicture(scale);
    pictureRgba.resize(picture.rgb.size() * 4);
    for (std::size_t i = 0; i < picture.rgb.size(); ++i) {
        const std::uint32_t p = picture.rgb[i];
        pictureRgba[(4 * i) + 0] = static_cast<std::uint8_t>(p >> 16);
        pictureRgba[(4 * i) + 1] = static_cast<std::uint8_t>(p >> 8);
        pictureRgba[(4 * i) + 2] = static_cast<std::uint8_t>(p);
        pictureRgba[(4 * i) + 3] = 0xFF;
    }
    return pictureRgba.data();
}

EMSCRIPTEN_KEEPALIVE int vandrel_picture_width()
{
    return picture.width;
}

EMSCRIPTEN_KEEPALIVE int vandrel_picture_height()
{
    return picture.height;
}

} // extern "C"
