// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const QApplication app(argc, argv);
    Form1 window;
    window.show();
    return QApplication::exec();
}
