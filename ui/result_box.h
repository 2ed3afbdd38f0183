// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLineEdit>
#include <QString>

namespace ui {

// A read-only box for one result. Its text is always the whole result, for selection, copying
// and assistive tools; a result too long for the box even in the narrowest face is painted in a
// cut form that says so (form/result_text.h), and shown whole as a tooltip on hover, focus and click.
class ResultBox : public QLineEdit {
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent = nullptr);

    void showResult(const QString& result);
    // What the box paints: its text, or the cut form of it.
    const QString& shownText() const { return m_shown; }
    // The width the box has for its text: inside its frame and the margins a line edit keeps.
    int textRoom() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showWholeText();

    QString m_shown;
};

} // namespace ui
