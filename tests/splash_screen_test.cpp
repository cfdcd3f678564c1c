#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <memory>

#include "clip_control.h"
#include "oval_window.h"
#include "splash_screen.h"

using velmora::SplashScreen;

namespace {

// Stands in for the main window: made once, on first demand.
struct MainWindowFactory {
    std::unique_ptr<QWidget> window;
    int asked = 0;
    QWidget* operator()() {
        ++asked;
        if (!window) {
            window = std::make_unique<QWidget>();
        }
        return window.get();
    }
};

QPointer<SplashScreen> newSplash(MainWindowFactory& factory) {
    return new SplashScreen(std::ref(factory), {"/nonexistent", VELMORA_RESOURCES_DIR});
}

// A failed check must not reach through a label that is not there.
QString textOf(QWidget* splash, const char* name) {
    auto* label = splash->findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QString("(no %1)").arg(name);
}

}  // namespace

class SplashScreenTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        // A failed check can leave a splash whose timer reaches for a gone factory.
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            delete qobject_cast<SplashScreen*>(widget);
        }
    }

    void ovalBoundsRoundHalvesToEven() {
        const auto bounds = [](double tx, double ty, int dy) {
            const velmora::OvalBounds b = velmora::ovalWindowBounds(4800, 3200, -60, dy, tx, ty);
            return QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom));
        };
        QCOMPARE(bounds(15, 15, -60), QRect(QPoint(4, 4), QPoint(316, 209)));  // 209.33
        QCOMPARE(bounds(12, 12, -60), QRect(QPoint(5, 5), QPoint(395, 262)));  // 261.67
        // Eight twips a pixel puts every edge on a half: 7.5, 592.5, 392.5.
        QCOMPARE(bounds(8, 8, -60), QRect(QPoint(8, 8), QPoint(592, 392)));
        QCOMPARE(bounds(15, 10, -30), QRect(QPoint(4, 3), QPoint(316, 317)));
    }

    void isAFramelessOvalWithItsTextsAndLogoUntilTheTimerHandsOver() {
        MainWindowFactory factory;
        QPointer<SplashScreen> splash = newSplash(factory);
        QCOMPARE(textOf(splash, "lblVersion"), QString("Version"));
        // Eight seconds; the test then takes the hand-over in its own hands, so
        // that a failed check never outlasts the splash it reads.
        QTimer* timer = splash->findChild<QTimer*>("Timer1");
        auto* logo = splash->findChild<velmora::ClipControl*>("AniLogo");
        QVERIFY(timer && logo && timer->isActive() && timer->interval() == 8000);
        timer->stop();
        splash->show();
        // Shown, it plays its logo, read from the second folder when the first
        // has no clip, and completes its version line.
        QTRY_VERIFY(logo->isPlaying());
        QVERIFY(logo->frameCount() > 1);
        for (auto [name, text] : {std::pair{"lblVersion", "Version  1.1.5"},
                                  {"lblWebCat", "Velmora"},
                                  {"lblName", "Quendle"}}) {
            QCOMPARE(textOf(splash, name), QString(text));
        }
        auto* version = splash->findChild<QLabel*>("lblVersion");
        QVERIFY(version != nullptr && version->font().bold());
        QCOMPARE(version->palette().color(QPalette::WindowText), QColor(0, 0, 128));

        // A frameless oval over a gradient from
        // yellow at the top to light cornflower blue.
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash->windowType(), Qt::SplashScreen);
        QCOMPARE(splash->size(), QSize(320, 213));
        QVERIFY(splash->mask().contains(QPoint(160, 106)) &&
                !splash->mask().contains(QPoint(8, 8)));
        const QImage shown = splash->grab().toImage();
        const QColor top = shown.pixelColor(160, 30);
        QVERIFY(top.red() > 240 && top.green() > 240 && top.blue() < 40);
        const QColor bottom = shown.pixelColor(160, 190);
        QVERIFY(bottom.blue() > 200 && bottom.red() < bottom.blue());

        // The main window, made earlier, minimised over a maximised state, is shown plain.
        factory.window = std::make_unique<QWidget>();
        factory.window->setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
        timer->start(30);
        QTRY_VERIFY(splash.isNull());
        QCOMPARE(factory.window->windowState(), Qt::WindowNoState);
        QCOMPARE(factory.asked, 1);
    }

    void aClickAnywhereHandsOverAtOnce_data() {
        QTest::addColumn<QString>("control");
        for (const char* name :
             {"", "lblVersion", "lblWebCat", "lblName", "AniLogo", "ImgCat", "ImageKestrane"}) {
            QTest::newRow(*name ? name : "background") << QString(name);
        }
    }

    void aClickAnywhereHandsOverAtOnce() {
        QFETCH(QString, control);
        MainWindowFactory factory;
        QPointer<SplashScreen> splash = newSplash(factory);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QWidget* target = control.isEmpty() ? splash.data() : splash->findChild<QWidget*>(control);
        QVERIFY(target != nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {},
                          control.isEmpty() ? QPoint(160, 60) : target->rect().center());
        QVERIFY(factory.window && factory.window->isVisible());
        QVERIFY(splash && splash->cursor().shape() == Qt::WaitCursor);
        QTRY_VERIFY(splash.isNull());
    }

    // The timer's hand-over comes just before a click: the splash it closed
    // deletes itself while the click lets events run.
    void aHandOverJustBeforeAClickShowsOneMainWindow() {
        MainWindowFactory factory;
        QPointer<SplashScreen> splash = newSplash(factory);
        splash->show();
        splash->handOver();
        QTest::mousePress(splash.data(), Qt::LeftButton, {}, QPoint(160, 60));
        QVERIFY(splash.isNull());
        QCOMPARE(factory.asked, 1);
        QVERIFY(factory.window->isVisible());
    }
};

QTEST_MAIN(SplashScreenTest)
#include "splash_screen_test.moc"
