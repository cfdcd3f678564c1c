// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's desktop icon, the product emblem of resources/pictures,
// at the sizes of the freedesktop icon theme:
//   OUTPUT_FOLDER/<size>x<size>/apps/<ICON_NAME>.png for 16 to 256 pixels.
// Usage: make_icons OUTPUT_FOLDER ICON_NAME
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

#include "pictures.h"

namespace {

using velmora::emblemImage;

// The emblem is pixel art: whole multiples of its size keep every pixel
// square and sharp; other sizes are smoothed down from the next multiple up,
// so no row or column of the art is dropped.
QImage emblemAt(int size) {
    const QImage emblem = emblemImage();
    const int multiple = (size + emblem.width() - 1) / emblem.width() * emblem.width();
    const QImage sharp =
        emblem.scaled(multiple, multiple, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (multiple == size) {
        return sharp;
    }
    return sharp.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_FOLDER ICON_NAME\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString sizeFolder = QString("%1/%2x%2/apps").arg(folder).arg(size);
        const QString path = sizeFolder + "/" + name + ".png";
        if (!QDir().mkpath(sizeFolder) || !emblemAt(size).save(path, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
