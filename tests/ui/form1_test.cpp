// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// The real window, driven offscreen the way a user drives it.
#include "ui/clock_icon.h"
#include "ui/form1.h"
#include "ui/result_box.h"
#include "ui/section_picture.h"
#include "tests/ui/dialog_catcher.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QtMath>

#include <memory>

namespace {

const QStringList resultBoxes = {"TxtStressx", "TxtStressy", "TxtDeflection", "TxtRatio", "TxtDeadweight"};

// A drawing as checked in under tests/ui/reference, looked at and found to match its description.
QImage reference(const QString& name)
{
    QImage image(QStringLiteral(":/reference/%1.png").arg(name));
    if (image.isNull())
        qFatal("no reference image %s", qPrintable(name));
    return image;
}

// A widget as a screen of `scale` device pixels to a pixel shows it. Rendered whole, a control
// inside the window starts where the screen puts it, between two device pixels at 125 %.
QImage renderedAt(QWidget* widget, qreal scale)
{
    QImage image(qCeil(widget->width() * scale), qCeil(widget->height() * scale), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);
    widget->render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

// The first pixel, row by row, at which a drawing differs from its reference; empty when none does.
QString firstDifference(const QImage& drawn, const QImage& expected)
{
    if (drawn.size() != expected.size())
        return QStringLiteral("%1 × %2 pixels, reference %3 × %4")
            .arg(drawn.width())
            .arg(drawn.height())
            .arg(expected.width())
            .arg(expected.height());
    const QImage a = drawn.convertToFormat(QImage::Format_ARGB32);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("(%1, %2) is #%3, reference #%4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 8, 16, QChar('0'))
                    .arg(b.pixel(x, y), 8, 16, QChar('0'));
    return {};
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshWindowShowsDefaults();
    void controlsStandWhereTheLayoutPutsThem_data();
    void controlsStandWhereTheLayoutPutsThem();
    void captionsFitTheirRectanglesInInstalledFaces();
    void tabVisitsControlsInTabOrder();
    void arrowKeysMoveTheSupportChoice();
    void calculateFillsTheResults_data();
    void calculateFillsTheResults();
    void switchingBackToSimplySupportedGivesTheFirstResults();
    void faultKeepsEarlierBoxesNewAndLaterBoxesOld();
    void faultMessageNamesTheFault_data();
    void faultMessageNamesTheFault();
    void fontsFollowTheirRoles();
    void controlsOverlapOnlyWhereLabelsReachUnderTheirBox();
    void sectionOutlineAndDimensionLinesRunTheirFullLength();
    void nothingIsRecomputedWithoutCalculate();
    void emptiedBoxReadsAsZeroWithoutComplaint();
    void enterInAnInputBoxCalculates();
    void enterOrSpaceRightAfterStartCalculates_data();
    void enterOrSpaceRightAfterStartCalculates();
    void inputBoxesTakeTextsOfAnyLength();
    void resultBoxesAreReadOnlyButSelectable();
    void longResultsAreNarrowedShortOnesAreNot();
    void aResultTooLongForAnyFaceShowsCutKeepingItsExponent_data();
    void aResultTooLongForAnyFaceShowsCutKeepingItsExponent();
    void boxesCarryAccessibleNames_data();
    void boxesCarryAccessibleNames();
    void drawingsMatchTheirReferences_data();
    void drawingsMatchTheirReferences();
    void sectionPictureIsDrawnPixelTrue();
    void sectionPictureIsSharpAtEveryScale_data();
    void sectionPictureIsSharpAtEveryScale();
    void songBoxesDrawTheirDigitsInSolidBlack_data();
    void songBoxesDrawTheirDigitsInSolidBlack();
    void exitClosesTheWindow();

private:
    template <typename Widget = QWidget>
    Widget* find(const QString& name) const
    {
        auto* widget = m_form->findChild<Widget*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QString text(const QString& box) const { return find<QLineEdit>(box)->text(); }
    QStringList results() const
    {
        QStringList texts;
        for (const QString& box : resultBoxes)
            texts << text(box);
        return texts;
    }
    void setInput(const QString& box, const QString& value) { find<QLineEdit>(box)->setText(value); }
    void calculate() { QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton); }

    std::unique_ptr<Form1> m_form;
    std::unique_ptr<DialogCatcher> m_dialogs;
};

void Form1Test::init()
{
    m_dialogs = std::make_unique<DialogCatcher>();
    m_form = std::make_unique<Form1>();
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void Form1Test::cleanup()
{
    m_form.reset();
    const QStringList unexpected = m_dialogs->takeTexts();
    m_dialogs.reset();
    QVERIFY2(unexpected.isEmpty(), qPrintable("unexpected dialog: " + unexpected.join("; ")));
}

void Form1Test::freshWindowShowsDefaults()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Vandrel设计"));
    QCOMPARE(m_form->size(), QSize(498, 460));
    QVERIFY(!m_form->windowIcon().isNull());
    QVERIFY(m_form->windowIcon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(m_form->windowIcon().availableSizes().contains(QSize(32, 32)));

    const QList<QPair<QString, QString>> defaults
        = {{"TxtWind", "0.4"}, {"TxtDead", "0.3"}, {"TxtSpace", "6"},  {"txtfy", "235"},
           {"TxtF", "215"},    {"TxtFv", "125"},   {"Txtb", "200"},    {"Txth", "400"},
           {"Txttf", "10"},    {"Txttw", "6"},     {"TxtHeight", "9"}, {"TxtSSpace", "6"}};
    for (const auto& [box, value] : defaults)
        QCOMPARE(text(box), value);
    QCOMPARE(results(), QStringList(5, QString()));
    QVERIFY(find<QRadioButton>("Option1(0)")->isChecked());
    QVERIFY(!find<QRadioButton>("Option1(1)")->isChecked());
    QCOMPARE(m_form->supportMode(), qint16(1));
    QCOMPARE(QApplication::focusWidget(), find("Command1"));
}

void Form1Test::controlsStandWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Frame2") << "Frame2"
                            << "" << QStringLiteral("几何尺寸：") << QRect(8, 10, 299, 145);
    QTest::newRow("Picture1") << "Picture1"
                              << "" << QStringLiteral("") << QRect(342, 23, 125, 145);
    QTest::newRow("Frame3") << "Frame3"
                            << "" << QStringLiteral("材料：") << QRect(8, 168, 302, 65);
    QTest::newRow("Frame5") << "Frame5"
                            << "" << QStringLiteral("验算结果：") << QRect(318, 184, 169, 208);
    QTest::newRow("Frame1") << "Frame1"
                            << "" << QStringLiteral("荷载：") << QRect(8, 246, 265, 133);
    QTest::newRow("Frame4") << "Frame4"
                            << "" << QStringLiteral("结构形式：") << QRect(11, 392, 221, 56);
    QTest::newRow("Command1") << "Command1"
                              << "" << QStringLiteral("计算") << QRect(271, 415, 105, 33);
    QTest::newRow("Command2") << "Command2"
                              << "" << QStringLiteral("退出") << QRect(386, 415, 105, 33);
    QTest::newRow("Label5") << "Label5"
                            << "Frame2" << QStringLiteral("b") << QRect(32, 34, 9, 25);
    QTest::newRow("Txtb") << "Txtb"
                          << "Frame2" << QStringLiteral("200") << QRect(48, 32, 46, 28);
    QTest::newRow("Label18(3)") << "Label18(3)"
                                << "Frame2" << QStringLiteral("mm；") << QRect(100, 36, 42, 21);
    QTest::newRow("Label2") << "Label2"
                            << "Frame2" << QStringLiteral("tf") << QRect(183, 34, 18, 25);
    QTest::newRow("Txttf") << "Txttf"
                           << "Frame2" << QStringLiteral("10") << QRect(206, 32, 46, 28);
    QTest::newRow("Label18(9)") << "Label18(9)"
                                << "Frame2" << QStringLiteral("mm；") << QRect(258, 36, 33, 21);
    QTest::newRow("Label6") << "Label6"
                            << "Frame2" << QStringLiteral("h ") << QRect(32, 70, 18, 25);
    QTest::newRow("Txth") << "Txth"
                          << "Frame2" << QStringLiteral("400") << QRect(48, 68, 46, 28);
    QTest::newRow("Label18(7)") << "Label18(7)"
                                << "Frame2" << QStringLiteral("mm；") << QRect(100, 72, 42, 21);
    QTest::newRow("Label8") << "Label8"
                            << "Frame2" << QStringLiteral("tw") << QRect(183, 70, 18, 25);
    QTest::newRow("Txttw") << "Txttw"
                           << "Frame2" << QStringLiteral("6") << QRect(206, 68, 46, 28);
    QTest::newRow("Label18(8)") << "Label18(8)"
                                << "Frame2" << QStringLiteral("mm；") << QRect(258, 72, 33, 21);
    QTest::newRow("Label25") << "Label25"
                             << "Frame2" << QStringLiteral("柱高") << QRect(11, 108, 39, 20);
    QTest::newRow("TxtHeight") << "TxtHeight"
                               << "Frame2" << QStringLiteral("9") << QRect(48, 104, 46, 28);
    QTest::newRow("Label26") << "Label26"
                             << "Frame2" << QStringLiteral("m") << QRect(100, 109, 23, 19);
    QTest::newRow("Label16") << "Label16"
                             << "Frame2" << QStringLiteral("支撑间距") << QRect(136, 108, 65, 20);
    QTest::newRow("TxtSSpace") << "TxtSSpace"
                               << "Frame2" << QStringLiteral("6") << QRect(206, 104, 46, 28);
    QTest::newRow("Label24") << "Label24"
                             << "Frame2" << QStringLiteral("m") << QRect(258, 109, 27, 19);
    QTest::newRow("Label9") << "Label9"
                            << "Frame3" << QStringLiteral("fy") << QRect(12, 31, 24, 20);
    QTest::newRow("txtfy") << "txtfy"
                           << "Frame3" << QStringLiteral("235") << QRect(28, 27, 48, 28);
    QTest::newRow("Label15") << "Label15"
                             << "Frame3" << QStringLiteral("f") << QRect(94, 31, 24, 20);
    QTest::newRow("TxtF") << "TxtF"
                          << "Frame3" << QStringLiteral("215") << QRect(110, 27, 48, 28);
    QTest::newRow("Label17") << "Label17"
                             << "Frame3" << QStringLiteral("fv") << QRect(178, 31, 24, 20);
    QTest::newRow("TxtFv") << "TxtFv"
                           << "Frame3" << QStringLiteral("125") << QRect(198, 27, 48, 28);
    QTest::newRow("Label23") << "Label23"
                             << "Frame3" << QStringLiteral("MPa") << QRect(252, 32, 40, 19);
    QTest::newRow("Label18(19)") << "Label18(19)"
                                 << "Frame1" << QStringLiteral("基本风压") << QRect(31, 29, 66, 21);
    QTest::newRow("TxtWind") << "TxtWind"
                             << "Frame1" << QStringLiteral("0.4") << QRect(104, 26, 76, 26);
    QTest::newRow("Label18(15)") << "Label18(15)"
                                 << "Frame1" << QStringLiteral("kN/m^2") << QRect(190, 29, 64, 21);
    QTest::newRow("Label18(18)") << "Label18(18)"
                                 << "Frame1" << QStringLiteral("墙板自重") << QRect(32, 64, 65, 21);
    QTest::newRow("TxtDead") << "TxtDead"
                             << "Frame1" << QStringLiteral("0.3") << QRect(104, 61, 76, 26);
    QTest::newRow("Label18(14)") << "Label18(14)"
                                 << "Frame1" << QStringLiteral("kN/m^2") << QRect(190, 64, 56, 21);
    QTest::newRow("Label18(17)") << "Label18(17)"
                                 << "Frame1" << QStringLiteral("Vandrel间距") << QRect(16, 99, 81, 21);
    QTest::newRow("TxtSpace") << "TxtSpace"
                              << "Frame1" << QStringLiteral("6") << QRect(104, 96, 76, 26);
    QTest::newRow("Label18(13)") << "Label18(13)"
                                 << "Frame1" << QStringLiteral("m") << QRect(190, 99, 23, 21);
    QTest::newRow("Option1(0)") << "Option1(0)"
                                << "Frame4" << QStringLiteral("简支") << QRect(43, 28, 60, 16);
    QTest::newRow("Option1(1)") << "Option1(1)"
                                << "Frame4" << QStringLiteral("悬臂") << QRect(130, 28, 60, 16);
    QTest::newRow("Label10") << "Label10"
                             << "Frame5" << QStringLiteral("面内") << QRect(23, 29, 34, 20);
    QTest::newRow("TxtStressx") << "TxtStressx"
                                << "Frame5" << QStringLiteral("") << QRect(65, 26, 58, 27);
    QTest::newRow("Label11") << "Label11"
                             << "Frame5" << QStringLiteral("Mpa") << QRect(129, 29, 34, 20);
    QTest::newRow("Label12") << "Label12"
                             << "Frame5" << QStringLiteral("面外") << QRect(23, 65, 34, 20);
    QTest::newRow("TxtStressy") << "TxtStressy"
                                << "Frame5" << QStringLiteral("") << QRect(65, 61, 58, 28);
    QTest::newRow("Label14") << "Label14"
                             << "Frame5" << QStringLiteral("MPa") << QRect(129, 65, 34, 20);
    QTest::newRow("Label3") << "Label3"
                            << "Frame5" << QStringLiteral("挠度") << QRect(23, 100, 34, 20);
    QTest::newRow("TxtDeflection") << "TxtDeflection"
                                   << "Frame5" << QStringLiteral("") << QRect(65, 96, 58, 28);
    QTest::newRow("Label1") << "Label1"
                            << "Frame5" << QStringLiteral("mm") << QRect(129, 100, 34, 20);
    QTest::newRow("Label7") << "Label7"
                            << "Frame5" << QStringLiteral("跨挠比") << QRect(8, 136, 49, 20);
    QTest::newRow("TxtRatio") << "TxtRatio"
                              << "Frame5" << QStringLiteral("") << QRect(65, 132, 58, 28);
    QTest::newRow("Label19") << "Label19"
                             << "Frame5" << QStringLiteral("自重") << QRect(23, 172, 34, 20);
    QTest::newRow("TxtDeadweight") << "TxtDeadweight"
                                   << "Frame5" << QStringLiteral("") << QRect(65, 168, 58, 28);
    QTest::newRow("Label13") << "Label13"
                             << "Frame5" << QStringLiteral("kg") << QRect(129, 172, 34, 20);
}

void Form1Test::controlsStandWhereTheLayoutPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    QFETCH(QRect, pixels);

    QWidget* widget = find(name);
    QCOMPARE(widget->parentWidget()->objectName(), container.isEmpty() ? QStringLiteral("Form1") : container);
    QCOMPARE(widget->geometry(), pixels);
    QVERIFY(widget->isVisible());
    if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), caption);
    else if (auto* box = qobject_cast<QGroupBox*>(widget))
        QCOMPARE(box->title(), caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QCOMPARE(button->text(), caption);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        QCOMPARE(edit->text(), caption);
}

void Form1Test::captionsFitTheirRectanglesInInstalledFaces()
{
    for (QWidget* widget : m_form->findChildren<QWidget*>()) {
        QString caption;
        int room = widget->width();
        const QStyle* style = widget->style();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            caption = label->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            caption = group->title();
            room -= 16; // the frame line's start and end either side of the caption
        } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            caption = option->text();
            room -= style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                    + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            caption = button->text();
        } else {
            continue;
        }
        const QFontMetrics metrics(widget->font());
        QVERIFY2(metrics.horizontalAdvance(caption) <= room, qPrintable(widget->objectName() + " clips " + caption));
        if (widget->font().stretch() != QFont::AnyStretch) { // narrowed, but no more than it needs
            QFont wider = widget->font();
            wider.setStretch(wider.stretch() + 5);
            QVERIFY2(QFontMetrics(wider).horizontalAdvance(caption) > room,
                     qPrintable(widget->objectName() + " narrower than it needs: " + caption));
        }
        QVERIFY2(metrics.height() <= widget->height() + 4, qPrintable(widget->objectName() + " too tall"));
        // Every character is drawn by one of the role's faces: no empty boxes.
        for (const QChar c : caption) {
            bool drawn = c.isSpace();
            for (const QString& family : widget->font().families())
                drawn = drawn || QFontMetrics(QFont(family)).inFont(c);
            QVERIFY2(drawn, qPrintable(widget->objectName() + " has no face for " + QString(c)));
        }
    }
}

