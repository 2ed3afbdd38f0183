// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "ui/clock_icon.h"

#include <QPainter>

namespace ui {

namespace {

// Colours of the classic 16-colour palette.
const QColor red(255, 0, 0);
const QColor maroon(128, 0, 0);
const QColor yellow(255, 255, 0);
const QColor black(0, 0, 0);
const QColor white(255, 255, 255);

// Where the parts of the clock stand on an icon's pixel grid.
struct ClockDrawing {
    int size;
    QRect head; // round-topped case around the dial
    int headRadius;
    QRect box;   // pendulum box under the head
    QRect glass; // its dark window
    QRect dial;
    QLine hourHand, minuteHand;
    QLine rod;
    QRect bob;
};

// Drawn on a 32-pixel grid, and again on a 16-pixel one: halving the large clock would blur it.
constexpr ClockDrawing largeClock{32,
                                  {7, 1, 18, 18},
                                  6,
                                  {10, 18, 12, 12},
                                  {12, 20, 8, 8},
                                  {10, 4, 12, 12},
                                  {16, 10, 16, 6},
                                  {16, 10, 19, 10},
                                  {16, 16, 16, 24},
                                  {14, 23, 4, 4}};
constexpr ClockDrawing smallClock{
    16,           {3, 0, 9, 9}, 3, {5, 8, 5, 7}, {6, 9, 3, 5}, {5, 2, 5, 5}, {7, 4, 7, 3}, {7, 4, 8, 4}, {7, 7, 7, 11},
    {7, 12, 1, 1}};

QImage draw(const ClockDrawing& clock)
{
    QImage image(clock.size, clock.size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);

    p.setPen(maroon);
    p.setBrush(red);
    p.drawRoundedRect(clock.head, clock.headRadius, clock.headRadius);
    p.drawRect(clock.box);
    p.setBrush(maroon);
    p.drawRect(clock.glass);

    // Dial with hands at three o'clock, and the pendulum's rod.
    p.setPen(black);
    p.setBrush(white);
    p.drawEllipse(clock.dial);
    p.drawLine(clock.hourHand);
    p.drawLine(clock.minuteHand);
    p.drawLine(clock.rod);

    p.setPen(yellow);
    p.setBrush(yellow);
    p.drawEllipse(clock.bob);
    return image;
}

} // namespace

QImage clockImage(int size)
{
    if (size == 16)
        return draw(smallClock);
    const QImage image = draw(largeClock);
    // Larger sizes repeat pixels, so the icon keeps its palette and hard edges.
    return size == 32 ? image : image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QIcon clockIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(clockImage(32)));
    icon.addPixmap(QPixmap::fromImage(clockImage(16)));
    return icon;
}

} // namespace ui
