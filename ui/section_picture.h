// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QWidget>

namespace ui {

// The section picture (form/section_picture.h) for a screen of `scale` device pixels to a pixel.
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
