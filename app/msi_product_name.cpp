// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Writes the product's Chinese name into an MSI package that Debian's wixl built with an ASCII
// one: sets the database's code page to 936 (Simplified Chinese, as Windows Installer expects of
// Chinese text) and renames the product and its Start-menu shortcut. Runs under Wine, whose
// Windows Installer converts the text to the code page; wixl and msibuild cannot.
//
//     msi_product_name PACKAGE.msi FOLDER NAME
//
// FOLDER holds _ForceCodepage.idt, the table that sets the code page.

#include <windows.h>

#include <msi.h>
#include <msiquery.h>

#include <cstdio>
#include <string>

namespace {

bool execute(MSIHANDLE database, const std::wstring& query)
{
    MSIHANDLE view = 0;
    if (MsiDatabaseOpenViewW(database, query.c_str(), &view) != ERROR_SUCCESS)
        return false;
    const bool done = MsiViewExecute(view, 0) == ERROR_SUCCESS;
    MsiCloseHandle(view);
    return done;
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 4) {
        std::fputs("usage: msi_product_name PACKAGE.msi FOLDER NAME\n", stderr);
        return 2;
    }
    const std::wstring name = argv[3];
    MSIHANDLE database = 0;
    if (MsiOpenDatabaseW(argv[1], MSIDBOPEN_TRANSACT, &database) != ERROR_SUCCESS) {
        std::fputs("msi_product_name: cannot open the package\n", stderr);
        return 1;
    }
    const std::wstring product = L"UPDATE `Property` SET `Value` = '" + name + L"' WHERE `Property` = 'ProductName'";
    // The shortcut's name is a short and a long file name.
    const std::wstring shortcut
        = L"UPDATE `Shortcut` SET `Name` = 'VANDREL|" + name + L"' WHERE `Shortcut` = 'StartMenu'";
    bool done = MsiDatabaseImportW(database, argv[2], L"_ForceCodepage.idt") == ERROR_SUCCESS;
    done = done && execute(database, product) && execute(database, shortcut);
    done = done && MsiDatabaseCommit(database) == ERROR_SUCCESS;
    MsiCloseHandle(database);
    if (!done) {
        std::fputs("msi_product_name: cannot rename the product\n", stderr);
        return 1;
    }
    return 0;
}
