// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QWidget>

namespace ui {

// The I-section with its axes and the dimensions b, h, tf and tw: 121 × 141 pixels, white ground,
// black lines and letters, pure blue centre lines. For a screen of `scale` device pixels to a
// pixel, the same drawing on that screen's grid: the bitmap enlarged pixel by pixel at whole
// scales, and at fractional ones lines of one whole width and letters of whole-pixel dots.
QImage sectionPicture(qreal scale = 1.0);

// A picture box: a 2-pixel sunken border around the section picture, drawn unscaled, and on a
// high-DPI screen drawn afresh for the screen's own pixels, so that it stays sharp.
class SectionPictureBox : public QWidget {
public:
    explicit SectionPictureBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture for the scale last painted at.
    QImage m_picture;
    qreal m_pictureScale = 0;
};

} // namespace ui
