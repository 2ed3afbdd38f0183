// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "ui/section_picture.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace ui {

namespace {

constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb black = qRgb(0, 0, 0);
constexpr QRgb blue = qRgb(0, 0, 255);

constexpr QSize pictureSize(121, 141);

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
constexpr int glyphAdvance = glyphWidth + 1;

const Glyph& glyphFor(char letter)
{
    for (const Glyph& g : glyphs)
        if (g.letter == letter)
            return g;
    std::abort(); // only the letters above are ever drawn
}

// The picture, in its own pixels. Lines are one pixel wide and include both end pixels; each is
// either an edge of the section or a thin line of the drawing (dimension lines, their end marks
// and arrows, centre lines), which a denser screen draws thinner than the section's edges.

enum class Pen { Edge, Thin };

struct Line {
    QPoint from, to; // along x or along y
    Pen pen;
};

// An arrow along x or y whose point touches the section's edge line just beyond `head`; its head
// is a wedge two steps deep.
struct Arrow {
    QPoint tail, head;
};

struct Label {
    QPoint topLeft;
    std::string_view letters;
    bool sideways; // turned a quarter turn anticlockwise, reading upwards
};

// A blue centre line, dash-dot but solid between `solidFrom` and `solidTo` (an empty span for
// none). The pattern is symmetric about the section's centre: a dash of 7, a gap of 2, a dot, a
// gap of 2, and again.
struct CentreLine {
    QPoint from, to;
    int centre;
    int solidFrom, solidTo;

    bool inked(int along) const
    {
        const int p = std::abs(along - centre) % 12;
        return (along >= solidFrom && along <= solidTo) || p <= 3 || p >= 9 || p == 6;
    }
};

constexpr int centreX = 53;
constexpr int centreY = 67;

// The y-y axis runs solid through the section and dash-dot beyond it; x-x is dash-dot throughout.
constexpr std::array centreLines = {
    CentreLine{{centreX, 10}, {centreX, 135}, centreY, 27, 107},
    CentreLine{{10, centreY}, {99, centreY}, centreX, 0, -1},
};

constexpr std::array lines = {
    // Flanges, outlined, 14 to 92 wide and 6 pixels deep.
    Line{{14, 27}, {92, 27}, Pen::Edge},
    Line{{14, 32}, {92, 32}, Pen::Edge},
    Line{{14, 27}, {14, 32}, Pen::Edge},
    Line{{92, 27}, {92, 32}, Pen::Edge},
    Line{{14, 102}, {92, 102}, Pen::Edge},
    Line{{14, 107}, {92, 107}, Pen::Edge},
    Line{{14, 102}, {14, 107}, Pen::Edge},
    Line{{92, 102}, {92, 107}, Pen::Edge},
    // Web: from flange line to flange line, so that it meets them at every scale.
    Line{{52, 32}, {52, 102}, Pen::Edge},
    Line{{54, 32}, {54, 102}, Pen::Edge},
    // h: overall depth, to the right of the section.
    Line{{107, 27}, {107, 107}, Pen::Thin},
    Line{{104, 27}, {110, 27}, Pen::Thin},
    Line{{104, 107}, {110, 107}, Pen::Thin},
    // b: flange width, under the section.
    Line{{14, 117}, {92, 117}, Pen::Thin},
    Line{{14, 114}, {14, 120}, Pen::Thin},
    Line{{92, 114}, {92, 120}, Pen::Thin},
};

constexpr std::array arrows = {
    // tw: at the web from both sides, just above the x axis.
    Arrow{{44, 62}, {51, 62}},
    Arrow{{62, 62}, {55, 62}},
    // tf: across the bottom flange near its left end, meeting the flange's faces.
    Arrow{{22, 95}, {22, 101}},
    Arrow{{22, 114}, {22, 108}},
};

constexpr std::array labels = {
    Label{{56, 8}, "y", false},   Label{{56, 129}, "y", false}, Label{{10, 58}, "x", false},
    Label{{95, 58}, "x", false},  Label{{109, 65}, "h", true},  Label{{56, 120}, "b", false},
    Label{{64, 56}, "tw", false}, Label{{19, 83}, "tf", true},
};

// Draws the picture for a screen of `scale` device pixels to a picture pixel. A picture pixel
// is a whole number of device pixels only at whole scales; in between, scaling the bitmap gives
// some lines one device pixel and others two, and thins small letters to specks. So every line
// is drawn as a band of whole device pixels, the same width along its length and for every line
// of its pen, placed where the grid comes closest to the line's true centre; letters and
// arrowheads are drawn dot by dot, each dot a square of whole device pixels. At scale 1 this is
// the bitmap itself, and at whole scales the bitmap enlarged pixel by pixel.
class Canvas {
public:
    explicit Canvas(qreal scale)
        : m_scale(scale)
        , m_image(qCeil(pictureSize.width() * scale), qCeil(pictureSize.height() * scale), QImage::Format_RGB32)
        // The section's edges as near the scale as a whole width comes; the thin lines never
        // wider than the scale, or the web's two edges and the centre line between them, three
        // pixels side by side, would not fit their room at 1.5 or 1.75.
        , m_edgeWidth(std::max(1, qRound(scale)))
        , m_thinWidth(std::max(1, qFloor(scale)))
        // Letter dots round halfway cases down: a letter larger than its room crowds the lines
        // beside it, which are one or two pixels away.
        , m_dot(std::max(1, qCeil(scale - 0.5)))
    {
        m_image.fill(white);
    }