void Form1Test::tabVisitsControlsInTabOrder()
{
    const QStringList expected
        = {"Command1",  "Command2",  "Txtb",          "Txttw",      "Txttf",         "Txth",       "TxtSpace",
           "TxtDead",   "TxtWind",   "txtfy",         "TxtStressy", "TxtStressx",    "TxtF",       "TxtFv",
           "TxtSSpace", "TxtHeight", "TxtDeflection", "TxtRatio",   "TxtDeadweight", "Option1(0)", "Command1"};
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);

    // With "悬臂" selected the option group's one stop is on it.
    find<QRadioButton>("Option1(1)")->click();
    find("TxtDeadweight")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option1(1)"));
}

void Form1Test::arrowKeysMoveTheSupportChoice()
{
    auto* simple = find<QRadioButton>("Option1(0)");
    simple->setFocus();
    QTest::keyClick(simple, Qt::Key_Right);
    QVERIFY(find<QRadioButton>("Option1(1)")->isChecked());
    QCOMPARE(m_form->supportMode(), qint16(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QVERIFY(simple->isChecked());
    QCOMPARE(m_form->supportMode(), qint16(1));
}

void Form1Test::calculateFillsTheResults_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("expected"); // in-plane, out-of-plane, deflection, ratio, self-weight
    QTest::newRow("simply supported") << "Option1(0)" << QStringList{" 39.02", " 61.66", " 5.4", " 1666.6", " 443.7"};
    QTest::newRow("cantilever") << "Option1(1)" << QStringList{" 152.99", " 238.23", " 43.8", " 205.4", " 443.7"};
}

void Form1Test::calculateFillsTheResults()
{
    QFETCH(QString, option);
    QFETCH(QStringList, expected);
    QTest::mouseClick(find<QRadioButton>(option), Qt::LeftButton);
    calculate();
    QCOMPARE(results(), expected);
    calculate();
    QCOMPARE(results(), expected);
}

void Form1Test::switchingBackToSimplySupportedGivesTheFirstResults()
{
    calculate();
    const QStringList first = results();
    QTest::mouseClick(find<QRadioButton>("Option1(1)"), Qt::LeftButton);
    QCOMPARE(m_form->supportMode(), qint16(2));
    calculate();
    QVERIFY(results() != first);
    QTest::mouseClick(find<QRadioButton>("Option1(0)"), Qt::LeftButton);
    QCOMPARE(m_form->supportMode(), qint16(1));
    calculate();
    QCOMPARE(results(), first);
}

void Form1Test::faultKeepsEarlierBoxesNewAndLaterBoxesOld()
{
    calculate();
    const QStringList before = results();
    setInput("TxtWind", "0.5");
    setInput("TxtSSpace", "0"); // the out-of-plane check divides by a zero slenderness
    calculate();

    const QStringList messages = m_dialogs->takeTexts();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().startsWith(QStringLiteral("Vandrel设计\n")), qPrintable(messages.first()));
    QVERIFY2(messages.first().contains(QStringLiteral("除数为零")), qPrintable(messages.first()));
    QVERIFY2(messages.first().endsWith(QStringLiteral("\n[确定]")), qPrintable(messages.first()));
    QCOMPARE(text("TxtStressx"), QStringLiteral(" 48.39"));
    for (const QString& box : resultBoxes.mid(1))
        QCOMPARE(text(box), before[resultBoxes.indexOf(box)]);
    QVERIFY(m_form->isVisible());
}

