#include "board_picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace velmora {

namespace {

const QColor kBackground(212, 208, 200);  // button face, as the box was created

}  // namespace

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
}

QColor BoardPicture::FromBgr(uint32_t colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void BoardPicture::SetSizeTwips(int width, int height) {
    widthTwips_ = width;
    heightTwips_ = height;
    const int w = int(std::lround(width / double(kTwipsPerPixel)));
    const int h = int(std::lround(height / double(kTwipsPerPixel)));
    setFixedSize(w, h);
    QImage resized(std::max(1, w - 2 * kFramePixels), std::max(1, h - 2 * kFramePixels),
                   QImage::Format_RGB32);
    resized.fill(kBackground);
    if (!image_.isNull()) {
        QPainter(&resized).drawImage(0, 0, image_);
    }
    image_ = resized;
    update();
}

QPointF BoardPicture::ToPixels(double x, double y) const {
    return QPointF(x / kTwipsPerPixel, y / kTwipsPerPixel);
}

void BoardPicture::Paint(const std::function<void(QPainter&)>& draw, const QRectF& twipsBounds) {
    {
        QPainter painter(&image_);
        draw(painter);
    }
    const QRectF pixels(ToPixels(twipsBounds.left(), twipsBounds.top()),
                        ToPixels(twipsBounds.right(), twipsBounds.bottom()));
    update(pixels.toAlignedRect().adjusted(-2, -2, 2 + 2 * kFramePixels, 2 + 2 * kFramePixels));
}

void BoardPicture::Clear() {
    image_.fill(kBackground);
    update();
}

void BoardPicture::Line(double x1, double y1, double x2, double y2, uint32_t colour) {
    Paint(
        [&](QPainter& p) {
            p.setPen(QPen(FromBgr(colour), 1));
            p.drawLine(ToPixels(x1, y1), ToPixels(x2, y2));
        },
        QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
               QPointF(std::max(x1, x2), std::max(y1, y2))));
}

void BoardPicture::Arc(double cx, double cy, double radius, double from, double to,
                       uint32_t colour) {
    const QRectF box(cx - radius, cy - radius, 2 * radius, 2 * radius);
    Paint(
        [&](QPainter& p) {
            // The circle itself, seen only through the sector of the arc: every
            // pixel of an arc is a pixel of the full circle, so a later circle
            // of another colour covers it exactly.
            const QPointF centre = ToPixels(cx, cy);
            const double reach = radius / kTwipsPerPixel + 4;
            const double degrees = 180.0 / M_PI;
            QPainterPath sector(centre);
            sector.arcTo(QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach),
                         from * degrees, (to - from) * degrees);
            sector.closeSubpath();
            p.setClipPath(sector);
            p.setPen(QPen(FromBgr(colour), 1));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(
                QRectF(ToPixels(box.left(), box.top()), ToPixels(box.right(), box.bottom())));
        },
        box);
}

void BoardPicture::Circle(double cx, double cy, double radius, uint32_t colour) {
    const QRectF box(cx - radius, cy - radius, 2 * radius, 2 * radius);
    Paint(
        [&](QPainter& p) {
            p.setPen(QPen(FromBgr(colour), 1));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(
                QRectF(ToPixels(box.left(), box.top()), ToPixels(box.right(), box.bottom())));
        },
        box);
}

void BoardPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(kFramePixels, kFramePixels, image_);
    // The sunken frame, drawn over the edge of the picture.
    const QRect r = rect();
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
    painter.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
    painter.setPen(Qt::white);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(kBackground);
    painter.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
    painter.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
}

void BoardPicture::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
        case Qt::LeftButton:
            button = 1;
            break;
        case Qt::RightButton:
            button = 2;
            break;
        case Qt::MiddleButton:
            button = 4;
            break;
        default:
            return;
    }
    const QPointF inside = event->position() - QPointF(kFramePixels, kFramePixels);
    emit MouseDown(button, inside.x() * kTwipsPerPixel, inside.y() * kTwipsPerPixel);
}

}  // namespace velmora
