// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Time from a press of "计算" to the five result boxes holding their texts and the window
// repainted. The goal is one frame of a 60 Hz screen; the figure is reported, never enforced,
// because it says as much about the machine as about the program.
#include "ui/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "click_to_result: the window was never shown\n");
        return 1;
    }
    auto* calculate = form.findChild<QPushButton*>(QStringLiteral("Command1"));
    const QList<QLineEdit*> results = {
        form.findChild<QLineEdit*>(QStringLiteral("TxtStressx")),
        form.findChild<QLineEdit*>(QStringLiteral("TxtStressy")),
        form.findChild<QLineEdit*>(QStringLiteral("TxtDeflection")),
        form.findChild<QLineEdit*>(QStringLiteral("TxtRatio")),
        form.findChild<QLineEdit*>(QStringLiteral("TxtDeadweight")),
    };
    if (!calculate || results.contains(nullptr)) {
        std::fprintf(stderr, "click_to_result: the window lacks 计算 or a result box\n");
        return 1;
    }

    constexpr int presses = 101;
    std::vector<double> milliseconds;
    for (int i = 0; i < presses; ++i) {
        for (QLineEdit* box : results)
            box->clear();
        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(calculate, Qt::LeftButton);
        form.repaint();
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (std::any_of(results.begin(), results.end(), [](const QLineEdit* box) { return box->text().isEmpty(); })) {
            std::fprintf(stderr, "click_to_result: a result box stayed empty after 计算\n");
            return 1;
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("click to results: median %.2f ms, fastest %.2f ms, slowest %.2f ms over %d presses "
                "(goal: one frame, 16.7 ms)\n",
                milliseconds[presses / 2], milliseconds.front(), milliseconds.back(), presses);
    return 0;
}
