#pragma once

#include <QIcon>
#include <QImage>

namespace ui {

// The window icon: a red pendulum wall clock on a transparent ground, in the 16-colour palette,
// at `size` 32 or 16 pixels.
QImage clockImage(int size);

// Both sizes together.
QIcon clockIcon();

} // namespace ui
