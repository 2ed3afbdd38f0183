// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Thousands of random presses, texts and clicks on the real window, from a fixed seed. Whatever
// the user does, no box may ever show an infinity or a NaN, and after every calculation each
// result box must hold what the calculation gives for the texts and support choice on screen:
// its new text, or its old one where the run stopped before reaching it.
#include "calc/calculation.h"
#include "tests/display_shape.h"
#include "tests/ui/dialog_catcher.h"
#include "ui/form1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <map>
#include <random>
#include <string>

namespace {

const QStringList resultBoxes = {"TxtStressx", "TxtStressy", "TxtDeflection", "TxtRatio", "TxtDeadweight"};
const QStringList inputBoxes = {"TxtWind", "TxtSpace", "TxtDead", "txtfy", "TxtF",      "TxtFv",
                                "Txtb",    "Txth",     "Txttf",   "Txttw", "TxtHeight", "TxtSSpace"};
const QStringList defaults = {"0.4", "6", "0.3", "235", "215", "125", "200", "400", "10", "6", "9", "6"};
const QStringList clickable = {"Command1", "Option1(0)", "Option1(1)", "TxtStressx", "Txtb",
                               "TxtWind",  "Frame2",     "Picture1",   "Label5",     "TxtRatio"};

const QStringList typedTexts
    = {"0.4",   "6",  "0.3",     "235",    "215",      "125",       "200",   "400",    "10",     "6",     "9",
       "6",     "",   "abc",     "0",      "-0",       "-1",        "1E400", "-1E400", "1E-400", "1E308", "&HFFFF",
       "&O777", "&H", "１２",    "０。４", "＆Ｈ１０", "\u3000 5 ", "1,5",   "2.5kN",  ".5",     "5.",    "1D3",
       "+.",    "1e", "9999999", "0.0001", "-0.4",     "NaN",       "inf",   "1E15",   "3.14159"};

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomUseNeverShowsABadNumber();
};

