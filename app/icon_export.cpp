// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Writes the clock icon as the files a desktop needs: PNGs for the freedesktop icon theme and a
// Windows .ico for the executable's resources. Run by the build.
#include "ui/clock_icon.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <vector>

namespace {

constexpr int iconSizes[] = {16, 32, 48, 256};

void appendLittleEndian(QByteArray& out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// An .ico holding every size, each image stored as PNG (read by Windows since Vista and by
// windres as it is). Qt's own ico writer stores one image per file, and Explorer and the taskbar
// pick the size they show from the file: the hand-drawn 16-pixel clock must be among them.
bool writeIco(const QString& path)
{
    std::vector<QByteArray> images;
    for (const int size : iconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!ui::clockImage(size).save(&buffer, "PNG"))
            return false;
        images.push_back(png);
    }

    constexpr int headerBytes = 6;
    constexpr int entryBytes = 16;
    QByteArray ico;
    appendLittleEndian(ico, 0, 2); // reserved
    appendLittleEndian(ico, 1, 2); // type: icon
    appendLittleEndian(ico, quint32(images.size()), 2);
    quint32 offset = headerBytes + (entryBytes * quint32(images.size()));
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = iconSizes[i];
        appendLittleEndian(ico, size == 256 ? 0 : quint32(size), 1); // 0 stands for 256
        appendLittleEndian(ico, size == 256 ? 0 : quint32(size), 1);
        appendLittleEndian(ico, 0, 1);  // no palette: the PNG has full colour and alpha
        appendLittleEndian(ico, 0, 1);  // reserved
        appendLittleEndian(ico, 1, 2);  // colour planes
        appendLittleEndian(ico, 32, 2); // bits per pixel
        appendLittleEndian(ico, quint32(images[i].size()), 4);
        appendLittleEndian(ico, offset, 4);
        offset += quint32(images[i].size());
    }
    for (const QByteArray& png : images)
        ico.append(png);

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size();
}

} // namespace

int main(int argc, char* argv[])
{
    const QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vandrel_icons <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;

    for (const int size : iconSizes) {
        const QString path = out.filePath(QStringLiteral("vandrel-%1.png").arg(size));
        if (!ui::clockImage(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString ico = out.filePath(QStringLiteral("vandrel.ico"));
    if (!writeIco(ico)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ico));
        return 1;
    }
    return 0;
}
