// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "ui/section_picture.h"

#include "form/section_picture.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cstring>

namespace ui {

QImage sectionPicture(qreal scale)
{
    const form::Pixels pixels = form::sectionPicture(scale);
    QImage image(pixels.width, pixels.height, QImage::Format_RGB32);
    for (int y = 0; y < pixels.height; ++y)
        std::memcpy(image.scanLine(y), pixels.rgb.data() + (static_cast<std::size_t>(y) * pixels.width),
                    static_cast<std::size_t>(pixels.width) * sizeof(std::uint32_t));
    return image;
}

SectionPictureBox::SectionPictureBox(QWidget* parent)
    : QWidget(parent)
{
}

void SectionPictureBox::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    // Painted in device pixels, the box's edges rounded to the nearest: at 125 % the box starts
    // and ends between two device pixels, and a logical pixel is no whole number of them.
    const QTransform toDevice = painter.deviceTransform();
    const qreal scale = toDevice.m11();
    const QRectF exact = toDevice.mapRect(QRectF(rect()));
    const QRect box(QPoint(qRound(exact.left()), qRound(exact.top())),
                    QPoint(qRound(exact.right()) - 1, qRound(exact.bottom()) - 1));
    painter.setWorldTransform(toDevice.inverted());
    if (m_picture.isNull() || m_pictureScale != scale) {
        m_picture = sectionPicture(scale);
        m_pictureScale = scale;
    }

    // Sunken border of two lines, each a whole number of device pixels wide: dark above and to
    // the left, light below and to the right.
    const int line = std::max(1, qFloor(scale));
    const QPalette& pal = palette();
    const auto band = [&](int x, int y, int w, int h, const QBrush& brush) { painter.fillRect(x, y, w, h, brush); };
    const int l = box.left(), t = box.top(), r = box.right() + 1, b = box.bottom() + 1;
    band(l, t, box.width(), line, pal.dark());
    band(l, t, line, box.height(), pal.dark());
    band(l + line, t + line, box.width() - (2 * line), line, pal.shadow());
    band(l + line, t + line, line, box.height() - (2 * line), pal.shadow());
    band(l, b - line, box.width(), line, pal.light());
    band(r - line, t, line, box.height(), pal.light());
    band(l + line, b - (2 * line), box.width() - (2 * line), line, pal.midlight());
    band(r - (2 * line), t + line, line, box.height() - (2 * line), pal.midlight());

    // The picture at the top left of the inside; whatever the rounding leaves over is its ground.
    const QRect inside = box.adjusted(2 * line, 2 * line, -2 * line, -2 * line);
    painter.setClipRect(inside, Qt::IntersectClip);
    painter.fillRect(inside, Qt::white);
    painter.drawImage(inside.topLeft(), m_picture);
}

} // namespace ui
