// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace velmora {

// The ellipse's bounding box, in pixels from the window's outer top-left
// corner, for a window of `width` x `height` twips shrunk by dx and dy twips
// (negative values shrink), at tx and ty twips per pixel. Each edge is
// rounded to the nearest pixel, halves to the even one. The rectangle runs
// from (left, top) to (right, bottom) inclusive of both as numbers, as the
// window system's ellipse takes them.
struct OvalBounds {
    int left;
    int top;
    int right;
    int bottom;
};
OvalBounds ovalWindowBounds(int width, int height, int dx, int dy, double tx, double ty);

// Gives `window` that elliptic outline at the screen's twips per pixel.
// Outside the ellipse nothing is painted and clicks pass through.
void makeOvalWindow(QWidget* window, int dx, int dy);

// Twips per pixel of the screen the widget is on, across and down.
double twipsPerPixelX(const QWidget* widget);
double twipsPerPixelY(const QWidget* widget);

}  // namespace velmora
