// Writes the program icon, as the program paints it, into a hicolor icon theme folder:
// FOLDER/hicolor/NxN/apps/trabik.png for every size the desktops ask for.
#include "app/Artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: trabik-render-icon FOLDER\n", stderr);
        return 2;
    }
    for (int size : { 16, 22, 24, 32, 48, 64, 128, 256 }) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(arguments[1]).arg(size);
        QImage picture = ProgramIconPicture(size).toImage();
        picture.setDevicePixelRatio(1);
        if (!QDir().mkpath(folder) || picture.size() != QSize(size, size)
            || !picture.save(folder + QStringLiteral("/trabik.png"))) {
            std::fprintf(stderr, "trabik-render-icon: cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
