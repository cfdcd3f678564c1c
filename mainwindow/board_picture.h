#pragma once

#include <QImage>
#include <QWidget>

#include "twips.h"

namespace velmora {

// The board's drawing surface, `PicMain`. Everything is drawn in twips (15 to
// a pixel) into one persistent image, which paintEvent only copies: what was
// drawn survives covering, minimising and restoring, and nothing is ever
// redrawn from the game state. The origin is the top-left corner inside the
// sunken frame; the box's outer size is what WidthTwips and HeightTwips give.
class BoardPicture : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFramePixels = 2;

    explicit BoardPicture(QWidget* parent = nullptr);

    void SetSizeTwips(int width, int height);
    int WidthTwips() const { return widthTwips_; }
    int HeightTwips() const { return heightTwips_; }

    // Colours are 0x00BBGGRR, blue in the high byte.
    void Clear();
    void Line(double x1, double y1, double x2, double y2, uint32_t colour);
    // The outline from angle `from` to `to`, radians counter-clockwise from 3 o'clock.
    void Arc(double cx, double cy, double radius, double from, double to, uint32_t colour);
    void Circle(double cx, double cy, double radius, uint32_t colour);

    const QImage& Image() const { return image_; }

    static QColor FromBgr(uint32_t colour);
    uint32_t ForeColour() const { return 0x000000; }

signals:
    // button: 1 left, 2 right, 4 middle; x and y in twips.
    void MouseDown(int button, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPointF ToPixels(double x, double y) const;
    void Paint(const std::function<void(QPainter&)>& draw, const QRectF& twipsBounds);

    QImage image_;
    int widthTwips_ = 0;
    int heightTwips_ = 0;
};

}  // namespace velmora
