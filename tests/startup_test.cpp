#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "about_box.h"
#include "clip_control.h"
#include "form_rig.h"
#include "identity.h"
#include "oval_window.h"
#include "splash_screen.h"

using velmora::AboutBox;
using velmora::SplashScreen;

namespace {

// Stands in for the main window: made once, on first demand.
struct MainWindowFactory {
    std::unique_ptr<QWidget> window;
    int made = 0;
    int asked = 0;
    QWidget* operator()() {
        ++asked;
        if (!window) {
            window = std::make_unique<QWidget>();
            window->setWindowTitle("main");
            ++made;
        }
        return window.get();
    }
};

SplashScreen* NewSplash(MainWindowFactory& factory) {
    auto* splash = new SplashScreen(std::ref(factory), VELMORA_RESOURCES_DIR);
    splash->show();
    return splash;
}

int VisibleTopLevels() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += widget->isVisible() ? 1 : 0;
    }
    return count;
}

// Runs `inspect` on the modal box once it is open, then closes it with Esc.
void WhileModal(const std::function<void(AboutBox*)>& inspect) {
    QTimer::singleShot(0, [inspect] {
        auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        inspect(box);
        QTest::keyClick(box, Qt::Key_Escape);
    });
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void ovalBoundsRoundHalvesToEvenAtAnyFactor();
    void splashIsShapedToItsOval();
    void versionLinesHaveTheirSpaces();
    void timerHandsOverAfterItsInterval();
    void aClickAnywhereHandsOver_data();
    void aClickAnywhereHandsOver();
    void aSecondHandOverChangesNothing();
    void handOverShowsTheRealMainWindow();
    void enterAndEscCloseTheAboutBox();
    void linksOpenTheConstantsAndFailuresAreQuiet();
    void aboutBoxIsModalOverTheMainWindow();
};

void StartupTest::cleanup() {
    // A failed check can leave a splash behind, whose timer would reach for a
    // factory that is gone.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<SplashScreen*>(widget) != nullptr) {
            delete widget;
        }
    }
    QTRY_COMPARE(VisibleTopLevels(), 0);
}

void StartupTest::ovalBoundsRoundHalvesToEvenAtAnyFactor() {
    velmora::OvalBounds b = velmora::ovalWindowBounds(4800, 3200, -60, -60, 15, 15);
    QCOMPARE(b.left, 4);
    QCOMPARE(b.top, 4);
    QCOMPARE(b.right, 316);
    QCOMPARE(b.bottom, 209);

    // 120 dots per inch: 12 twips per pixel.
    b = velmora::ovalWindowBounds(4800, 3200, -60, -60, 12, 12);
    QCOMPARE(b.left, 5);
    QCOMPARE(b.right, 395);
    QCOMPARE(b.bottom, 262);  // 261.67
    // Eight twips per pixel puts every edge on a half: 7.5, 592.5, 392.5.
    b = velmora::ovalWindowBounds(4800, 3200, -60, -60, 8, 8);
    QCOMPARE(b.left, 8);
    QCOMPARE(b.top, 8);
    QCOMPARE(b.right, 592);
    QCOMPARE(b.bottom, 392);
    // Unequal factors across and down.
    b = velmora::ovalWindowBounds(4800, 3200, -60, -30, 15, 10);
    QCOMPARE(b.top, 3);
    QCOMPARE(b.bottom, 317);
}

void StartupTest::splashIsShapedToItsOval() {
    MainWindowFactory factory;
    QPointer<SplashScreen> splash = NewSplash(factory);
    QCOMPARE(splash->size(), QSize(320, 213));
    const double tx = velmora::twipsPerPixelX(splash);
    const double ty = velmora::twipsPerPixelY(splash);
    const velmora::OvalBounds b = velmora::ovalWindowBounds(4800, 3195, -60, -60, tx, ty);
    const QRegion mask = splash->mask();
    const QRect bounds(QPoint(b.left, b.top), QPoint(b.right - 1, b.bottom - 1));
    // The ellipse fills its box to within the pixel the rasteriser rounds.
    QVERIFY(bounds.contains(mask.boundingRect()));
    QVERIFY(mask.boundingRect().adjusted(-1, -1, 1, 1).contains(bounds));
    QVERIFY(mask.contains(QPoint(160, 106)));
    QVERIFY(!mask.contains(QPoint(2, 2)));
    QVERIFY(!mask.contains(QPoint(318, 211)));
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash->windowType(), Qt::SplashScreen);  // no task-bar button
    splash->close();
}

void StartupTest::versionLinesHaveTheirSpaces() {
    MainWindowFactory factory;
    QPointer<SplashScreen> splash = new SplashScreen(std::ref(factory), VELMORA_RESOURCES_DIR);
    QCOMPARE(splash->lblVersion->text(), QString("Version"));
    QVERIFY(!splash->RimDrawn());
    splash->show();
    QTRY_VERIFY(splash->RimDrawn());
    QCOMPARE(splash->lblVersion->text(), QString("Version  1.1.5"));
    QCOMPARE(splash->lblWebCat->text(), QString("Velmora"));
    QVERIFY(splash->AniLogo->isPlaying());
    splash->close();

    RecordingLinks links;
    AboutBox about(links);
    QCOMPARE(about.lblVersion->text(), QString("Version 1.1.5"));
    QCOMPARE(about.lblTitle->text(), QString("Velmora"));
    QCOMPARE(about.lblCopyRight->text(), QString(velmora::identity::kLegalNotice));
    QCOMPARE(about.lblWebAdd->text(), QString(velmora::identity::kWebAddress));
}