    QImage image() const { return m_image; }

    void draw(const CentreLine& centreLine)
    {
        const bool vertical = centreLine.from.x() == centreLine.to.x();
        const int first = vertical ? centreLine.from.y() : centreLine.from.x();
        const int last = vertical ? centreLine.to.y() : centreLine.to.x();
        const int across = vertical ? centreLine.from.x() : centreLine.from.y();
        // Each dash and dot drawn as a line of its own.
        for (int along = first; along <= last; ++along) {
            if (!centreLine.inked(along))
                continue;
            int end = along;
            while (end < last && centreLine.inked(end + 1))
                ++end;
            const QPoint a = vertical ? QPoint(across, along) : QPoint(along, across);
            const QPoint b = vertical ? QPoint(across, end) : QPoint(end, across);
            draw(Line{a, b, Pen::Thin}, blue);
            along = end;
        }
    }

    void draw(const Line& line, QRgb colour = black)
    {
        const int w = width(line.pen);
        const int x1 = start(std::min(line.from.x(), line.to.x()), w);
        const int x2 = start(std::max(line.from.x(), line.to.x()), w) + w;
        const int y1 = start(std::min(line.from.y(), line.to.y()), w);
        const int y2 = start(std::max(line.from.y(), line.to.y()), w) + w;
        fill(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), colour);
    }

    void draw(const Arrow& arrow)
    {
        const bool vertical = arrow.tail.x() == arrow.head.x();
        const auto along = [vertical](QPoint p) { return vertical ? p.y() : p.x(); };
        const int direction = along(arrow.head) > along(arrow.tail) ? 1 : -1;
        const int w = m_thinWidth;
        const int across = start(vertical ? arrow.tail.x() : arrow.tail.y(), w);
        // The point meets the edge line beyond the head, whatever the rounding of either.
        const int edge = start(along(arrow.head) + direction, m_edgeWidth);
        const int point = direction > 0 ? edge : edge + m_edgeWidth; // device edge of the point
        const int tail = start(along(arrow.tail), w);
        // A band of device pixels from `a` to `b` along the arrow (either order, `b` excluded
        // when beyond `a`), `halfWidth` either side of the shaft.
        const auto band = [&](int a, int b, int halfWidth) {
            const QPoint first(std::min(a, b), across - halfWidth);
            const QPoint last(std::max(a, b) - 1, across + w - 1 + halfWidth);
            fill(vertical ? QRect(first.transposed(), last.transposed()) : QRect(first, last), black);
        };
        band(direction > 0 ? tail : tail + w, point, 0);
        for (int step = 0; step <= 2; ++step)
            band(point - (direction * step * m_dot), point - (direction * (step + 1) * m_dot), step * m_dot);
    }

    void draw(const Label& label)
    {
        const int length = (static_cast<int>(label.letters.size()) * glyphAdvance) - 1;
        const QSize dots = label.sideways ? QSize(glyphHeight, length) : QSize(length, glyphHeight);
        // Centred where the letters stand in the picture.
        const QPoint corner(
            qRound(((label.topLeft.x() + dots.width() / 2.0) * m_scale) - (dots.width() * m_dot / 2.0)),
            qRound(((label.topLeft.y() + dots.height() / 2.0) * m_scale) - (dots.height() * m_dot / 2.0)));
        int along = 0;
        for (const char letter : label.letters) {
            const Glyph& g = glyphFor(letter);
            for (int row = 0; row < glyphHeight; ++row)
                for (int col = 0; col < glyphWidth; ++col) {
                    if (g.rows[row][col] != '#')
                        continue;
                    const QPoint dot
                        = label.sideways ? QPoint(row, length - 1 - (along + col)) : QPoint(along + col, row);
                    fill(QRect(corner + dot * m_dot, QSize(m_dot, m_dot)), black);
                }
            along += glyphAdvance;
        }
    }

private:
    int width(Pen pen) const { return pen == Pen::Edge ? m_edgeWidth : m_thinWidth; }

    // First device pixel of a band `w` wide that stands for picture row or column `c`: centred
    // on the picture pixel's centre, rounding halfway cases down and to the right.
    int start(int c, int w) const { return qFloor(((c + 0.5) * m_scale) - (w / 2.0) + 0.5); }

    void fill(const QRect& r, QRgb colour)
    {
        const QRect inside = r & m_image.rect();
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                m_image.setPixel(x, y, colour);
    }

    qreal m_scale;
    QImage m_image;
    int m_edgeWidth;
    int m_thinWidth;
    int m_dot;
};

} // namespace

QImage sectionPicture(qreal scale)
{
    Canvas canvas(scale);
    // Centre lines first, so that the section's edges are drawn over them.
    for (const CentreLine& centreLine : centreLines)
        canvas.draw(centreLine);
    for (const Line& line : lines)
        canvas.draw(line);
    for (const Arrow& arrow : arrows)
        canvas.draw(arrow);
    for (const Label& label : labels)
        canvas.draw(label);
    return canvas.image();
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
    painter.fillRect(inside, QColor(white));
    painter.drawImage(inside.topLeft(), m_picture);
}

} // namespace ui
