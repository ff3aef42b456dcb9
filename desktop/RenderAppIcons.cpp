// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as PNG files for the desktop's icon theme, one
// per size, into <folder>/<size>x<size>/apps/<name>.png. The build runs this,
// so the installed icons are the very drawing the window shows.
//   kvorax_icons <folder> <name> <size>...

#include "res/Icons.h"
#include "res/ResourceIds.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fputs("usage: kvorax_icons <folder> <name> <size>...\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString fileName = QString::fromLocal8Bit(argv[2]) + QStringLiteral(".png");
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = root.filePath(folder + u'/' + fileName);
        if (size <= 0 || !root.mkpath(folder) || !RenderIcon(IDR_MAINFRAME, size).save(path, "PNG")) {
            std::fprintf(stderr, "kvorax_icons: cannot write the %s pixel icon to %s\n", argv[i], qPrintable(path));
            return 1;
        }
    }
    return 0;
}
