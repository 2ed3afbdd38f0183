// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "ui/section_picture.h"

#include <QPainter>

#include <array>
#include <cstdlib>
#include <string_view>

namespace ui {

namespace {

constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb black = qRgb(0, 0, 0);
constexpr QRgb blue = qRgb(0, 0, 255);

// Letters of 5 × 7 pixels, '#' inked.
struct Glyph {
    char letter;
    std::array<std::string_view, 7> rows;
};

constexpr std::array glyphs = {
    Glyph{'b', {"#....", "#....", "####.", "#...#", "#...#", "#...#", "####."}},
    Glyph{'h', {"#....", "#....", "####.", "#...#", "#...#", "#...#", "#...#"}},
    Glyph{'t', {".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."}},
    Glyph{'f', {"..##.", ".#..#", ".#...", "####.", ".#...", ".#...", ".#..."}},
    Glyph{'w', {".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."}},
    Glyph{'x', {".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"}},
    Glyph{'y', {".....", "#...#", "#...#", ".#.#.", "..#..", "..#..", ".#..."}},
};

constexpr int glyphWidth = 5;
constexpr int glyphHeight = 7;

const Glyph& glyphFor(char letter)
{
    for (const Glyph& g : glyphs)
        if (g.letter == letter)
            return g;
    std::abort(); // only the letters above are ever drawn
}

class PixelCanvas {
public:
    explicit PixelCanvas(QImage& image)
        : m_image(image)
    {
    }

    void set(int x, int y, QRgb colour) { m_image.setPixel(x, y, colour); }

    void horizontal(int x1, int x2, int y, QRgb colour = black)
    {
        for (int x = x1; x <= x2; ++x)
            set(x, y, colour);
    }
    void vertical(int x, int y1, int y2, QRgb colour = black)
    {
        for (int y = y1; y <= y2; ++y)
            set(x, y, colour);
    }
    void outline(int x1, int y1, int x2, int y2)
    {
        horizontal(x1, x2, y1);
        horizontal(x1, x2, y2);
        vertical(x1, y1, y2);
        vertical(x2, y1, y2);
    }

    // A straight arrow along x or y from its tail to the point of its head; the head is a
    // two-step wedge.
    void arrow(QPoint tail, QPoint head)
    {
        const QPoint step((head.x() > tail.x()) - (head.x() < tail.x()), (head.y() > tail.y()) - (head.y() < tail.y()));
        const QPoint across(step.y(), step.x());
        for (QPoint p = tail; p != head; p += step)
            set(p.x(), p.y(), black);
        set(head.x(), head.y(), black);
        for (int k = 1; k <= 2; ++k)
            for (int side = -k; side <= k; ++side) {
                const QPoint p = head - k * step + side * across;
                set(p.x(), p.y(), black);
            }
    }

    // Upright text with its top-left corner at (x, y).
    void text(int x, int y, std::string_view letters)
    {
        for (const char letter : letters) {
            const Glyph& g = glyphFor(letter);
            for (int row = 0; row < glyphHeight; ++row)
                for (int col = 0; col < glyphWidth; ++col)
                    if (g.rows[row][col] == '#')
                        set(x + col, y + row, black);
            x += glyphWidth + 1;
        }
    }

    // Text turned a quarter turn anticlockwise, reading upwards, with its top-left corner at (x, y).
    void sidewaysText(int x, int y, std::string_view letters)
    {
        const int length = (static_cast<int>(letters.size()) * (glyphWidth + 1)) - 1;
        int along = 0;
        for (const char letter : letters) {
            const Glyph& g = glyphFor(letter);
            for (int row = 0; row < glyphHeight; ++row)
                for (int col = 0; col < glyphWidth; ++col)
                    if (g.rows[row][col] == '#')
                        set(x + row, y + length - 1 - (along + col), black);
            along += glyphWidth + 1;
        }
    }

private:
    QImage& m_image;
};

// Dash-dot centre line pattern, symmetric about the section's centre: a dash of 7, a gap of 2, a
// dot, a gap of 2, and again.
bool centreLineInked(int distanceFromCentre)
{
    const int p = std::abs(distanceFromCentre) % 12;
    return p <= 3 || p >= 9 || p == 6;
}

} // namespace

QImage sectionPicture()
{
    QImage image(121, 141, QImage::Format_RGB32);
    image.fill(white);
    PixelCanvas canvas(image);

    constexpr int centreX = 53;
    constexpr int centreY = 67;

    // Centre lines first, so that the section's outline is drawn over them. The y-y axis runs
    // solid through the section and dash-dot beyond it.
    for (int y = 10; y <= 135; ++y)
        if ((y >= 27 && y <= 107) || centreLineInked(y - centreY))
            canvas.set(centreX, y, blue);
    for (int x = 10; x <= 99; ++x)
        if (centreLineInked(x - centreX))
            canvas.set(x, centreY, blue);
    canvas.text(56, 8, "y");
    canvas.text(56, 129, "y");
    canvas.text(10, 58, "x");
    canvas.text(95, 58, "x");

    // Flanges and web.
    canvas.outline(14, 27, 92, 32);
    canvas.outline(14, 102, 92, 107);
    canvas.vertical(52, 33, 101);
    canvas.vertical(54, 33, 101);

    // h: overall depth, to the right of the section.
    canvas.vertical(107, 27, 107);
    canvas.horizontal(104, 110, 27);
    canvas.horizontal(104, 110, 107);
    canvas.sidewaysText(109, 65, "h");

    // b: flange width, under the section.
    canvas.horizontal(14, 92, 117);
    canvas.vertical(14, 114, 120);
    canvas.vertical(92, 114, 120);
    canvas.text(56, 120, "b");

    // tw: two arrows pointing at the web from both sides, just above the x axis.
    canvas.arrow({44, 62}, {51, 62});
    canvas.arrow({62, 62}, {55, 62});
    canvas.text(64, 56, "tw");

    // tf: across the bottom flange near its left end, arrows meeting the flange's faces.
    canvas.arrow({22, 95}, {22, 101});
    canvas.arrow({22, 114}, {22, 108});
    canvas.sidewaysText(19, 83, "tf");

    return image;
}

SectionPictureBox::SectionPictureBox(QWidget* parent)
    : QWidget(parent)
    , m_picture(sectionPicture())
{
}

void SectionPictureBox::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    // Sunken border: dark above and to the left, light below and to the right.
    const QPalette& pal = palette();
    painter.fillRect(0, 0, w, 1, pal.dark());
    painter.fillRect(0, 0, 1, h, pal.dark());
    painter.fillRect(1, 1, w - 2, 1, pal.shadow());
    painter.fillRect(1, 1, 1, h - 2, pal.shadow());
    painter.fillRect(0, h - 1, w, 1, pal.light());
    painter.fillRect(w - 1, 0, 1, h, pal.light());
    painter.fillRect(1, h - 2, w - 2, 1, pal.midlight());
    painter.fillRect(w - 2, 1, 1, h - 2, pal.midlight());
    // Unscaled at one device pixel per pixel; on a denser screen each pixel a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(2, 2, m_picture.width(), m_picture.height()), m_picture);
}

} // namespace ui
