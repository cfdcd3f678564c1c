#include "clip_control.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using velmora::ClipControl;

namespace {

QString Resource(const char* name) {
    return QString(VELMORA_RESOURCES_DIR) + "/" + name;
}

}  // namespace

class ClipControlTest : public QObject {
    Q_OBJECT

private slots:
    void openShowsTheFirstPictureStill();
    void playRepeatsUntilStop();
    void playOnceStopsOnTheLastPicture();
    void unreadableFilesLeaveTheControlEmpty();
    void framesKeepComingDuringNestedEventLoops();
};

void ClipControlTest::openShowsTheFirstPictureStill() {
    ClipControl clip;
    QVERIFY2(clip.Open(Resource("A_Logo.avi")), qPrintable(clip.LastError()));
    QCOMPARE(clip.FrameCount(), 16);
    QCOMPARE(clip.CurrentFrame(), 0);
    QVERIFY(!clip.IsPlaying());
    QCOMPARE(clip.FrameInterval(), 110);
    QTest::qWait(250);
    QCOMPARE(clip.CurrentFrame(), 0);

    ClipControl autoPlay;
    autoPlay.SetAutoPlay(true);
    QVERIFY(autoPlay.Open(Resource("A_Logo.avi")));
    QVERIFY(autoPlay.IsPlaying());
}

void ClipControlTest::playRepeatsUntilStop() {
    ClipControl clip;
    QVERIFY(clip.Open(Resource("Yellow.avi")));
    clip.Play();
    QVERIFY(clip.IsPlaying());
    // Through the last picture and round again.
    QTRY_COMPARE_WITH_TIMEOUT(clip.CurrentFrame(), 15, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(clip.CurrentFrame(), 2, 5000);
    QVERIFY(clip.IsPlaying());
    clip.Stop();
    const int stoppedAt = clip.CurrentFrame();
    QTest::qWait(200);
    QCOMPARE(clip.CurrentFrame(), stoppedAt);
    // Play and at once Stop: still, on the first picture.
    clip.Play();
    clip.Stop();
    QCOMPARE(clip.CurrentFrame(), 0);
    QVERIFY(!clip.IsPlaying());
}

void ClipControlTest::playOnceStopsOnTheLastPicture() {
    ClipControl clip;
    QVERIFY(clip.Open(Resource("Yellow.avi")));
    clip.Play(1);
    QTRY_VERIFY_WITH_TIMEOUT(!clip.IsPlaying(), 5000);
    QCOMPARE(clip.CurrentFrame(), 15);
}

void ClipControlTest::unreadableFilesLeaveTheControlEmpty() {
    ClipControl clip;
    QVERIFY(clip.Open(Resource("A_Logo.avi")));
    QVERIFY(!clip.Open(Resource("missing.avi")));
    QVERIFY(clip.LastError().contains("missing.avi"));
    QCOMPARE(clip.FrameCount(), 0);
    clip.Play();
    QVERIFY(!clip.IsPlaying());

    QTemporaryDir dir;
    QFile broken(dir.filePath("broken.avi"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    QFile logo(Resource("A_Logo.avi"));
    QVERIFY(logo.open(QIODevice::ReadOnly));
    broken.write(logo.read(logo.size() / 2));
    broken.close();
    QVERIFY(!clip.Open(broken.fileName()));
    QVERIFY(clip.LastError().contains("broken.avi"));
    QCOMPARE(clip.FrameCount(), 0);
}

void ClipControlTest::framesKeepComingDuringNestedEventLoops() {
    ClipControl clip;
    QVERIFY(clip.Open(Resource("A_Logo.avi")));
    clip.Play();
    // The board's pauses hand events on in short bursts like this.
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 600) {
        QEventLoop pause;
        QTimer::singleShot(10, &pause, &QEventLoop::quit);
        pause.exec();
    }
    QVERIFY(clip.CurrentFrame() >= 2);
}

QTEST_MAIN(ClipControlTest)
#include "clip_control_test.moc"
