// Writes the program icon as PNG files of the sizes given, for the icon
// theme, from the same drawing the window uses: iconos FOLDER SIZE...
#include "qt/Artwork.h"

#include <QDir>

#include <cstdio>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 3) return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;
    for (int i = 2; i < argc; ++i) {
        const int side = std::stoi(argv[i]);
        const QString file = folder.filePath(QStringLiteral("%1.png").arg(side));
        if (!quelvar::artwork::iconImage(side).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
