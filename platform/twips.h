// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QWidget>

#include <cmath>

// The windows are laid out in twips, 1/1440 inch: 15 to a pixel at the
// 96 dots per inch the layouts were made for.
namespace velmora {

constexpr int kTwipsPerPixel = 15;

inline int pixels(double twips) {
    return int(std::lround(twips / kTwipsPerPixel));
}

// Left, top, width and height in twips.
inline void placeInTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
}

// The dialog font the layouts were made for, or the nearest face installed.
inline QFont dialogFont(double points) {
    QFont font;
    font.setFamilies({"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"});
    font.setPointSizeF(points);
    return font;
}

}  // namespace velmora
