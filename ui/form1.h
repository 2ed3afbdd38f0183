// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/fault.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <memory>

class QStyle;

// The calculator's one window. Its controls come from the layout table; it keeps the support
// mode and hands the twelve input texts to the calculation on every press of "计算".
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // 1 simply supported, 2 cantilever.
    qint16 supportMode() const { return m_supportMode; }

private:
    // The four events the window reacts to.
    void Form_Load();
    void Option1_Click(qint16 index);
    void Command1_Click();
    void Command2_Click();

    void createControls();
    void setTabOrder();
    void reportFault(calc::Fault fault);
    template <typename Widget>
    Widget* control(const QString& name) const;

    std::unique_ptr<QStyle> m_style;
    QHash<QString, QWidget*> m_controls;
    qint16 m_supportMode = 0;
};
