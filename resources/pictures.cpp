#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

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

QImage Blank(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

QImage MainWindowIconImage() {
    QImage image = Blank(16);
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

QIcon MainWindowIcon() { return QIcon(QPixmap::fromImage(MainWindowIconImage())); }

QImage FaceImage(Face face) {
    QImage image = Blank(32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor skin = face == Face::Win ? kCyan : face == Face::Lost ? kGrey : kSilver;
    p.setPen(QPen(kBlack, 2));
    p.setBrush(skin);
    p.drawEllipse(2, 2, 27, 27);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawRect(10, 10, 3, 4);
    p.drawRect(19, 10, 3, 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlack, 2));
    switch (face) {
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

}  // namespace velmora
