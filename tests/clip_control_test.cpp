// SPDX-License-Identifier: GPL-3.0-or-later
#include "clip_control.h"

#include "avi_reader.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using velmora::ClipControl;

class ClipControlTest : public QObject {
    Q_OBJECT

private slots:
    void aClipStandsStillPlaysForTheCountGivenAndAFailureLeavesItEmpty() {
        ClipControl clip;
        QVERIFY2(clip.open(VELMORA_RESOURCES_DIR "/A_Logo.avi"), qPrintable(clip.lastError()));
        QVERIFY(clip.frameCount() == 16 && clip.frameInterval() == 110 && !clip.isPlaying());
        clip.play();
        // Through the last picture and round again.
        QTRY_COMPARE_WITH_TIMEOUT(clip.currentFrame(), 15, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(clip.currentFrame(), 2, 5000);
        // Played again and stopped at once: still, on the first picture.
        clip.play();
        clip.stop();
        QVERIFY(clip.currentFrame() == 0 && !clip.isPlaying());
        // Played once, it stops on the last picture.
        clip.play(1);
        QTRY_VERIFY_WITH_TIMEOUT(!clip.isPlaying(), 5000);
        QCOMPARE(clip.currentFrame(), 15);

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

        // On a screen of one pixel per pixel, the plain clip, not the one of twice its
        // resolution, shown pixel for pixel on the background.
        QFile file(VELMORA_RESOURCES_DIR "/Yellow.avi");
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const auto [ok, error, plain] = velmora::readAvi(
            reinterpret_cast<const uint8_t*>(bytes.data()), std::size_t(bytes.size()));
        QVERIFY2(ok, error.c_str());
        clip.setBackground(Qt::green);
        clip.resize(plain.width + 10, plain.height + 10);
        const QImage shown = clip.grab().toImage();
        const std::vector<uint32_t>& picture = plain.frames.front();
        for (int i = 0; i < plain.width * plain.height; ++i) {
            QCOMPARE(shown.pixel(5 + i % plain.width, 5 + i / plain.width),
                     picture[i] == picture[0] ? qRgb(0, 255, 0) : picture[i]);
        }
    }
};

QTEST_MAIN(ClipControlTest)
#include "clip_control_test.moc"
