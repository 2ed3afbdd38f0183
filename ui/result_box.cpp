// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "ui/result_box.h"

#include "form/result_text.h"
#include "ui/narrowed_font.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <string>

namespace ui {

namespace {

// A line edit keeps this much room between its contents rectangle and its text.
constexpr int horizontalMargin = 2;

} // namespace

ResultBox::ResultBox(QWidget* parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
}

int ResultBox::textRoom() const
{
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const QMargins margins = textMargins();
    return width() - (2 * frame) - margins.left() - margins.right() - (2 * horizontalMargin);
}

void ResultBox::showResult(const QString& result)
{
    const int room = textRoom();
    QFont narrowest = font();
    narrowest.setStretch(form::narrowestStretch);
    const QFontMetrics metrics(narrowest);
    for (const std::string& shown : form::resultForms(result.toStdString())) {
        m_shown = QString::fromStdString(shown);
        if (metrics.horizontalAdvance(m_shown) <= room)
            break;
    }
    setFont(narrowedToFit(font(), m_shown, room));
    setText(result);
    setCursorPosition(0); // read from the start, as typed numbers are
    setToolTip(m_shown == result ? QString() : result);
    update();
}

// A text that fits is the line edit's own to paint, with its cursor and selection. A cut form is
// painted where the line edit puts its text, and highlighted whole while any of it is selected.
void ResultBox::paintEvent(QPaintEvent* event)
{
    if (m_shown == text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect contents
        = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    painter.setClipRect(contents);
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = std::max(metrics.height(), metrics.boundingRect(text()).height());
    const QPoint lineStart(contents.x() + horizontalMargin, contents.y() + ((contents.height() - lineHeight + 1) / 2));
    QColor ink = palette().color(QPalette::Text);
    if (hasSelectedText()) {
        painter.fillRect(QRect(lineStart, QSize(metrics.horizontalAdvance(m_shown), lineHeight)),
                         palette().brush(QPalette::Highlight));
        ink = palette().color(QPalette::HighlightedText);
    }
    painter.setPen(ink);
    painter.drawText(lineStart + QPoint(0, metrics.ascent()), m_shown);
}

void ResultBox::showWholeText()
{
    if (m_shown != text())
        QToolTip::showText(mapToGlobal(QPoint(0, height())), text(), this);
}

void ResultBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // After the focus change is done with: a tooltip hides itself on focus events.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            showWholeText();
    });
}

// A click shows it too; a tooltip hides itself when a mouse button is released.
void ResultBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    showWholeText();
}

} // namespace ui
