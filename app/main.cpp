// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#include "ui/form1.h"

#include <QApplication>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    // While this name exists the program is open: the installer and the uninstaller look for it
    // and refuse to replace or remove the files of a running program. Windows drops it at exit.
    CreateMutexW(nullptr, FALSE, VANDREL_RUNNING_MUTEX);
#endif
    const QApplication app(argc, argv);
    Form1 window;
    window.show();
    return QApplication::exec();
}
