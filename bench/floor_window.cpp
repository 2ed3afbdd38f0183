// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// The floor for start-up: a bare window of the calculator's size showing one label in each of the
// three faces the calculator uses. Loading and shaping those faces, the Chinese ones above all,
// is most of what any such window costs; what the calculator takes beyond this is its own.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include <utility>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(498, 460);

    QFont sansSerif;
    sansSerif.setFamilies({"MS Sans Serif", "DejaVu Sans", "WenQuanYi Micro Hei"});
    sansSerif.setPixelSize(16);
    QFont song;
    song.setFamilies({"宋体", "SimSun", "AR PL UMing CN"});
    song.setPixelSize(16);
    song.setStyleStrategy(QFont::NoAntialias);
    QFont hei;
    hei.setFamilies({"黑体", "SimHei", "WenQuanYi Micro Hei"});
    hei.setPixelSize(21);

    int top = 20;
    for (const auto& [font, text] :
         {std::pair{sansSerif, QStringLiteral("几何尺寸：b mm")}, std::pair{song, QStringLiteral("材料：0.4")},
          std::pair{hei, QStringLiteral("计算")}}) {
        auto* label = new QLabel(text, &window);
        label->setFont(font);
        label->move(20, top);
        top += 40;
    }
    window.show();
    return QApplication::exec();
}