void Form1Test::faultMessageNamesTheFault_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("fault");
    QTest::newRow("number beyond range") << "TxtHeight"
                                         << "1E400" << QStringLiteral("数值溢出");
    QTest::newRow("power beyond range") << "Txth"
                                        << "1E103" << QStringLiteral("数值溢出");
    QTest::newRow("negative fy") << "txtfy"
                                 << "-235" << QStringLiteral("无效参数（负数开平方）");
    QTest::newRow("no web") << "Txttw"
                            << "0" << QStringLiteral("除数为零");
}

void Form1Test::faultMessageNamesTheFault()
{
    QFETCH(QString, box);
    QFETCH(QString, input);
    QFETCH(QString, fault);
    setInput(box, input);
    calculate();
    QCOMPARE(m_dialogs->takeTexts(),
             QStringList{
                 QStringLiteral("Vandrel设计\n运算错误：%1。\n计算已停止，此后的结果未更新；请检查输入数据。\n[确定]")
                     .arg(fault)});
    QCOMPARE(results(), QStringList(5, QString()));
}

// Each role's faces, Windows first, then Debian's (a Mac's and a phone's may follow), and its size
// in pixels of the 96-dpi screen.
void Form1Test::fontsFollowTheirRoles()
{
    struct Role {
        QStringList faces;
        int pixelSize;
        QStringList controls;
    };
    const QList<Role> roles = {
        {{"MS Sans Serif", "DejaVu Sans", "WenQuanYi Micro Hei"},
         16,
         {"Frame2",      "Frame1",      "Label5",        "Txtb",        "Label18(3)",  "Label2",        "Txttf",
          "Label18(9)",  "Label6",      "Txth",          "Label18(7)",  "Label8",      "Txttw",         "Label18(8)",
          "Label25",     "TxtHeight",   "Label26",       "Label16",     "TxtSSpace",   "Label24",       "Label9",
          "txtfy",       "Label15",     "TxtF",          "Label17",     "TxtFv",       "Label23",       "Label18(19)",
          "Label18(15)", "Label18(18)", "Label18(14)",   "Label18(17)", "Label18(13)", "TxtStressx",    "Label11",
          "TxtStressy",  "Label14",     "TxtDeflection", "Label1",      "TxtRatio",    "TxtDeadweight", "Label13"}},
        {{"宋体", "SimSun", "AR PL UMing CN"},
         16,
         {"Frame3", "Frame5", "Frame4", "TxtWind", "TxtDead", "TxtSpace", "Option1(0)", "Option1(1)", "Label10",
          "Label12", "Label3", "Label7", "Label19"}},
        {{"黑体", "SimHei", "WenQuanYi Micro Hei"}, 21, {"Command1", "Command2"}},
    };
    QStringList named = {"Picture1"}; // shows a bitmap, no text
    for (const Role& role : roles) {
        for (const QString& name : role.controls) {
            const QFont font = find(name)->font();
            QVERIFY2(font.families().mid(0, role.faces.size()) == role.faces,
                     qPrintable(name + ": " + font.families().join(", ")));
            QVERIFY2(font.pixelSize() == role.pixelSize, qPrintable(name));
            QVERIFY2(font.weight() == QFont::Normal && !font.italic() && !font.underline(), qPrintable(name));
        }
        named << role.controls;
    }
    // Every control of the window has its role.
    QStringList controls;
    for (const QWidget* widget : m_form->findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
            controls << widget->objectName();
    controls.sort();
    named.sort();
    QCOMPARE(controls, named);
}

// Rules any version of the layout keeps: every control lies inside its container, and the only
// controls that overlap are the five labels that reach under the input box to their right, which
// is drawn over them.
void Form1Test::controlsOverlapOnlyWhereLabelsReachUnderTheirBox()
{
    const QSet<QPair<QString, QString>> reachingUnder = {
        {"Label9", "txtfy"}, {"Label15", "TxtF"}, {"Label17", "TxtFv"}, {"Label6", "Txth"}, {"Label25", "TxtHeight"}};
    QSet<QPair<QString, QString>> overlapping;
    QList<QWidget*> containers = {m_form.get()};
    for (QGroupBox* group : m_form->findChildren<QGroupBox*>())
        containers << group;
    for (const QWidget* container : containers) {
        const QList<QWidget*> controls = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            QVERIFY2(container->rect().contains(controls[i]->geometry()),
                     qPrintable(controls[i]->objectName() + " leaves " + container->objectName()));
            // Each pair names first the control drawn below.
            for (qsizetype j = i + 1; j < controls.size(); ++j)
                if (controls[i]->geometry().intersects(controls[j]->geometry()))
                    overlapping.insert({controls[i]->objectName(), controls[j]->objectName()});
        }
    }
    QCOMPARE(overlapping, reachingUnder);
}

