// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// The yardstick for start-up: an empty fixed-size Qt window of the calculator's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(498, 460);
    window.show();
    return QApplication::exec();
}
