// The splash, and its hand-over to the main window on its timer or a click.
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "clip_control.h"
#include "oval_window.h"
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

        // A frameless oval, its edges rounded half to even (at eight twips a pixel,
        // 7.5, 592.5 and 392.5), over a gradient from yellow to light cornflower blue.
        QVERIFY((rig.splash->windowFlags() & Qt::FramelessWindowHint) &&
                rig.splash->mask().contains(QPoint(160, 106)) &&
                !rig.splash->mask().contains(QPoint(8, 8)));
        QCOMPARE(rig.splash->size(), QSize(320, 213));
        const velmora::OvalBounds b = velmora::ovalWindowBounds(4800, 3200, -60, -60, 8, 8);
        QCOMPARE(QList<int>({b.left, b.top, b.right, b.bottom}), QList<int>({8, 8, 592, 392}));
        const QImage shown = rig.splash->grab().toImage();
        QVERIFY(shown.pixelColor(160, 30).blue() < 40 && shown.pixelColor(160, 190).blue() > 200);

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
};

QTEST_MAIN(SplashScreenTest)
#include "splash_screen_test.moc"
