// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

class QPainter;
class QTimer;

#include <functional>

#include "board.h"
#include "game.h"
#include "twips.h"

class QPainter;

namespace velmora {

// The board's drawing surface, `PicMain`: it turns what the game shows
// (marks growing, runs growing, the grid of a new game) into pixels and
// colours, and a click or key on a cell into the cell. Everything is drawn
// in twips (15 to a pixel of the layout) into one persistent image, which
// paintEvent only copies: what was drawn survives covering, minimising and
// restoring, and nothing is ever redrawn from the game state. The origin is
// the top-left corner inside the sunken frame.
//
// The image holds the screen's device pixels (devicePixelRatioF() of them to
// a pixel of the layout), so marks and lines are as sharp as the text beside
// them. Its ratio is taken when the picture is cleared, at every new game: a
// mark drawn later must cover an earlier one's outline pixel for pixel, so
// the ratio never changes under a game in progress.
//
// The board also takes the keyboard: a focus cell, shown as a square over the
// image (never in it) whenever the board has focus, from the start, moves
// with the arrows, Home and End and with clicks, and Space or Enter play it
// as a left click would. Its accessible side is board_accessibility.h.
class BoardPicture : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFramePixels = 2;
    static constexpr int kCells = 9;  // a side
    // The picture is square, this many twips a side.
    static constexpr int kSideTwips = 4000;
    enum class CellContent { Empty, Yours, Opponents };

    explicit BoardPicture(QWidget* parent = nullptr);

    void setSizeTwips(int width, int height);

    // --- the game as it shows (board_drawing.cpp)
    // An empty board with its grid, at the screen's ratio; cells can be played from now on.
    void showNewBoard();
    void showMarkGrowing(Cell cell, Game::Mark mark, int step, int steps);
    void showMark(Cell cell, Game::Mark mark);
    void showRunGrowing(Game::Run run, Game::Pace pace, int step, int steps);
    void showRun(Game::Run run);

    // --- drawing, in twips
    // An empty picture at the screen's ratio, or at `ratio` device pixels to
    // a pixel of the layout.
    void clear();
    void clearAt(qreal ratio);
    void line(double x1, double y1, double x2, double y2, const QColor& colour);
    // The outline from angle `from` to `to`, radians counter-clockwise from 3 o'clock.
    void arc(double cx, double cy, double radius, double from, double to, const QColor& colour);
    void circle(double cx, double cy, double radius, const QColor& colour);

    // In device pixels: image().devicePixelRatio() of them to a pixel of the layout.
    const QImage& image() const { return image_; }

    // The side of a cell in twips; while it is 0 there are no cells to play.
    int cellTwips() const { return cellTwips_; }
    // Cells are (column, row), each 1..kCells.
    void setCellReader(std::function<CellContent(int column, int row)> reader);

    // --- the hint (board_hint.cpp): `cell` outlined over the image, never
    // in it, for kHintMilliseconds or until hideHint.
    static constexpr int kHintMilliseconds = 2000;
    void showHint(Cell cell);
    void hideHint();
    // The cell outlined now; column 0 when none is.
    Cell hintCell() const { return hintCell_; }
    CellContent cellContent(int column, int row) const;
    QPoint focusCell() const { return focusCell_; }
    void setFocusCell(int column, int row);
    // Moves the focus there and plays the cell, as a left click on it would.
    void playCell(int column, int row);
    // The cell inside the frame, widget coordinates.
    QRect cellRect(int column, int row) const;

signals:
    // A left click or a key on a playing cell.
    void cellPressed(Cell cell);
    // A screen reader has been told the focus cell moved; it reads that cell now.
    void focusCellTold();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QPointF toPixels(double x, double y) const;
    // Centre of the n-th cell (1..9) from the left or the top, twips.
    double cellCentre(int n) const;
    // The playing cell under a point inside the frame, layout pixels; column 0 for none.
    Cell cellAt(QPointF inside) const;
    // Over the picture, where the focus cell lies.
    void paintFocusSquare(QPainter& painter) const;
    void updateTwips(const QRectF& twipsBounds);
    // Lines and outlines are about a pixel of the layout wide, in whole screen
    // pixels: a line 1.5 screen pixels wide would come out 1 or 2 wide by
    // where it falls.
    qreal penPixels() const;
    // The window's own face colour, so that the board does not stand apart.
    QColor background() const;
    struct OutlinePixel {
        QPoint at;     // in device pixels, from the top left of the circle's box
        double angle;  // radians counter-clockwise from 3 o'clock, 0 <= angle < 2 pi
    };
    // A circle's outline, penPixels() wide. Circles whose boxes differ by whole
    // pixels share one shape, so each size is rasterised once.
    struct OutlineShape {
        QRectF box;                    // from its own top left pixel
        QVector<OutlinePixel> pixels;  // by angle
    };
    const OutlineShape& outline(const QRectF& box);

    QImage image_;
    QVector<OutlineShape> shapes_;
    int cellTwips_ = 0;
    QPoint focusCell_{(kCells + 1) / 2, (kCells + 1) / 2};
    std::function<CellContent(int, int)> cellReader_;

    void paintHint(QPainter& painter) const;
    Cell hintCell_;
    QTimer* hintTimer_ = nullptr;
};

}  // namespace velmora
