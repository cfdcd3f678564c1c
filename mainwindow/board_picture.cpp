// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "board_accessibility.h"

namespace velmora {

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    installBoardAccessibility();
}

QColor BoardPicture::background() const {
    return palette().color(QPalette::Window);
}

void BoardPicture::setSizeTwips(int width, int height) {
    const int w = int(std::lround(width / double(kTwipsPerPixel)));
    const int h = int(std::lround(height / double(kTwipsPerPixel)));
    setFixedSize(w, h);
    const QImage old = image_;
    clearAt(old.isNull() ? devicePixelRatioF() : old.devicePixelRatio());
    if (!old.isNull()) {
        QPainter(&image_).drawImage(0, 0, old);
    }
}

qreal BoardPicture::penPixels() const {
    return std::max(1.0, std::round(image_.devicePixelRatio()));
}

QPointF BoardPicture::toPixels(double x, double y) const {
    return QPointF(x / kTwipsPerPixel, y / kTwipsPerPixel);
}

void BoardPicture::updateTwips(const QRectF& twipsBounds) {
    const QRectF pixels(toPixels(twipsBounds.left(), twipsBounds.top()),
                        toPixels(twipsBounds.right(), twipsBounds.bottom()));
    update(pixels.toAlignedRect().adjusted(-2, -2, 2 + 2 * kFramePixels, 2 + 2 * kFramePixels));
}

void BoardPicture::clear() {
    clearAt(devicePixelRatioF());
}

void BoardPicture::clearAt(qreal ratio) {
    const QSize inside(std::max(1, width() - 2 * kFramePixels),
                       std::max(1, height() - 2 * kFramePixels));
    if (image_.devicePixelRatio() != ratio || image_.size() != (QSizeF(inside) * ratio).toSize()) {
        image_ = QImage((QSizeF(inside) * ratio).toSize(), QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        shapes_.clear();
    }
    image_.fill(background());
    update();
}

void BoardPicture::line(double x1, double y1, double x2, double y2, const QColor& colour) {
    {
        QPainter painter(&image_);
        const QPointF from = toPixels(x1, y1);
        if (from == toPixels(x2, y2) && image_.devicePixelRatio() != 1) {
            // The first step of a growing line has no length. Qt would draw it
            // as a dash twice as long as the pen is wide, which the black line
            // later drawn over it leaves showing; a dot of the pen's width is
            // covered.
            const qreal side = penPixels() / image_.devicePixelRatio();
            painter.fillRect(QRectF(from - QPointF(side, side) / 2, QSizeF(side, side)), colour);
        } else {
            painter.setPen(QPen(colour, penPixels() / image_.devicePixelRatio()));
            painter.drawLine(from, toPixels(x2, y2));
        }
    }
    updateTwips(QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                       QPointF(std::max(x1, x2), std::max(y1, y2))));
}

const BoardPicture::OutlineShape& BoardPicture::outline(const QRectF& box) {
    const QRectF local = box.translated(-std::floor(box.left()), -std::floor(box.top()));
    for (const OutlineShape& shape : shapes_) {
        if (shape.box == local) {
            return shape;  // a mark is drawn arc after arc, then circled again
        }
    }
    if (shapes_.size() >= 16) {
        shapes_.clear();  // the circles of the last few moves are plenty
    }
    // The circle rasterised once, on its own, in the image's own pixels, and
    // read back pixel by pixel.
    const int margin = int(std::ceil(2 * image_.devicePixelRatio()));
    const QRect bounds = local.toAlignedRect().adjusted(-margin, -margin, margin, margin);
    QImage scratch(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    {
        QPainter painter(&scratch);
        painter.translate(-bounds.topLeft());
        painter.setPen(QPen(Qt::black, penPixels()));
        painter.drawEllipse(local);
    }
    // Each pixel with its angle from the middle, which every arc step reads.
    OutlineShape shape{local, {}};
    const QPointF centre = local.center();
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                const QPoint pixel = bounds.topLeft() + QPoint(x, y);
                double angle =
                    std::atan2(centre.y() - (pixel.y() + 0.5), (pixel.x() + 0.5) - centre.x());
                if (angle < 0) {
                    angle += 2 * M_PI;
                }
                shape.pixels.append({pixel, angle});
            }
        }
    }
    // By angle, so an arc step visits only its own pixels.
    std::sort(shape.pixels.begin(), shape.pixels.end(),
              [](const OutlinePixel& a, const OutlinePixel& b) { return a.angle < b.angle; });
    shapes_.append(shape);
    return shapes_.last();
}

void BoardPicture::arc(double cx, double cy, double radius, double from, double to,
                       const QColor& colour) {
    const qreal ratio = image_.devicePixelRatio();
    const QRectF box(toPixels(cx - radius, cy - radius) * ratio,
                     toPixels(cx + radius, cy + radius) * ratio);
    const QPoint origin(int(std::floor(box.left())), int(std::floor(box.top())));
    // The pixels of the full circle that lie in the arc's sector: a later
    // circle of another colour covers them exactly.
    const QVector<OutlinePixel>& pixels = outline(box).pixels;
    const auto byAngle = [](const OutlinePixel& pixel, double angle) {
        return pixel.angle < angle;
    };
    const auto first = std::lower_bound(pixels.begin(), pixels.end(), from, byAngle);
    const auto last = std::lower_bound(first, pixels.end(), std::nextafter(to, 7.0), byAngle);
    const QRgb rgb = colour.rgb();
    auto* bits = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
    for (auto pixel = first; pixel != last; ++pixel) {
        const QPoint at = origin + pixel->at;
        if (image_.valid(at)) {
            bits[at.y() * stride + at.x()] = rgb;
        }
    }
    updateTwips(QRectF(cx - radius, cy - radius, 2 * radius, 2 * radius));
}

