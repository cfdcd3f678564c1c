#include "clip_control.h"

#include <QApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

using velmora::ClipControl;

namespace {

QString Resource(const char* name) {
    return QString(VELMORA_RESOURCES_DIR) + "/" + name;
}

}  // namespace

class ClipControlTest : public QObject {
    Q_OBJECT

private slots:
    void openShowsTheFirstPictureStillOverTheBackground() {
        const QColor background(10, 200, 30);
        ClipControl clip;
        clip.resize(59, 59);
        clip.setBackground(background);
        QVERIFY2(clip.open(Resource("A_Logo.avi")), qPrintable(clip.lastError()));
        QCOMPARE(clip.frameCount(), 16);
        QVERIFY(!clip.isPlaying());
        QCOMPARE(clip.frameInterval(), 110);
        // Centred, the logo's key-coloured corners five pixels in show the background.
        const QImage shown = clip.grab().toImage();
        QCOMPARE(QColor(shown.pixel(5, 5)), background);
        QCOMPARE(QColor(shown.pixel(53, 53)), background);
        QVERIFY(QColor(shown.pixel(8, 8)) != background);
        QVERIFY(QColor(shown.pixel(50, 50)) != background);

        QSignalSpy clicked(&clip, &ClipControl::clicked);
        QTest::mouseClick(&clip, Qt::RightButton);
        QCOMPARE(clicked.count(), 0);
        QTest::mouseClick(&clip, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);

        clip.setAutoPlay(true);
        QVERIFY(clip.open(Resource("A_Logo.avi")));
        QVERIFY(clip.isPlaying());
    }

    void playRepeatsUntilStopOrForTheCountGiven() {
        ClipControl clip;
        QVERIFY(clip.open(Resource("Yellow.avi")));
        clip.play();
        // Through the last picture and round again.
        QTRY_COMPARE_WITH_TIMEOUT(clip.currentFrame(), 15, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(clip.currentFrame(), 2, 5000);
        QVERIFY(clip.isPlaying());
        clip.stop();
        QVERIFY(!clip.isPlaying());
        // Play and at once Stop: still, on the first picture.
        clip.play();
        clip.stop();
        QCOMPARE(clip.currentFrame(), 0);

        // Watched closely enough to see a second time through begin.
        int wraps = 0;
        int last = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            wraps += clip.currentFrame() < last;
            last = clip.currentFrame();
        });
        watch.start(2);
        clip.play(1);
        QTRY_VERIFY_WITH_TIMEOUT(!clip.isPlaying(), 5000);
        QCOMPARE(clip.currentFrame(), 15);
        QCOMPARE(wraps, 0);
        QVERIFY(clip.open(Resource("Yellow.avi")));
        QCOMPARE(clip.currentFrame(), 0);
    }

    void unreadableFilesLeaveTheControlEmptyAndStill() {
        QTemporaryFile empty;
        QVERIFY(empty.open());
        for (const QString& path : {Resource("missing.avi"), empty.fileName()}) {
            ClipControl clip;
            QVERIFY(clip.open(Resource("A_Logo.avi")));
            clip.play();
            QVERIFY(!clip.open(path));
            QVERIFY2(clip.lastError().startsWith(path + ": "), qPrintable(clip.lastError()));
            QCOMPARE(clip.frameCount(), 0);
            QVERIFY(!clip.isPlaying());
            clip.play();
            QVERIFY(!clip.isPlaying());
        }
    }

    void foldersAreTriedInTurn() {
        QTemporaryDir empty;
        ClipControl clip;
        QVERIFY(clip.openFromFolders({empty.path(), VELMORA_RESOURCES_DIR}, "Yellow.avi"));
        QCOMPARE(clip.frameCount(), 16);
        QVERIFY(clip.lastError().isEmpty());
        // The first folder's failure is the one reported.
        const QString first = empty.filePath("Yellow.avi");
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^velmora: cannot play " +
                                                QRegularExpression::escape(first) + ": "));
        QVERIFY(!clip.openFromFolders({empty.path(), empty.filePath("none")}, "Yellow.avi"));
        QVERIFY(clip.lastError().startsWith(first + ": "));
        QCOMPARE(clip.frameCount(), 0);
    }
};

QTEST_MAIN(ClipControlTest)
#include "clip_control_test.moc"
