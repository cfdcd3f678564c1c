// SPDX-License-Identifier: GPL-3.0-or-later
#include "oval_window.h"

#include <QRegion>
#include <QWidget>

#include "rounding.h"

namespace velmora {

namespace {

int roundToPixel(double value) {
    return int(roundHalfEven(value));
}

}  // namespace

OvalBounds ovalWindowBounds(int width, int height, int dx, int dy, double tx, double ty) {
    return {roundToPixel(-dx / tx), roundToPixel(-dy / ty), roundToPixel((width + dx) / tx),
            roundToPixel((height + dy) / ty)};
}

double twipsPerPixelX(const QWidget* widget) {
    return 1440.0 / widget->logicalDpiX();
}

double twipsPerPixelY(const QWidget* widget) {
    return 1440.0 / widget->logicalDpiY();
}

void makeOvalWindow(QWidget* window, int dx, int dy) {
    const double tx = twipsPerPixelX(window);
    const double ty = twipsPerPixelY(window);
    const int width = int(window->frameGeometry().width() * tx);
    const int height = int(window->frameGeometry().height() * ty);
    const OvalBounds b = ovalWindowBounds(width, height, dx, dy, tx, ty);
    window->setMask(
        QRegion(QRect(QPoint(b.left, b.top), QPoint(b.right - 1, b.bottom - 1)), QRegion::Ellipse));
}

}  // namespace velmora
