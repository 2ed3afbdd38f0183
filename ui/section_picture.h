// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QWidget>

namespace ui {

// The I-section with its axes and the dimensions b, h, tf and tw: 121 × 141 pixels, white ground,
// black lines and letters, pure blue centre lines.
QImage sectionPicture();

// A picture box: a 2-pixel sunken border around the section picture, drawn unscaled. On a
// high-DPI screen every picture pixel becomes a block of device pixels, so it stays sharp.
class SectionPictureBox : public QWidget {
public:
    explicit SectionPictureBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

} // namespace ui
