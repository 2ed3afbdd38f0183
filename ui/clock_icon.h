// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QIcon>
#include <QImage>

namespace ui {

// The window icon: a red pendulum wall clock on a transparent ground, in the 16-colour palette,
// drawn for 16 and 32 pixels and enlarged pixel by pixel for other sizes.
QImage clockImage(int size);

// Both sizes together.
QIcon clockIcon();

} // namespace ui