void Form1Test::sectionOutlineAndDimensionLinesRunTheirFullLength()
{
    const QImage picture = ui::sectionPicture();
    const auto line = [&](QPoint from, QPoint to, QRgb colour) {
        const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
        for (QPoint p = from;; p += step) {
            if (picture.pixel(p) != colour)
                return QString("(%1, %2)").arg(p.x()).arg(p.y());
            if (p == to)
                return QString();
        }
    };
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    for (const int top : {27, 102}) { // the flanges, 14 to 92 wide and 6 pixels deep
        const int bottom = top + 5;
        QCOMPARE(line({14, top}, {92, top}, black), QString());
        QCOMPARE(line({14, bottom}, {92, bottom}, black), QString());
        QCOMPARE(line({14, top}, {14, bottom}, black), QString());
        QCOMPARE(line({92, top}, {92, bottom}, black), QString());
        for (int y = top + 1; y < bottom; ++y) { // hollow, but for the centre line
            QCOMPARE(line({15, y}, {51, y}, white), QString());
            QCOMPARE(line({55, y}, {91, y}, white), QString());
        }
        QCOMPARE(picture.pixel(13, top), white);
        QCOMPARE(picture.pixel(93, bottom), white);
    }
    QCOMPARE(line({52, 33}, {52, 101}, black), QString()); // web
    QCOMPARE(line({54, 33}, {54, 101}, black), QString());
    QCOMPARE(line({107, 27}, {107, 107}, black), QString()); // h
    QCOMPARE(line({14, 117}, {92, 117}, black), QString());  // b

    // The sunken border's light edges, below and to the right.
    const QImage shown = find("Picture1")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int face = qGray(m_form->palette().window().color().rgb());
    const int right = shown.width() - 1, bottom = shown.height() - 1;
    for (const int i : {2, bottom / 2, bottom - 2})
        QVERIFY2(qGray(shown.pixel(right, i)) > face, qPrintable(QString::number(i)));
    for (const int i : {2, right / 2, right - 2})
        QVERIFY2(qGray(shown.pixel(i, bottom)) > face, qPrintable(QString::number(i)));
}

