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

} // namespace

QImage clockImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Drawn on a 32-pixel grid; the 16-pixel icon is the same drawing at half scale.
    p.scale(size / 32.0, size / 32.0);

    // Case: a round-topped head above a narrower pendulum box.
    p.setPen(QPen(maroon, 1));
    p.setBrush(red);
    p.drawRoundedRect(QRect(7, 1, 18, 18), 6, 6);
    p.drawRect(QRect(10, 18, 12, 12));
    // Glass of the pendulum box.
    p.setBrush(maroon);
    p.drawRect(QRect(12, 20, 8, 8));

    // Dial with hands at ten past two.
    p.setPen(QPen(black, 1));
    p.setBrush(white);
    p.drawEllipse(QRect(10, 4, 12, 12));
    p.drawLine(16, 10, 16, 6);
    p.drawLine(16, 10, 19, 9);

    // Pendulum: rod and bob.
    p.drawLine(16, 16, 16, 24);
    p.setBrush(yellow);
    p.drawEllipse(QRect(14, 23, 4, 4));
    return image;
}

QIcon clockIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(clockImage(32)));
    icon.addPixmap(QPixmap::fromImage(clockImage(16)));
    return icon;
}

} // namespace ui
