// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <iterator>

namespace velmora {

namespace {

// The classic 16-colour palette.
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kCyan(0, 255, 255);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);

// `side` pixels of the layout square, `ratio` device pixels to each: a
// painter on it draws in pixels of the layout.
QImage blank(int side, qreal ratio = 1) {
    QImage image(QSize(side, side) * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

QImage mainWindowIconImage() {
    QImage image = blank(16);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawEllipse(0, 0, 16, 16);
    // A figure 8 of two stacked rings on the left, a 1 on the right, in pixels.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRed, 1));
    p.drawRect(3, 3, 4, 4);
    p.drawRect(3, 7, 4, 5);
    p.setPen(QPen(kBlue, 2));
    p.drawLine(11, 3, 11, 12);
    p.setPen(QPen(kBlue, 1));
    p.drawLine(9, 5, 10, 4);
    return image;
}

QIcon mainWindowIcon() {
    return QIcon(QPixmap::fromImage(mainWindowIconImage()));
}

namespace {

// A round face with a black outline, two eyes and the mouth of `mood`.
QImage drawFace(const QColor& skin, Face mood, qreal ratio = 1) {
    QImage image = blank(32, ratio);
    QPainter p(&image);
    p.setPen(QPen(kBlack, 2));
    p.setBrush(skin);
    p.drawEllipse(2, 2, 27, 27);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawRect(10, 10, 3, 4);
    p.drawRect(19, 10, 3, 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlack, 2));
    switch (mood) {
        case Face::Win:
            p.drawArc(QRect(9, 12, 14, 10), 200 * 16, 140 * 16);
            break;
        case Face::Lost:
            p.drawArc(QRect(9, 19, 14, 10), 20 * 16, 140 * 16);
            break;
        case Face::Level:
            p.drawLine(10, 21, 22, 21);
            break;
    }
    return image;
}

}  // namespace

QImage faceImage(Face face, qreal ratio) {
    return drawFace(face == Face::Win ? kCyan : face == Face::Lost ? kGrey : kSilver, face, ratio);
}

QImage emblemImage(qreal ratio) {
    QImage image = blank(32, ratio);
    QPainter p(&image);
    const QColor olive(128, 128, 0);
    p.setPen(QPen(kBlack, 1));
    p.setBrush(kYellow);
    // Ears, then the head over them.
    p.drawPolygon(QPolygon({QPoint(4, 3), QPoint(13, 9), QPoint(6, 15)}));
    p.drawPolygon(QPolygon({QPoint(27, 3), QPoint(18, 9), QPoint(25, 15)}));
    p.drawEllipse(4, 7, 23, 21);
    p.setBrush(olive);
    p.setPen(Qt::NoPen);
    p.drawRect(10, 14, 4, 3);
    p.drawRect(18, 14, 4, 3);
    p.setBrush(kRed);
    p.drawPolygon(QPolygon({QPoint(14, 19), QPoint(17, 19), QPoint(15, 21)}));
    p.setPen(QPen(kBlack, 1));
    p.drawLine(15, 21, 13, 24);
    p.drawLine(15, 21, 18, 24);
    for (int y : {20, 23}) {
        p.drawLine(1, y - 1, 10, y);
        p.drawLine(21, y, 30, y - 1);
    }
    return image;
}

QImage aboutIconImage() {
    QImage image = blank(32);
    QPainter p(&image);
    p.setPen(QPen(kBlue, 1));
    p.setBrush(Qt::NoBrush);
    // Rows of bricks from four at the bottom to one at the top, each row
    // set half a brick in.
    const int brickWidth = 7;
    const int brickHeight = 5;
    for (int row = 0; row < 4; ++row) {
        const int bricks = 4 - row;
        const int left = 2 + row * (brickWidth + 1) / 2;
        const int top = 27 - (row + 1) * (brickHeight + 1);
        for (int b = 0; b < bricks; ++b) {
            p.drawRect(left + b * (brickWidth + 1), top, brickWidth, brickHeight);
        }
    }
    return image;
}

QImage makerLogoImage(qreal ratio) {
    QImage image(QSize(150, 33) * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor navy(0, 0, 128);
    const QColor maroon(128, 0, 0);
    // A wing in three feathers.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 1 ? maroon : navy);
        QPainterPath feather;
        feather.moveTo(4, 27 - i * 2);
        feather.cubicTo(12, 8 - i * 2, 26, 3 + i * 3, 38 - i * 4, 6 + i * 5);
        feather.cubicTo(26, 12 + i * 3, 16, 20, 4, 27 - i * 2);
        p.drawPath(feather);
    }
    QFont font;
    font.setFamilies({"Liberation Serif", "Times New Roman", "DejaVu Serif"});
    font.setPixelSize(18);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    p.setFont(font);
    p.setPen(navy);
    p.drawText(QRect(40, 0, 110, 33), Qt::AlignVCenter | Qt::AlignLeft, "KESTRANE");
    return image;
}

QImage splashBackgroundImage() {
    QImage image(317, 221, QImage::Format_RGB32);
    const QColor top(255, 255, 0);
    const QColor bottom(155, 195, 245);  // a light cornflower blue
    for (int y = 0; y < image.height(); ++y) {
        const double t = double(y) / (image.height() - 1);
        const QRgb colour = qRgb(int(top.red() + t * (bottom.red() - top.red()) + 0.5),
                                 int(top.green() + t * (bottom.green() - top.green()) + 0.5),
                                 int(top.blue() + t * (bottom.blue() - top.blue()) + 0.5));
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + image.width(), colour);
    }
    return image;
}

QImage smileCursorImage() {
    return drawFace(kYellow, Face::Win);
}

QImage pointingHandImage() {
    // '#' outline (black), '.' inside (white); the index finger points up
    // from the hot spot at column 5, row 0.
    static const char* const rows[] = {
        "    ##          ", "   #..#         ", "   #..#         ", "   #..#         ",
        "   #..#         ", "   #..###       ", "   #..#..###    ", "   #..#..#..##  ",
        "## #..#..#..#.# ", "#..#........#..#", "#..#...........#", " #.............#",
        "  #............#", "  #...........# ", "   #..........# ", "   #.........#  ",
        "    #........#  ", "    ##########  ",
    };
    QImage image = blank(32);
    for (int y = 0; y < int(std::size(rows)); ++y) {
        for (int x = 0; rows[y][x] != '\0'; ++x) {
            if (rows[y][x] == '#') {
                image.setPixel(x + 1, y, qRgb(0, 0, 0));
            } else if (rows[y][x] == '.') {
                image.setPixel(x + 1, y, qRgb(255, 255, 255));
            }
        }
    }
    return image;
}

QCursor smileCursor() {
    return QCursor(QPixmap::fromImage(smileCursorImage()), 15, 15);
}

QCursor pointingHandCursor() {
    return QCursor(QPixmap::fromImage(pointingHandImage()), 5, 0);
}

}  // namespace velmora
