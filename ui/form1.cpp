// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "ui/form1.h"

#include "calc/calculation.h"
#include "form/form1_layout.h"
#include "form/messages.h"
#include "form/twips.h"
#include "ui/clock_icon.h"
#include "ui/narrowed_font.h"
#include "ui/result_box.h"
#include "ui/section_picture.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <limits>
#include <map>
#include <string>
#include <vector>

using namespace form;
using ui::clockIcon;
using ui::narrowedToFit;
using ui::ResultBox;
using ui::SectionPictureBox;

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString applicationTitle = fromUtf8(windowTitle);

QFont fontFor(FontRole role)
{
    const FontSpec spec = fontSpec(role);
    QStringList families;
    for (const std::string_view family : spec.families)
        families << fromUtf8(family);
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(spec.pixelSize);
    if (!spec.smooth)
        font.setStyleStrategy(QFont::NoAntialias);
    font.setWeight(QFont::Normal);
    return font;
}

QWidget* createControl(const ControlSpec& spec, QWidget* container)
{
    const QString caption = fromUtf8(spec.caption);
    switch (spec.kind) {
    case ControlKind::GroupBox:
        return new QGroupBox(caption, container);
    case ControlKind::Label: {
        auto* label = new QLabel(caption, container);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::InputBox: {
        auto* box = new QLineEdit(caption, container);
        box->setMaxLength(std::numeric_limits<int>::max()); // a text box has no length limit
        return box;
    }
    case ControlKind::ResultBox: {
        // Never read by the calculation; the user may select and copy from it.
        return new ResultBox(container);
    }
    case ControlKind::OptionButton:
        return new QRadioButton(caption, container);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, container);
        button->setAutoDefault(true); // Enter presses the focused button, as Space does
        return button;
    }
    case ControlKind::Picture: {
        auto* picture = new SectionPictureBox(container);
        picture->setFocusPolicy(Qt::NoFocus);
        return picture;
    }
    }
    return nullptr;
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent)
    // The classic style draws group boxes with the frame line through the caption, as the
    // layout expects, and keeps the sunken text boxes and raised buttons of the twip layout.
    , m_style(QStyleFactory::create(QStringLiteral("Windows")))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(applicationTitle);
    setWindowIcon(clockIcon());
    setFixedSize(twipsToPixels(windowWidth), twipsToPixels(windowHeight));
    createControls();
    setTabOrder();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    if (m_style)
        setStyle(m_style.get());
    for (const ControlSpec& spec : form1Controls) {
        QWidget* container = spec.container.empty() ? this : m_controls.value(fromUtf8(spec.container));
        QWidget* widget = createControl(spec, container);
        widget->setObjectName(fromUtf8(spec.name));
        const PixelRect r = toPixels(spec.rect);
        widget->setGeometry(r.left, r.top, r.width, r.height);
        if (spec.font != FontRole::None)
            widget->setFont(fontFor(spec.font));
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setFont(narrowedToFit(label->font(), label->text(), label->width()));
        if (!spec.accessibleName.empty())
            widget->setAccessibleName(fromUtf8(spec.accessibleName));
        if (m_style)
            widget->setStyle(m_style.get());
        m_controls.insert(widget->objectName(), widget);
    }

    // Where a label reaches under the text box to its right, the box is drawn over it.
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->raise();

    auto* calculate = control<QPushButton>(QStringLiteral("Command1"));
    connect(calculate, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(control<QPushButton>(QStringLiteral("Command2")), &QPushButton::clicked, this, &Form1::Command2_Click);
    for (qint16 index = 0; index < 2; ++index) {
        auto* option = control<QRadioButton>(QStringLiteral("Option1(%1)").arg(index));
        connect(option, &QRadioButton::toggled, this, [this, index, option](bool selected) {
            // The option group is one stop of the tab order, on the selected option.
            option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
            if (selected)
                Option1_Click(index);
        });
    }
    // Enter in an input box presses "计算".
    for (const ControlSpec& spec : form1Controls)
        if (spec.kind == ControlKind::InputBox)
            connect(control<QLineEdit>(fromUtf8(spec.name)), &QLineEdit::returnPressed, calculate, &QPushButton::click);
}

void Form1::setTabOrder()
{
    std::vector<const ControlSpec*> focusable;
    for (const ControlSpec& spec : form1Controls)
        if (control<QWidget>(fromUtf8(spec.name))->focusPolicy() & Qt::TabFocus)
            focusable.push_back(&spec);
    std::ranges::stable_sort(focusable,
                             [](const ControlSpec* a, const ControlSpec* b) { return a->tabOrder < b->tabOrder; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(control<QWidget>(fromUtf8(focusable[i - 1]->name)),
                             control<QWidget>(fromUtf8(focusable[i]->name)));
    control<QWidget>(fromUtf8(focusable.front()->name))->setFocus();
}

template <typename Widget>
Widget* Form1::control(const QString& name) const
{
    return qobject_cast<Widget*>(m_controls.value(name));
}

void Form1::Form_Load()
{
    m_supportMode = static_cast<qint16>(calc::SimplySupported);
    control<QRadioButton>(QStringLiteral("Option1(0)"))->setChecked(true);
}

void Form1::Option1_Click(qint16 index)
{
    m_supportMode = static_cast<qint16>(index == 0 ? calc::SimplySupported : calc::Cantilever);
}

void Form1::Command1_Click()
{
    std::map<std::string, std::string> texts;
    for (const ControlSpec& spec : form1Controls)
        if (spec.kind == ControlKind::InputBox)
            texts[std::string(spec.name)] = control<QLineEdit>(fromUtf8(spec.name))->text().toStdString();

    const auto fault
        = calc::runCalculation(texts, m_supportMode, [this](const std::string& name, const std::string& text) {
              control<ResultBox>(QString::fromStdString(name))->showResult(QString::fromStdString(text));
          });
    if (fault)
        reportFault(*fault);
}

void Form1::reportFault(calc::Fault fault)
{
    QMessageBox message(QMessageBox::Warning, applicationTitle, fromUtf8(faultMessage(fault)), QMessageBox::Ok, this);
    message.button(QMessageBox::Ok)->setText(fromUtf8(faultDialogButton));
    message.exec();
}

void Form1::Command2_Click()
{
    close();
    QCoreApplication::quit();
}
