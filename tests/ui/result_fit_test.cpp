// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Every generated case typed into the real window and calculated: each result box paints either
// its whole text inside the box, or, where even the narrowest face is too wide, a cut form that
// carries the mark and the exponent and hides nothing silently, the whole text a hover away.
// Run at 100, 125, 150 and 200 % (QT_SCALE_FACTOR).
#include "form/result_text.h"
#include "tests/same_digits/generated_cases.h"
#include "tests/ui/dialog_catcher.h"
#include "ui/form1.h"
#include "ui/result_box.h"

#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QtMath>

namespace {

const QStringList resultBoxes = {"TxtStressx", "TxtStressy", "TxtDeflection", "TxtRatio", "TxtDeadweight"};
const QString cutMark = QString::fromUtf8(form::cutMark.data(), qsizetype(form::cutMark.size()));

// The ink of the box's text reaches the right edge of the room a line edit draws text in: a
// device pixel of the last column well inside its contents rectangle has another colour than
// the box's ground. Columns and rows that a frame line may share at a fractional scale are left out.
bool inkReachesTheEdge(ui::ResultBox* box)
{
    const QImage image = box->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    QStyleOptionFrame panel;
    panel.initFrom(box);
    panel.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &panel, box);
    const int edge = qFloor((contents.right() + 1) * scale) - 2;
    const int top = qCeil(contents.top() * scale) + 1;
    const int bottom = qFloor((contents.bottom() + 1) * scale) - 2;
    const QRgb ground = image.pixel(edge, top);
    for (int y = top; y <= bottom; ++y)
        if (image.pixel(edge, y) != ground)
            return true;
    return false;
}

// What is wrong with what `box` shows, or nothing.
QString fault(ui::ResultBox* box)
{
    const QString text = box->text();
    const QString shown = box->shownText();
    if (QFontMetrics(box->font()).horizontalAdvance(shown) > box->textRoom())
        return "painted wider than its box";
    if (inkReachesTheEdge(box))
        return "ink at the box's edge";
    QFont narrowest = box->font();
    narrowest.setStretch(form::narrowestStretch);
    const bool fitsNarrowed = QFontMetrics(narrowest).horizontalAdvance(text) <= box->textRoom();
    if (shown == text)
        return fitsNarrowed && box->toolTip().isEmpty() ? QString() : "shown whole, yet too wide or with a tooltip";
    if (fitsNarrowed)
        return "cut, although it fits the narrowest face";
    if (box->toolTip() != text)
        return "cut, and its tooltip is not the whole text";
    // The characters before the mark are the text's own, its sign included; after it stands
    // the exponent, or nothing. Only the bare mark may drop the sign.
    const qsizetype mark = shown.indexOf(cutMark);
    if (mark < 0)
        return "cut without the mark";
    if (shown == cutMark)
        return {};
    const bool negative = text.startsWith('-');
    if (negative != shown.startsWith('-'))
        return "cut form lost the sign";
    if (!text.mid(1).startsWith(shown.mid(negative ? 1 : 0, mark - (negative ? 1 : 0))))
        return "cut form is not the text's start and the mark";
    const qsizetype exponent = text.indexOf('E');
    if (shown.mid(mark + 1) != (exponent < 0 ? QString() : text.mid(exponent)))
        return "cut form lost the exponent, or added to it";
    return {};
}

class ResultFitTest : public QObject {
    Q_OBJECT

private slots:
    void everyGeneratedResultShowsWholeOrMarkedAsCut();
};

void ResultFitTest::everyGeneratedResultShowsWholeOrMarkedAsCut()
{
    DialogCatcher dialogs;
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto box = [&form](const QString& name) { return form.findChild<ui::ResultBox*>(name); };

    QStringList faults;
    int results = 0;
    int cut = 0;
    const auto cases = vandrel_test::generatedCases();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto& [mode, texts] = cases[i];
        for (std::size_t b = 0; b < texts.size(); ++b)
            form.findChild<QLineEdit*>(QString::fromStdString(vandrel_test::generatedInputBoxes[b]))
                ->setText(QString::fromStdString(texts[b]));
        form.findChild<QRadioButton*>(mode == 1 ? "Option1(0)" : "Option1(1)")->click();
        QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        dialogs.takeTexts();
        for (const QString& name : resultBoxes) {
            ui::ResultBox* result = box(name);
            if (result->text().isEmpty())
                continue;
            ++results;
            cut += result->shownText() != result->text() ? 1 : 0;
            if (const QString problem = fault(result); !problem.isEmpty())
                faults << QString("case %1: %2 '%3' shown as '%4': %5")
                              .arg(i)
                              .arg(name, result->text(), result->shownText(), problem);
        }
    }
    qInfo("window at %g: %d results of %zu cases, %d cut with the mark, %lld shown wrongly", form.devicePixelRatio(),
          results, cases.size(), cut, qsizetype(faults.size()));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 5).join('\n')));
    QVERIFY(cut > 0); // the list holds results too long for any face
}

} // namespace

QTEST_MAIN(ResultFitTest)
#include "result_fit_test.moc"
