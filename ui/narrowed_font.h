// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QString>

namespace ui {

// `font` set narrower, its letters keeping their height, until `text` fits `availableWidth`
// pixels: the widest stretch, in steps of five down to the narrowest (form/result_text.h), at
// which it fits; the narrowest where none does. A text that fits the face keeps it unstretched.
QFont narrowedToFit(QFont font, const QString& text, int availableWidth);

} // namespace ui