void Form1Test::nothingIsRecomputedWithoutCalculate()
{
    calculate();
    const QStringList shown = results();
    QTest::keyClicks(find("TxtWind"), "9");
    QTest::keyClick(find("Txtb"), Qt::Key_Backspace);
    QTest::mouseClick(find<QRadioButton>("Option1(1)"), Qt::LeftButton);
    QCOMPARE(results(), shown);
}

void Form1Test::emptiedBoxReadsAsZeroWithoutComplaint()
{
    setInput("TxtDead", "");
    calculate();
    // No wall weight: a pure wind run completes.
    QCOMPARE(results().size(), 5);
    for (const QString& shown : results())
        QVERIFY(!shown.isEmpty());
}

void Form1Test::enterInAnInputBoxCalculates()
{
    QLineEdit* box = find<QLineEdit>("TxtHeight");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(text("TxtStressx"), QStringLiteral(" 39.02"));
}

void Form1Test::enterOrSpaceRightAfterStartCalculates_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void Form1Test::enterOrSpaceRightAfterStartCalculates()
{
    QFETCH(int, key);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(text("TxtRatio"), QStringLiteral(" 1666.6"));
}

void Form1Test::inputBoxesTakeTextsOfAnyLength()
{
    const QString longText = QString(100'000, u'0') + "5";
    setInput("Txtb", longText);
    QCOMPARE(text("Txtb"), longText);
}

void Form1Test::resultBoxesAreReadOnlyButSelectable()
{
    calculate();
    QLineEdit* box = find<QLineEdit>("TxtStressx");
    QVERIFY(box->isReadOnly());
    box->setFocus();
    QTest::keyClicks(box, "123");
    QCOMPARE(box->text(), QStringLiteral(" 39.02"));
    box->selectAll();
    QCOMPARE(box->selectedText(), QStringLiteral(" 39.02"));
}

void Form1Test::longResultsAreNarrowedShortOnesAreNot()
{
    QLineEdit* ratio = find<QLineEdit>("TxtRatio");
    calculate(); // " 1666.6" is wider than the box in the installed faces
    QVERIFY(ratio->font().stretch() != QFont::AnyStretch);
    QVERIFY(ratio->fontMetrics().horizontalAdvance(ratio->text()) <= ratio->width() - 8);
    QFont wider = ratio->font(); // narrowed no more than it needs: stretches go in steps of five
    wider.setStretch(wider.stretch() + 5);
    QVERIFY(QFontMetrics(wider).horizontalAdvance(ratio->text()) > ratio->width() - 8);

    find<QRadioButton>("Option1(1)")->click();
    setInput("TxtHeight", "12");
    setInput("TxtSSpace", "4");
    calculate();
    QCOMPARE(ratio->text(), QStringLiteral(" 80.7"));
    QCOMPARE(ratio->font().stretch(), int(QFont::AnyStretch));
}

void Form1Test::aResultTooLongForAnyFaceShowsCutKeepingItsExponent_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("150 %") << 1.5;
}

