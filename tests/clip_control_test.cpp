#include "clip_control.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using velmora::ClipControl;

class ClipControlTest : public QObject {
    Q_OBJECT

private slots:
    void aClipStandsStillPlaysForTheCountGivenAndAFailureLeavesItEmpty() {
        const QColor background(10, 200, 30);
        ClipControl clip;
        clip.resize(59, 59);
        clip.setBackground(background);
        QVERIFY2(clip.open(VELMORA_RESOURCES_DIR "/A_Logo.avi"), qPrintable(clip.lastError()));
        QVERIFY(clip.frameCount() == 16 && clip.frameInterval() == 110 && !clip.isPlaying());
        // Centred, the logo's key-coloured corners five pixels in show the background.
        const QImage shown = clip.grab().toImage();
        for (auto [at, isBackground] : {std::pair{5, true}, {53, true}, {8, false}, {50, false}}) {
            QCOMPARE(shown.pixelColor(at, at) == background, isBackground);
        }

        clip.play();
        // Through the last picture and round again.
        QTRY_COMPARE_WITH_TIMEOUT(clip.currentFrame(), 15, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(clip.currentFrame(), 2, 5000);
        // Stopped, and played and at once stopped: still, on the first picture.
        clip.stop();
        clip.play();
        clip.stop();
        QVERIFY(clip.currentFrame() == 0 && !clip.isPlaying());
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
        QVERIFY(clip.currentFrame() == 15 && wraps == 0);

        // An empty file in the first folder, none in the second: the first failure
        // is reported, and the control is left empty and still.
        QTemporaryDir folder;
        const QString first = folder.filePath("A_Logo.avi");
        QVERIFY(QFile(first).open(QIODevice::WriteOnly));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^velmora: cannot play " +
                                                              QRegularExpression::escape(first)));
        QVERIFY(!clip.openFromFolders({folder.path(), folder.filePath("none")}, "A_Logo.avi"));
        QVERIFY2(clip.lastError().startsWith(first + ": "), qPrintable(clip.lastError()));
        clip.play();
        QVERIFY(clip.frameCount() == 0 && !clip.isPlaying());
        // Opened again, from the next folder, on its first picture and with no error left.
        QVERIFY(clip.openFromFolders({folder.path(), VELMORA_RESOURCES_DIR}, "Yellow.avi"));
        QVERIFY(clip.currentFrame() == 0 && clip.frameCount() == 16 && clip.lastError().isEmpty());
    }
};

QTEST_MAIN(ClipControlTest)
#include "clip_control_test.moc"
