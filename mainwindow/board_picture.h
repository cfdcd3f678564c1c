#pragma once

#include <QImage>
#include <QWidget>

#include "twips.h"

namespace velmora {

// The board's drawing surface, `PicMain`. Everything is drawn in twips (15 to
// a pixel) into one persistent image, which paintEvent only copies: what was
// drawn survives covering, minimising and restoring, and nothing is ever
// redrawn from the game state. The origin is the top-left corner inside the
// sunken frame.
class BoardPicture : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFramePixels = 2;

    explicit BoardPicture(QWidget* parent = nullptr);

    void setSizeTwips(int width, int height);

    // Colours are 0x00BBGGRR, blue in the high byte.
    void clear();
    void line(double x1, double y1, double x2, double y2, quint32 colour);
    // The outline from angle `from` to `to`, radians counter-clockwise from 3 o'clock.
    void arc(double cx, double cy, double radius, double from, double to, quint32 colour);
    void circle(double cx, double cy, double radius, quint32 colour);

    const QImage& image() const { return image_; }

    static QColor fromBgr(quint32 colour);

signals:
    // button: 1 left, 2 right, 4 middle; x and y in twips.
    void pressed(int button, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPointF toPixels(double x, double y) const;
    void updateTwips(const QRectF& twipsBounds);
    // The pixels of the circle's 1-pixel outline, in image coordinates.
    const QVector<QPoint>& outline(double cx, double cy, double radius);

    QImage image_;
    QRectF outlineBox_;
    QVector<QPoint> outline_;
};

}  // namespace velmora