void Form1Test::aResultTooLongForAnyFaceShowsCutKeepingItsExponent()
{
    QFETCH(qreal, scale);
    setInput("TxtDead", "9.2838E199"); // a slip no face can show whole in the box
    calculate();
    auto* box = find<ui::ResultBox>("TxtStressy");
    QCOMPARE(box->text(), QStringLiteral(" 1.4599498088482E+201"));

    // It draws the number's start, the mark and the exponent, inside the box, and nothing else:
    // exactly what a line edit holding that text draws.
    QVERIFY2(QRegularExpression(QStringLiteral("^1(\\.4\\d*)?…E\\+201$")).match(box->shownText()).hasMatch(),
             qPrintable(box->shownText()));
    QVERIFY(box->fontMetrics().horizontalAdvance(box->shownText()) <= box->textRoom());
    QLineEdit plain;
    plain.setStyle(box->style());
    plain.setReadOnly(true);
    plain.setFont(box->font());
    plain.resize(box->size());
    plain.setText(box->shownText());
    plain.setCursorPosition(0);
    QCOMPARE(firstDifference(renderedAt(box, scale), renderedAt(&plain, scale)), QString());

    // The box holds the whole text: selecting, copying and assistive tools read it, and a hover
    // or the focus shows it.
    QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Value), box->text());
    QCOMPARE(box->toolTip(), box->text());
    box->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), box->text());
    box->selectAll();
    QCOMPARE(box->selectedText(), box->text());
}

void Form1Test::boxesCarryAccessibleNames_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("accessibleName");
    const QList<QPair<QString, QString>> names = {{"Txtb", "b mm"},
                                                  {"Txttf", "tf mm"},
                                                  {"Txth", "h mm"},
                                                  {"Txttw", "tw mm"},
                                                  {"TxtHeight", "柱高 m"},
                                                  {"TxtSSpace", "支撑间距 m"},
                                                  {"txtfy", "fy MPa"},
                                                  {"TxtF", "f MPa"},
                                                  {"TxtFv", "fv MPa"},
                                                  {"TxtWind", "基本风压 kN/m^2"},
                                                  {"TxtDead", "墙板自重 kN/m^2"},
                                                  {"TxtSpace", "Vandrel间距 m"},
                                                  {"TxtStressx", "面内 Mpa"},
                                                  {"TxtStressy", "面外 MPa"},
                                                  {"TxtDeflection", "挠度 mm"},
                                                  {"TxtRatio", "跨挠比"},
                                                  {"TxtDeadweight", "自重 kg"}};
    for (const auto& [box, name] : names)
        QTest::newRow(qPrintable(box)) << box << name;
}

void Form1Test::boxesCarryAccessibleNames()
{
    QFETCH(QString, box);
    QFETCH(QString, accessibleName);
    QCOMPARE(find(box)->accessibleName(), accessibleName);
}