void BoardPicture::circle(double cx, double cy, double radius, const QColor& colour) {
    arc(cx, cy, radius, 0, 2 * M_PI, colour);
}

void BoardPicture::setCellReader(std::function<CellContent(int, int)> reader) {
    cellReader_ = std::move(reader);
}

BoardPicture::CellContent BoardPicture::cellContent(int column, int row) const {
    return cellReader_ ? cellReader_(column, row) : CellContent::Empty;
}

QRect BoardPicture::cellRect(int column, int row) const {
    const auto edge = [this](int cells) {
        return kFramePixels + int(std::lround(cells * double(cellTwips_) / kTwipsPerPixel));
    };
    return QRect(QPoint(edge(column - 1), edge(row - 1)), QPoint(edge(column) - 1, edge(row) - 1));
}

void BoardPicture::setFocusCell(int column, int row) {
    const QPoint cell(std::clamp(column, 1, kCells), std::clamp(row, 1, kCells));
    if (cell == focusCell_) {
        return;
    }
    update(cellRect(focusCell_.x(), focusCell_.y()));
    focusCell_ = cell;
    update(cellRect(cell.x(), cell.y()));
    if (hasFocus()) {
        tellFocusCell(this);
        emit focusCellTold();
    }
}

void BoardPicture::playCell(int column, int row) {
    if (cellTwips_ == 0) {
        return;
    }
    setFocusCell(column, row);
    emit cellPressed({focusCell_.x(), focusCell_.y()});
}

void BoardPicture::paintFocusSquare(QPainter& painter) const {
    // Two bands, each two pixels of the layout wide (at least two of the
    // screen's): black stands out on the grey, yellow on the blue and red
    // marks and on the black lines of runs; inside them the mark stays clear.
    const QRect outer = cellRect(focusCell_.x(), focusCell_.y()).adjusted(2, 2, -2, -2);
    const QColor bands[] = {Qt::black, QColor(255, 255, 0)};
    for (int band = 0; band < 2; ++band) {
        QPainterPath ring;
        ring.setFillRule(Qt::OddEvenFill);
        ring.addRect(outer.adjusted(2 * band, 2 * band, -2 * band, -2 * band));
        ring.addRect(outer.adjusted(2 * band + 2, 2 * band + 2, -2 * band - 2, -2 * band - 2));
        painter.fillPath(ring, bands[band]);
    }
}

void BoardPicture::keyPressEvent(QKeyEvent* event) {
    QPoint cell = focusCell_;
    switch (event->key()) {
        case Qt::Key_Left:
            cell.rx() -= 1;
            break;
        case Qt::Key_Right:
            cell.rx() += 1;
            break;
        case Qt::Key_Up:
            cell.ry() -= 1;
            break;
        case Qt::Key_Down:
            cell.ry() += 1;
            break;
        case Qt::Key_Home:
            cell.rx() = 1;
            break;
        case Qt::Key_End:
            cell.rx() = kCells;
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            playCell(cell.x(), cell.y());
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    setFocusCell(cell.x(), cell.y());
}

void BoardPicture::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);  // repaints, with the focus square
    tellFocusCell(this);
}

void BoardPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Only the changed part of the picture is copied. An image made at
    // another ratio than the screen's (the window moved screens mid-game)
    // is scaled here until the next game starts a sharp one.
    const QRect r = rect();
    const QRect inside = r.adjusted(kFramePixels, kFramePixels, -kFramePixels, -kFramePixels);
    const QRect target = event->rect() & inside;
    const qreal ratio = image_.devicePixelRatio();
    painter.drawImage(QRectF(target), image_,
                      QRectF(QPointF(target.topLeft() - inside.topLeft()) * ratio,
                             QSizeF(target.size()) * ratio));
    if (hasFocus() && cellTwips_ > 0) {
        // Over the image, never in it: moving on repaints what lay beneath.
        paintFocusSquare(painter);
    }
    paintHint(painter);
    if (inside.contains(event->rect())) {
        return;  // the frame is untouched
    }
    // The sunken frame, drawn over the edge of the picture.
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
    painter.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
    painter.setPen(Qt::white);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(background());
    painter.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
    painter.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
}

Cell BoardPicture::cellAt(QPointF inside) const {
    if (cellTwips_ == 0) {
        return {};
    }
    // Compared as reals first: a point far outside never becomes an integer.
    const double column = std::floor(inside.x() * kTwipsPerPixel / cellTwips_) + 1;
    const double row = std::floor(inside.y() * kTwipsPerPixel / cellTwips_) + 1;
    if (column < 1 || column > kCells || row < 1 || row > kCells) {
        return {};
    }
    return {int(column), int(row)};
}

void BoardPicture::mousePressEvent(QMouseEvent* event) {
    // Only the left button plays; the others do nothing on the board.
    const Cell cell = cellAt(event->position() - QPointF(kFramePixels, kFramePixels));
    if (event->button() == Qt::LeftButton && cell.column != 0) {
        playCell(cell.column, cell.row);
    }
}

}  // namespace velmora
