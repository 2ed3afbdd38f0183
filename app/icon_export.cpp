// Writes the clock icon as the files a desktop needs: PNGs for the freedesktop icon theme and a
// Windows .ico with the 16- and 32-pixel images. Run by the build.
#include "ui/clock_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vandrel_icons <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;

    for (const int size : {16, 32, 48, 256}) {
        const QString path = out.filePath(QStringLiteral("vandrel-%1.png").arg(size));
        if (!ui::clockImage(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    // The .ico is written where Qt's ico plugin is present; Linux packages do not use it.
    if (QImageWriter::supportedImageFormats().contains("ico"))
        ui::clockImage(32).save(out.filePath(QStringLiteral("vandrel.ico")), "ICO");
    return 0;
}
