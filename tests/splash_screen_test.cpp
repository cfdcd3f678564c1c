// The splash, and its hand-over to the main window on its timer or a click.
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "clip_control.h"
#include "pictures.h"
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
    void cleanup() {
        // A failed check can leave a splash whose timer reaches for a gone rig.
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            delete qobject_cast<velmora::SplashScreen*>(widget);
        }
    }

    void isAnOvalWithItsTextsAndLogoUntilTheTimerHandsOver() {
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

        // The main window, minimised over a maximised state, is shown plain.
        rig.window.setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
        timer->start(30);
        QTRY_VERIFY(rig.splash.isNull());
        QVERIFY(rig.window.windowState() == Qt::WindowNoState && rig.asked == 1);
    }

    void aPressAnywhereHandsOverAtOnce_data() {
        QTest::addColumn<QString>("control");
        for (const char* name : {"lblVersion", "lblWebCat", "lblName", "AniLogo", "ImgCat",
                                 "ImageKestrane", "background", "timer first"}) {
            QTest::newRow(name) << QString(name);
        }
    }

    void aPressAnywhereHandsOverAtOnce() {
        QFETCH(QString, control);
        Rig rig;
        rig.splash->show();
        // Closed by its timer first, the splash deletes itself while the press lets events run.
        if (control == "timer first") {
            rig.splash->handOver();
        }
        QWidget* target = rig.splash->findChild<QWidget*>(control);
        QTest::mousePress(target ? target : rig.splash.data(), Qt::LeftButton, {},
                          target ? target->rect().center() : QPoint(160, 60));
        QVERIFY(rig.window.isVisible() && rig.asked == 1);
        QCOMPARE(rig.splash ? rig.splash->cursor().shape() : Qt::WaitCursor, Qt::WaitCursor);
        QTRY_VERIFY(rig.splash.isNull());
    }

    // In every row the hand's white inside lies between outline pixels, and the
    // hot spot is on the fingertip's outline.
    void theHandPointsFromItsHotSpotWithItsInsideOutlined() {
        const QCursor hand = velmora::pointingHandCursor();
        const QImage image = hand.pixmap().toImage();
        QCOMPARE(image.pixel(hand.hotSpot()), qRgb(0, 0, 0));
        for (int y = 0; y < 32; ++y) {
            for (int x = 1; x < 31; ++x) {
                QVERIFY2(image.pixel(x, y) != qRgb(255, 255, 255) ||
                             (qAlpha(image.pixel(x - 1, y)) && qAlpha(image.pixel(x + 1, y))),
                         qPrintable(QString("at %1, %2").arg(x).arg(y)));
            }
        }
    }
};

QTEST_MAIN(SplashScreenTest)
#include "splash_screen_test.moc"
