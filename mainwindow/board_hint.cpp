// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's outline: painted over the board's image like the focus square,
// so the image of the game stays exactly as the moves drew it.
#include <QPainter>
#include <QTimer>

#include "board_picture.h"

namespace velmora {

void BoardPicture::showHint(Cell cell) {
    if (hintTimer_ == nullptr) {
        hintTimer_ = new QTimer(this);
        hintTimer_->setSingleShot(true);
        connect(hintTimer_, &QTimer::timeout, this, &BoardPicture::hideHint);
    }
    hideHint();
    hintCell_ = cell;
    hintTimer_->start(kHintMilliseconds);
    update(cellRect(cell.column, cell.row));
}

void BoardPicture::hideHint() {
    if (hintCell_.column != 0) {
        update(cellRect(hintCell_.column, hintCell_.row));
        hintCell_ = {};
    }
    if (hintTimer_ != nullptr) {
        hintTimer_->stop();
    }
}

void BoardPicture::paintHint(QPainter& painter) const {
    if (hintCell_.column == 0 || cellTwips_ == 0) {
        return;
    }
    // Green, which no mark or run is, two pixels wide just inside the grid.
    painter.save();
    painter.setPen(QPen(QColor(0, 150, 0), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(cellRect(hintCell_.column, hintCell_.row)).adjusted(2, 2, -2, -2));
    painter.restore();
}

}  // namespace velmora