void StartupTest::timerHandsOverAfterItsInterval() {
    MainWindowFactory factory;
    QPointer<SplashScreen> splash = NewSplash(factory);
    QCOMPARE(splash->Timer1.interval(), 8000);
    QVERIFY(splash->Timer1.isActive());
    factory();  // made earlier and minimised: the hand-over shows it normal
    factory.window->showMinimized();
    splash->Timer1.setInterval(30);
    splash->Timer1.start();
    QTRY_VERIFY(splash.isNull());
    QVERIFY(factory.window->isVisible());
    QVERIFY(!(factory.window->windowState() & Qt::WindowMinimized));
    QCOMPARE(factory.made, 1);
    factory.window->close();
}

void StartupTest::aClickAnywhereHandsOver_data() {
    QTest::addColumn<QString>("control");
    for (const char* name :
         {"", "lblVersion", "lblWebCat", "lblName", "AniLogo", "ImgCat", "ImageKestrane"}) {
        QTest::newRow(*name ? name : "background") << QString(name);
    }
}

void StartupTest::aClickAnywhereHandsOver() {
    QFETCH(QString, control);
    MainWindowFactory factory;
    QPointer<SplashScreen> splash = NewSplash(factory);
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QWidget* target = control.isEmpty() ? splash.data() : splash->findChild<QWidget*>(control);
    QVERIFY(target != nullptr);
    const QPoint where = control.isEmpty() ? QPoint(160, 60) : target->rect().center();
    QTest::mouseClick(target, Qt::LeftButton, {}, where);
    QVERIFY(factory.window && factory.window->isVisible());
    QVERIFY(!splash->Timer1.isActive());
    QCOMPARE(splash->cursor().shape(), Qt::WaitCursor);
    QTRY_VERIFY(splash.isNull());
    factory.window->close();
}

void StartupTest::aSecondHandOverChangesNothing() {
    MainWindowFactory factory;
    QPointer<SplashScreen> splash = NewSplash(factory);
    // The timer fires while the click lets events run.
    splash->Timer1.setInterval(0);
    splash->Timer1.start();
    splash->Form_Click();
    QCOMPARE(factory.asked, 2);
    QCOMPARE(factory.made, 1);
    QTRY_VERIFY(splash.isNull());
    QCOMPARE(VisibleTopLevels(), 1);
    QVERIFY(factory.window->isVisible());
    factory.window->close();
}

void StartupTest::handOverShowsTheRealMainWindow() {
    std::unique_ptr<FormRig> rig;
    auto make = [&]() -> QWidget* {
        if (!rig) {
            rig = std::make_unique<FormRig>();
        }
        return rig->form.get();
    };
    QPointer<SplashScreen> splash = new SplashScreen(make, VELMORA_RESOURCES_DIR);
    splash->show();
    splash->handOver();
    QVERIFY(rig->form->isVisible());
    QCOMPARE(rig->form->WindowHeightTwips(), 5700);
    QTRY_VERIFY(splash.isNull());
    rig->form->hide();
}

void StartupTest::enterAndEscCloseTheAboutBox() {
    RecordingLinks links;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        AboutBox about(links);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QWidget* focus = about.focusWidget() ? about.focusWidget() : &about;
        QTest::keyClick(focus, key);
        QVERIFY2(!about.isVisible(), qPrintable(QString::number(key)));
    }
}

void StartupTest::linksOpenTheConstantsAndFailuresAreQuiet() {
    RecordingLinks links;
    AboutBox about(links);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    about.lblWebAdd->setText("something else");
    QTest::mouseClick(about.lblWebAdd, Qt::LeftButton);
    QTest::mouseClick(about.lblEMail, Qt::LeftButton);
    QCOMPARE(links.opened, QList<QUrl>({QUrl(velmora::identity::kWebAddress),
                                        QUrl(QString("mailto:") + velmora::identity::kEmail)}));
    links.works = false;
    QTest::mouseClick(about.lblWebAdd, Qt::LeftButton);
    QCOMPARE(links.opened.size(), 3);
    QVERIFY(about.isVisible());
    QTest::mouseClick(about.Label1, Qt::LeftButton);  // not a link
    QCOMPARE(links.opened.size(), 3);
    // The pointing hand, fingertip first, over the two links only.
    for (QLabel* link : {about.lblEMail, about.lblWebAdd}) {
        QCOMPARE(link->cursor().hotSpot(), QPoint(5, 0));
    }
    QCOMPARE(about.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(about.lblTitle->cursor().shape(), Qt::ArrowCursor);
    about.close();
}

void StartupTest::aboutBoxIsModalOverTheMainWindow() {
    FormRig rig;
    velmora::FormVelmora& form = *rig.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    bool inspected = false;
    WhileModal([&](AboutBox* box) {
        QVERIFY(box->isModal());
        QCOMPARE(box->parentWidget(), &form);
        box->lblTitle->setText("changed in this opening");
        // A click on the board, sent as the window system would, is refused.
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                          form.PicMain->mapTo(&form, QPoint(20, 20)));
        QTest::qWait(20);
        QCOMPARE(int(form.game.MoveCount), 0);
        inspected = true;
    });
    form.m_About->trigger();
    QVERIFY(inspected);
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    // The logo opens the same box, made afresh.
    inspected = false;
    WhileModal([&](AboutBox* box) {
        QCOMPARE(box->lblTitle->text(), QString("Velmora"));
        inspected = true;
    });
    QTest::mouseClick(form.AniLogo, Qt::LeftButton);
    QVERIFY(inspected);
    // The later activation starts no new game.
    rig.Fill({{1, 1}});
    form.Form_Activate();
    QCOMPARE(int(form.game.MoveCount), 1);
    form.hide();
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