// Types a text key by key, Chinese input-method characters included.
void typeText(QWidget* box, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString randomText(std::mt19937& random)
{
    switch (random() % 6) {
    case 0: { // a long run of digits, or a hundred thousand of them
        const int length = random() % 2 ? 400 : 100'000;
        return QString(length, QChar(char16_t(u'1' + random() % 9)));
    }
    case 1: { // random characters from ASCII, full-width forms and CJK
        QString text;
        for (int i = 0, n = int(random() % 12); i < n; ++i) {
            const char32_t ranges[][2] = {{0x20, 0x7E}, {0xFF01, 0xFF5E}, {0x4E00, 0x4E50}, {0x3000, 0x3002}};
            const auto& r = ranges[random() % 4];
            text += QChar(char16_t(r[0] + random() % (r[1] - r[0] + 1)));
        }
        return text;
    }
    default:
        return typedTexts[int(random() % typedTexts.size())];
    }
}

void MonkeyTest::randomUseNeverShowsABadNumber()
{
    DialogCatcher dialogs;
    Form1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    std::mt19937 random(20261208);
    const Qt::Key keys[]
        = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return,    Qt::Key_Space,  Qt::Key_Left,  Qt::Key_Right,
           Qt::Key_Up,  Qt::Key_Down,    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,  Qt::Key_End,
           Qt::Key_1,   Qt::Key_Period,  Qt::Key_Minus,     Qt::Key_E,      Qt::Key_Escape};

    QStringList shown;
    for (const QString& box : resultBoxes)
        shown << form.findChild<QLineEdit*>(box)->text();
    // Enter in a box and Enter or Space on the button press it too; this runs after the window's own handler.
    int presses = 0;
    connect(form.findChild<QPushButton*>("Command1"), &QPushButton::clicked, [&presses] { ++presses; });
    int calculations = 0;
    int faults = 0;

    for (int step = 0; step < 4000; ++step) {
        switch (random() % 7) {
        case 0: { // replace a box's text, as a paste would
            form.findChild<QLineEdit*>(inputBoxes[int(random() % inputBoxes.size())])->setText(randomText(random));
            break;
        }
        case 1: { // type a short text into a box
            auto* box = form.findChild<QLineEdit*>(inputBoxes[int(random() % inputBoxes.size())]);
            box->setFocus();
            typeText(box, typedTexts[int(random() % typedTexts.size())].left(6));
            break;
        }
        case 2: // a key on whatever has the focus
            if (QWidget* focus = QApplication::focusWidget())
                QTest::keyClick(focus, keys[random() % std::size(keys)]);
            break;
        case 3: // a click somewhere on a control
            QTest::mouseClick(form.findChild<QWidget*>(clickable[int(random() % clickable.size())]), Qt::LeftButton);
            break;
        case 4: { // a sound value: the default scaled, so that most runs go through to the end
            const int i = int(random() % inputBoxes.size());
            const double scale[] = {0.5, 0.8, 1.25, 1.5, 2};
            form.findChild<QLineEdit*>(inputBoxes[i])
                ->setText(QString::number(defaults[i].toDouble() * scale[random() % std::size(scale)]));
            break;
        }
        case 5: // start again from the defaults
            for (int i = 0; i < inputBoxes.size(); ++i)
                form.findChild<QLineEdit*>(inputBoxes[i])->setText(defaults[i]);
            break;
        default:
            QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
            break;
        }

        // What this step's press, if any, should have shown: the texts and the selected option
        // as the user sees them, through the calculation itself.
        QStringList expected = shown;
        bool faulted = false;
        const int pressesInStep = presses - calculations;
        QVERIFY2(pressesInStep <= 1, qPrintable(QString("step %1: %2 presses").arg(step).arg(pressesInStep)));
        if (pressesInStep == 1) {
            std::map<std::string, std::string> texts;
            for (const QString& box : inputBoxes)
                texts[box.toStdString()] = form.findChild<QLineEdit*>(box)->text().toStdString();
            const int mode = form.findChild<QRadioButton*>("Option1(0)")->isChecked() ? 1 : 2;
            const auto fault = calc::runCalculation(texts, mode, [&](const std::string& box, const std::string& text) {
                expected[resultBoxes.indexOf(QString::fromStdString(box))] = QString::fromStdString(text);
            });
            faulted = fault.has_value();
            faults += faulted ? 1 : 0;
            calculations = presses;
        }
        // One message for a run that stopped, none otherwise.
        const qsizetype messages = dialogs.takeTexts().size();
        QVERIFY2(messages == (faulted ? 1 : 0), qPrintable(QString("step %1: %2 messages").arg(step).arg(messages)));

        for (int i = 0; i < resultBoxes.size(); ++i) {
            const QString text = form.findChild<QLineEdit*>(resultBoxes[i])->text();
            QVERIFY2(!text.contains("inf", Qt::CaseInsensitive) && !text.contains("nan", Qt::CaseInsensitive),
                     qPrintable(QString("step %1: %2 shows %3").arg(step).arg(resultBoxes[i], text)));
            QVERIFY2(text == shown[i] || vandrel_test::hasDisplayShape(text.toStdString()),
                     qPrintable(QString("step %1: %2 shows '%3'").arg(step).arg(resultBoxes[i], text)));
            QVERIFY2(text == expected[i], qPrintable(QString("step %1: %2 shows '%3', the calculation gives '%4'")
                                                         .arg(step)
                                                         .arg(resultBoxes[i], text.left(40), expected[i].left(40))));
            shown[i] = text;
        }
        // Exit may have been pressed from the keyboard; the user starts the program again.
        if (!form.isVisible()) {
            form.show();
            form.activateWindow();
        }
    }
    qInfo("%d calculations, %d fault messages", calculations, faults);

    // Still a working calculator afterwards.
    for (int i = 0; i < inputBoxes.size(); ++i)
        form.findChild<QLineEdit*>(inputBoxes[i])->setText(defaults[i]);
    form.findChild<QRadioButton*>("Option1(0)")->click();
    QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(form.findChild<QLineEdit*>("TxtStressx")->text(), QStringLiteral(" 39.02"));
    QCOMPARE(form.findChild<QLineEdit*>("TxtRatio")->text(), QStringLiteral(" 1666.6"));
}

} // namespace

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