// Pixel for pixel: a line moved by one pixel, a letter's dot or a colour of the icon changed, is
// a different drawing.
void Form1Test::drawingsMatchTheirReferences_data()
{
    QTest::addColumn<QImage>("drawn");
    QTest::addColumn<QString>("name");
    QTest::newRow("section picture") << ui::sectionPicture() << "section_picture";
    QTest::newRow("clock 16") << ui::clockImage(16) << "clock_16";
    QTest::newRow("clock 32") << ui::clockImage(32) << "clock_32";
}

void Form1Test::drawingsMatchTheirReferences()
{
    QFETCH(QImage, drawn);
    QFETCH(QString, name);
    QCOMPARE(firstDifference(drawn, reference(name)), QString());
}

void Form1Test::sectionPictureIsDrawnPixelTrue()
{
    const QImage picture = ui::sectionPicture();
    const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0), blue = qRgb(0, 0, 255);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            QVERIFY2(c == white || c == black || c == blue, qPrintable(QString("(%1, %2)").arg(x).arg(y)));
        }

    // The box: a sunken border, darker than the window's face above and to the left.
    const QImage shown = find("Picture1")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(125, 145));
    const int face = qGray(m_form->palette().window().color().rgb());
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(0, 100), QPoint(1, 60), QPoint(100, 1)})
        QVERIFY2(qGray(shown.pixel(p)) < face, qPrintable(QString("(%1, %2)").arg(p.x()).arg(p.y())));
}

