// SPDX-License-Identifier: GPL-3.0-or-later
// The board and the clips on a screen scaled by two (QT_SCALE_FACTOR=2 in tests/CMakeLists.txt).
#include <QTest>

#include <algorithm>
#include <cmath>

#include "avi_reader.h"
#include "board_picture.h"
#include "clip_control.h"

using velmora::BoardPicture;

static const QRgb kRed = qRgb(255, 0, 0);
static QVector<QPoint> pixelsOf(const BoardPicture& board, QRgb colour) {
    QVector<QPoint> found;
    const QImage& image = board.image();
    for (int i = 0; i < image.width() * image.height(); ++i) {
        if (image.pixel(i % image.width(), i / image.width()) == colour) {
            found << QPoint(i % image.width(), i / image.width());
        }
    }
    return found;
}

class BoardScaleTest : public QObject {
    Q_OBJECT

private slots:
    void aMarkAtRatioTwoIsACircleInHalfPixels_data() {
        QTest::addColumn<QPointF>("middle");  // in twips
        QTest::addColumn<double>("radius");
        QTest::newRow("a mark in the corner cell") << QPointF(222, 222) << 88.8;
        QTest::newRow("a wide circle off the grid") << QPointF(1000.5, 1333.3) << 600.0;
    }
    void aMarkAtRatioTwoIsACircleInHalfPixels() {
        QFETCH(QPointF, middle);
        QFETCH(double, radius);
        QWidget window;
        BoardPicture one;
        auto* two = new BoardPicture(&window);
        two->move(20, 20);
        one.setSizeTwips(4020, 4020);
        two->setSizeTwips(4020, 4020);
        one.clearAt(1);
        two->clear();  // at the screen's ratio
        one.circle(middle.x(), middle.y(), radius, Qt::red);
        two->arc(middle.x(), middle.y(), radius, 0, M_PI / 2, Qt::blue);
        const QVector<QPoint> quarter = pixelsOf(*two, qRgb(0, 0, 255));
        two->circle(middle.x(), middle.y(), radius, Qt::red);  // covers the quarter exactly
        QVERIFY(pixelsOf(*two, qRgb(0, 0, 255)).isEmpty());
        const QVector<QPoint> coarse = pixelsOf(one, kRed);
        const QVector<QPoint> fine = pixelsOf(*two, kRed);
        // The quarter lies above and right of the middle, 7.5 twips a screen pixel.
        QVERIFY(quarter.size() > fine.size() / 5);
        for (const QPoint& p : quarter) {
            QVERIFY(p.x() + 1 >= middle.x() / 7.5 && p.y() <= middle.y() / 7.5);
        }
        // One pixel of the layout wide, four screen pixels to each 1x one, and at
        // half pixels: a doubled 1x ring would fill every 2 x 2 block whole.
        QVERIFY(fine.size() > 3 * coarse.size() && fine.size() < 5 * coarse.size());
        const auto halves = std::count_if(fine.begin(), fine.end(), [&](const QPoint& p) {
            return two->image().pixel(p.x() ^ 1, p.y()) != kRed;
        });
        QVERIFY(halves > fine.size() / 8);
        two->line(middle.x(), middle.y(), middle.x() + 444, middle.y(), Qt::black);
        // A pixel of the layout wide, in the screen's pixels: two of them.
        const int column = int((middle.x() + 333) * 2 / 15);
        int thick = 0;
        for (int y = int(middle.y() * 2 / 15) - 8; y <= int(middle.y() * 2 / 15) + 8; ++y) {
            thick += two->image().pixel(column, y) == qRgb(0, 0, 0);
        }
        QCOMPARE(thick, 2);
        // Shown pixel for pixel inside the frame, on the window's own colour.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage shown = window.grab().toImage();
        QCOMPARE(two->image().pixel(0, 0), shown.pixel(10, 10));
        const QPoint inside = 2 * (two->pos() + QPoint(1, 1) * BoardPicture::kFramePixels);
        QCOMPARE(shown.copy(QRect(inside, two->image().size())),
                 two->image().convertToFormat(shown.format()));
    }

    void theLampShowsItsClipOfTwiceTheResolution() {
        QFile file(VELMORA_RESOURCES_DIR "/Yellow@2x.avi");
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const auto [ok, error, fine] = velmora::readAvi(
            reinterpret_cast<const uint8_t*>(bytes.data()), std::size_t(bytes.size()));
        QVERIFY2(ok, error.c_str());
        velmora::ClipControl lamp;
        lamp.setBackground(Qt::green);
        lamp.resize(fine.width / 2 + 10, fine.height / 2 + 10);
        QVERIFY(lamp.openFromFolders({VELMORA_RESOURCES_DIR}, "Yellow.avi"));
        const QImage shown = lamp.grab().toImage();
        const std::vector<uint32_t>& first = fine.frames.front();
        for (int i = 0; i < fine.width * fine.height; ++i) {
            QCOMPARE(shown.pixel(10 + i % fine.width, 10 + i / fine.width),
                     first[i] == first[0] ? qRgb(0, 255, 0) : first[i]);
        }
    }
};

QTEST_MAIN(BoardScaleTest)
#include "board_scale_test.moc"
