#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <memory>

#include "clip_control.h"
#include "oval_window.h"
#include "pictures.h"
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

QPointer<SplashScreen> shownSplash(MainWindowFactory& factory) {
    auto* splash = new SplashScreen(std::ref(factory), {"/nonexistent", VELMORA_RESOURCES_DIR});
    splash->show();
    return splash;
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
        QPointer<SplashScreen> splash =
            new SplashScreen(std::ref(factory), {"/nonexistent", VELMORA_RESOURCES_DIR});
        // A pointer that notices if the splash hands over and goes meanwhile.
        QPointer<QLabel> version = splash->findChild<QLabel*>("lblVersion");
        QCOMPARE(version->text(), QString("Version"));
        splash->show();
        QTRY_COMPARE(version->text(), QString("Version  1.1.5"));
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash->windowType(), Qt::SplashScreen);
        QCOMPARE(splash->size(), QSize(320, 213));
        const velmora::OvalBounds b = velmora::ovalWindowBounds(
            4800, 3195, -60, -60, velmora::twipsPerPixelX(splash), velmora::twipsPerPixelY(splash));
        const QRect box(QPoint(b.left, b.top), QPoint(b.right - 1, b.bottom - 1));
        const QRect drawn = splash->mask().boundingRect();
        // The ellipse fills its box to within the pixel the rasteriser rounds.
        QVERIFY(box.contains(drawn) && drawn.adjusted(-1, -1, 1, 1).contains(box));
        QVERIFY(splash->mask().contains(QPoint(160, 106)));
        QVERIFY(!splash->mask().contains(QPoint(12, 12)));
        QCOMPARE(version->geometry(), QRect(88, 155, 131, 19));
        QCOMPARE(version->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QVERIFY(version->font().bold());
        QCOMPARE(splash->findChild<QLabel*>("lblWebCat")->text(), QString("Velmora"));
        QCOMPARE(splash->findChild<QLabel*>("lblWebCat")->font().pointSizeF(), 21.75);
        QCOMPARE(splash->findChild<QLabel*>("lblName")->text(), QString("Quendle"));
        QCOMPARE(splash->findChild<QLabel*>("ImgCat")->pixmap().toImage(),
                 QPixmap::fromImage(velmora::emblemImage()).toImage());
        QCOMPARE(splash->findChild<QLabel*>("ImageKestrane")->pixmap().size(), QSize(150, 33));
        // The gradient runs from yellow at the top to light cornflower blue.
        const QImage shown = splash->grab().toImage();
        const QColor top = shown.pixelColor(160, 30);
        QVERIFY(top.red() > 240 && top.green() > 240 && top.blue() < 40);
        const QColor bottom = shown.pixelColor(160, 190);
        QVERIFY(bottom.blue() > 200 && bottom.red() < bottom.blue());
        // Read from the second folder, when the first has no clip.
        auto* logo = splash->findChild<velmora::ClipControl*>("AniLogo");
        QCOMPARE(logo->geometry(), QRect(64, 28, 41, 41));
        QVERIFY(logo->frameCount() > 1 && logo->isPlaying());

        QTimer* timer = splash->findChild<QTimer*>("Timer1");
        QCOMPARE(timer->interval(), 8000);
        QVERIFY(timer->isActive());
        // Made earlier, minimised over a maximised state.
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
        QPointer<SplashScreen> splash = shownSplash(factory);
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QWidget* target = control.isEmpty() ? splash.data() : splash->findChild<QWidget*>(control);
        QVERIFY(target != nullptr);
        const QPoint where = control.isEmpty() ? QPoint(160, 60) : target->rect().center();
        QTest::mouseClick(target, Qt::LeftButton, {}, where);
        QVERIFY(factory.window && factory.window->isVisible());
        QVERIFY(!splash->findChild<QTimer*>("Timer1")->isActive());
        QCOMPARE(splash->cursor().shape(), Qt::WaitCursor);
        QTRY_VERIFY(splash.isNull());
    }

    // The timer's hand-over comes just before a click: the splash it closed
    // deletes itself while the click lets events run.
    void aHandOverJustBeforeAClickShowsOneMainWindow() {
        MainWindowFactory factory;
        QPointer<SplashScreen> splash = shownSplash(factory);
        splash->handOver();
        QTest::mousePress(splash.data(), Qt::LeftButton, {}, QPoint(160, 60));
        QVERIFY(splash.isNull());
        QCOMPARE(factory.asked, 1);
        QVERIFY(factory.window->isVisible());
    }
};

QTEST_MAIN(SplashScreenTest)
#include "splash_screen_test.moc"
