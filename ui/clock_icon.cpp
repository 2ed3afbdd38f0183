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

// The clock on a 32-pixel grid.
QImage largeClock()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);

    // Case: a round-topped head above a narrower pendulum box.
    p.setPen(maroon);
    p.setBrush(red);
    p.drawRoundedRect(QRect(7, 1, 18, 18), 6, 6);
    p.drawRect(QRect(10, 18, 12, 12));
    // Glass of the pendulum box.
    p.setBrush(maroon);
    p.drawRect(QRect(12, 20, 8, 8));

    // Dial with hands at three o'clock.
    p.setPen(black);
    p.setBrush(white);
    p.drawEllipse(QRect(10, 4, 12, 12));
    p.drawLine(16, 10, 16, 6);
    p.drawLine(16, 10, 19, 10);

    // Pendulum: rod and bob.
    p.drawLine(16, 16, 16, 24);
    p.setBrush(yellow);
    p.drawEllipse(QRect(14, 23, 4, 4));
    return image;
}

// The same clock drawn again on a 16-pixel grid: halving the large one would blur it.
QImage smallClock()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);

    p.setPen(maroon);
    p.setBrush(red);
    p.drawRoundedRect(QRect(3, 0, 9, 9), 3, 3);
    p.drawRect(QRect(5, 8, 5, 7));
    p.setBrush(maroon);
    p.drawRect(QRect(6, 9, 3, 5));

    p.setPen(black);
    p.setBrush(white);
    p.drawEllipse(QRect(5, 2, 5, 5));
    p.drawLine(7, 4, 7, 3);
    p.drawLine(7, 4, 8, 4);

    p.drawLine(7, 7, 7, 11);
    p.setPen(yellow);
    p.setBrush(yellow);
    p.drawRect(QRect(7, 12, 1, 1));
    return image;
}

} // namespace

QImage clockImage(int size)
{
    if (size == 16)
        return smallClock();
    const QImage image = largeClock();
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
