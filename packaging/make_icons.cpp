// Writes the program icon as the PNG sizes of the freedesktop hicolor theme:
//   runewright-make-icons OUTDIR  ->  OUTDIR/16x16/apps/org.runewright.Runewright.png, ...
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "ui/pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: runewright-make-icons OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(dir)) return 1;
        const QString file = dir + QStringLiteral("/org.runewright.Runewright.png");
        if (!rw::ui::WindowIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
