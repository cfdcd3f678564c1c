// SPDX-License-Identifier: GPL-3.0-or-later
// The splash, and its hand-over to the main window.
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "clip_control.h"
#include "splash_screen.h"

// A splash whose stand-in main window counts how often it is asked for.
struct Rig {
    QWidget window;
    int asked = 0;
    QPointer<velmora::SplashScreen> splash = new velmora::SplashScreen(
        [this] { return ++asked, &window; }, {"/nonexistent", VELMORA_RESOURCES_DIR});
};

class SplashScreenTest : public QObject {
    Q_OBJECT

private slots:
    void isAnOvalWithItsTextsAndLogoUntilAPressHandsOver() {
        Rig rig;
        // Eight seconds, then in the test's hands: no check outlasts the splash it reads.
        auto* timer = rig.splash->findChild<QTimer*>("Timer1");
        auto* logo = rig.splash->findChild<velmora::ClipControl*>("AniLogo");
        QVERIFY(timer && logo && timer->isActive() && timer->interval() == 8000);
        timer->stop();
        rig.splash->show();
        // Shown, it plays its logo from the second folder and completes its version line.
        QTRY_VERIFY(logo->isPlaying() && logo->frameCount() > 1);
        QStringList texts;
        for (QLabel* label : rig.splash->findChildren<QLabel*>()) {
            texts << label->objectName() + " " + label->text() +
                         (label->font().bold() ? " (bold)" : "");
        }
        texts.sort();
        QCOMPARE(texts,
                 QStringList({"ImageKestrane ", "ImgCat ", "lblName Quendle",
                              "lblVersion Version  1.1.5 (bold)", "lblWebCat Velmora (bold)"}));

        // A frameless oval over a gradient from yellow to light cornflower blue,
        // the logo's clear corners showing its yellow-green ground.
        QVERIFY(rig.splash->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(rig.splash->size(), QSize(320, 213));
        QCOMPARE(rig.splash->mask().boundingRect(), QRect(QPoint(4, 5), QPoint(315, 208)));
        const QImage shown = rig.splash->grab().toImage();
        QVERIFY(shown.pixelColor(160, 30).blue() < 40 && shown.pixelColor(160, 190).blue() > 200);
        QCOMPARE(shown.pixelColor(logo->geometry().topLeft()), QColor(213, 227, 70));
        // Inside the outline, at its left and top, a rim in the active title bar's colour.
        const QColor rim = rig.splash->palette().color(QPalette::Active, QPalette::Highlight);
        QVERIFY(shown.pixelColor(6, 102) == rim && shown.pixelColor(156, 6) == rim);
        QVERIFY(shown.pixelColor(20, 102) != rim);

        // A press hands over at once, under an hourglass: the main window, minimised
        // over a maximised state, is shown plain.
        rig.window.setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
        QTest::mousePress(rig.splash->findChild<QWidget*>("lblVersion"), Qt::LeftButton);
        QCOMPARE(rig.splash->cursor().shape(), Qt::WaitCursor);
        QVERIFY(rig.window.windowState() == Qt::WindowNoState && rig.asked == 1);
        QTRY_VERIFY(rig.splash.isNull());
    }
};

QTEST_MAIN(SplashScreenTest)
#include "splash_screen_test.moc"