namespace {

// A line of the section picture in its own pixels, along x or y, both ends included, kept two
// pixels clear of the lines that cross or touch it.
struct Stroke {
    const char* name;
    QPoint from, to;
    QRgb colour;
    bool edge;   // an edge of the section; the others are the drawing's thin lines
    bool dashed; // a centre line, with gaps
};

// How wide the run of the line's colour across it is, at each device pixel along it, picture
// pixel (0, 0) standing at `origin`: the run nearest to where the line belongs; -1 for none.
QList<int> widthsAlong(const QImage& shown, QPoint origin, qreal scale, const Stroke& stroke)
{
    const bool vertical = stroke.from.x() == stroke.to.x();
    const auto onScreen = [&](int picture, int base) { return base + picture * scale; };
    const qreal middle = vertical ? onScreen(stroke.from.x(), origin.x()) + scale / 2
                                  : onScreen(stroke.from.y(), origin.y()) + scale / 2;
    // From the middle of its first pixel to the middle of its last: a thin line need not fill
    // its end pixels' whole room.
    const int base = vertical ? origin.y() : origin.x();
    const int first = qCeil(onScreen(vertical ? stroke.from.y() : stroke.from.x(), base) + scale / 2 - 0.5);
    const int last = qFloor(onScreen(vertical ? stroke.to.y() : stroke.to.x(), base) + scale / 2 - 0.5);
    QList<int> widths;
    for (int along = first; along <= last; ++along) {
        const auto inked = [&](int across) {
            return (vertical ? shown.pixel(across, along) : shown.pixel(along, across)) == stroke.colour;
        };
        int hit = -1;
        for (int distance = 0; distance <= 2 && hit < 0; ++distance)
            for (const int across : {qFloor(middle) - distance, qFloor(middle) + distance})
                if (hit < 0 && inked(across))
                    hit = across;
        if (hit < 0) {
            widths << -1;
            continue;
        }
        int low = hit, high = hit;
        while (inked(low - 1))
            --low;
        while (inked(high + 1))
            ++high;
        widths << high - low + 1;
    }
    return widths;
}

// Whether `letters` (a block of the 100 % picture, clear of every line) stand in `shown` enlarged
// to square dots of a whole number of device pixels, within two device pixels of `place`, and
// still clear of the lines by a white device pixel all round.
bool drawnInWholeDots(const QImage& shown, QPoint place, const QImage& letters)
{
    for (int dot = 1; dot <= 3; ++dot) {
        QImage expected(letters.size() * dot + QSize(2, 2), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(
            1, 1, letters.scaled(letters.size() * dot, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        const QPoint centred = place - QPoint(expected.width(), expected.height()) / 2;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (firstDifference(shown.copy(QRect(centred + QPoint(dx, dy), expected.size())), expected).isEmpty())
                    return true;
    }
    return false;
}

} // namespace

void Form1Test::sectionPictureIsSharpAtEveryScale_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("125 %") << 1.25;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("175 %") << 1.75;
    QTest::newRow("200 %") << 2.0;
}

// Scaling the bitmap by 1.25, 1.5 or 1.75 draws some lines one device pixel wide and others two,
// and thins the small letters to specks. The picture must keep every line one width along its
// length, the same for all edges of the section and for all thin lines, and its letters square
// dots; at whole scales it is the approved picture with every pixel a square block.
void Form1Test::sectionPictureIsSharpAtEveryScale()
{
    QFETCH(qreal, scale);
    const QImage shown = renderedAt(m_form.get(), scale);
    const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0), blue = qRgb(0, 0, 255);

    // The picture's top-left corner: its white ground reaches to the border.
    const QPointF inside = QPointF(find("Picture1")->pos() + QPoint(4, 4)) * scale;
    QPoint origin = inside.toPoint();
    QCOMPARE(shown.pixel(origin), white);
    while (shown.pixel(origin.x() - 1, origin.y()) == white)
        origin.rx()--;
    while (shown.pixel(origin.x(), origin.y() - 1) == white)
        origin.ry()--;

    const QImage approved = reference("section_picture");
    if (scale == qFloor(scale)) {
        const QImage enlarged = approved.scaled(approved.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QCOMPARE(firstDifference(shown.copy(QRect(origin, enlarged.size())), enlarged), QString());
        return;
    }

    const Stroke strokes[] = {
        {"top flange, top edge", {16, 27}, {90, 27}, black, true, false},
        {"top flange, lower edge, left", {16, 32}, {49, 32}, black, true, false},
        {"top flange, lower edge, right", {57, 32}, {90, 32}, black, true, false},
        {"bottom flange, upper edge", {26, 102}, {49, 102}, black, true, false},
        {"bottom flange, lower edge", {26, 107}, {90, 107}, black, true, false},
        {"top flange, left end", {14, 29}, {14, 30}, black, true, false},
        {"top flange, right end", {92, 29}, {92, 30}, black, true, false},
        {"bottom flange, right end", {92, 104}, {92, 105}, black, true, false},
        {"web, left, above tw", {52, 35}, {52, 57}, black, true, false},
        {"web, left, below tw", {52, 67}, {52, 99}, black, true, false},
        {"web, right", {54, 67}, {54, 99}, black, true, false},
        {"dimension line h", {107, 30}, {107, 104}, black, false, false},
        {"dimension line b", {17, 117}, {89, 117}, black, false, false},
        {"tw arrow, left", {44, 62}, {46, 62}, black, false, false},
        {"tw arrow, right", {60, 62}, {62, 62}, black, false, false},
        {"tf arrow, above", {22, 95}, {22, 97}, black, false, false},
        {"tf arrow, below", {22, 112}, {22, 114}, black, false, false},
        {"y-y in the web, above x-x", {53, 34}, {53, 64}, blue, false, false},
        {"y-y in the web, below x-x", {53, 70}, {53, 100}, blue, false, false},
        {"y-y above", {53, 10}, {53, 24}, blue, false, true},
        {"y-y below", {53, 110}, {53, 135}, blue, false, true},
        {"x-x left", {10, 67}, {49, 67}, blue, false, true},
        {"x-x right", {57, 67}, {99, 67}, blue, false, true},
    };
    QMap<int, QString> edgeWidths, thinWidths; // each width drawn, with the first line drawn so
    for (const Stroke& stroke : strokes) {
        const QList<int> widths = widthsAlong(shown, origin, scale, stroke);
        QVERIFY2(!widths.isEmpty() && widths.count(-1) < widths.size(), stroke.name);
        for (const int width : widths) {
            QVERIFY2(width > 0 || stroke.dashed, qPrintable(QString("%1 has a gap").arg(stroke.name)));
            QMap<int, QString>& seen = stroke.edge ? edgeWidths : thinWidths;
            if (width > 0 && !seen.contains(width))
                seen.insert(width, stroke.name);
        }
    }
    const auto describe = [](const QMap<int, QString>& widths) {
        QStringList parts;
        for (auto it = widths.begin(); it != widths.end(); ++it)
            parts << QString("%1 px (%2)").arg(it.key()).arg(it.value());
        return parts.join(", ");
    };
    QVERIFY2(edgeWidths.size() == 1, qPrintable(describe(edgeWidths)));
    QVERIFY2(thinWidths.size() == 1, qPrintable(describe(thinWidths)));

    // Each label where it stands at 100 %, in the picture's pixels: y, y, x, x, h, b, tw and tf.
    const QRect labels[] = {
        {56, 8, 5, 7},   {56, 129, 5, 7}, {10, 58, 5, 7},  {95, 58, 5, 7},
        {109, 65, 7, 5}, {56, 120, 5, 7}, {64, 56, 11, 7}, {19, 83, 7, 11},
    };
    for (const QRect& letters : labels) {
        const QPointF centre = QPointF(letters.center()) + QPointF(0.5, 0.5);
        QVERIFY2(drawnInWholeDots(shown, origin + (centre * scale).toPoint(), approved.copy(letters)),
                 qPrintable(QString("letters at (%1, %2)").arg(letters.x()).arg(letters.y())));
    }
}

void Form1Test::songBoxesDrawTheirDigitsInSolidBlack_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("125 %") << 1.25;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("175 %") << 1.75;
}

void Form1Test::songBoxesDrawTheirDigitsInSolidBlack()
{
    QFETCH(qreal, scale);
    // Smoothed hairline strokes come out grey and read as disabled text: inside its frame, each
    // of the three boxes shows only its white ground and fully black ink, on any screen.
    const int frame = qCeil(2 * scale) + 1; // a logical pixel's line may straddle two device pixels
    for (const QString name : {"TxtWind", "TxtDead", "TxtSpace"}) {
        QLineEdit* box = find<QLineEdit>(name);
        box->deselect();
        const QImage image = renderedAt(box, scale);
        int ink = 0;
        for (int y = frame; y < image.height() - frame; ++y)
            for (int x = frame; x < image.width() - frame; ++x) {
                const QRgb c = image.pixel(x, y);
                QVERIFY2(c == qRgb(255, 255, 255) || c == qRgb(0, 0, 0),
                         qPrintable(QString("%1 (%2, %3): #%4").arg(name).arg(x).arg(y).arg(c & 0xFFFFFF, 6, 16)));
                ink += c == qRgb(0, 0, 0);
            }
        QVERIFY2(ink > 20, qPrintable(name + " shows no digits"));
    }
}

void Form1Test::exitClosesTheWindow()
{
    QTest::mouseClick(find<QPushButton>("Command2"), Qt::LeftButton);
    QVERIFY(!m_form->isVisible());
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
