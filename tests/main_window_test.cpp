// The main window and its about box as the user sees them (captions are the
// accessible names, tested with the keyboard), and the boxes it asks.
#include <QMenuBar>
#include <QSignalSpy>

#include <cmath>

#include "clip_control.h"
#include "identity.h"
#include "window_rig.h"

using velmora::Dialogs;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
constexpr double kCell = WindowRig::kCellPixels;

// Pixels of `colour` within `radius` pixels of the middle of cell (column, row).
int pixelsNear(const QImage& image, int column, int row, QColor colour, double radius = 13) {
    const QPointF centre((column - 0.5) * kCell, (row - 0.5) * kCell);
    int count = 0;
    for (int y = int(centre.y() - radius); y <= int(centre.y() + radius); ++y) {
        for (int x = int(centre.x() - radius); x <= int(centre.x() + radius); ++x) {
            count += image.valid(x, y) && QColor(image.pixel(x, y)) == colour &&
                     std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) <= radius;
        }
    }
    return count;
}

// The turn message, the faces shown, then the user's marks and total and the opponent's.
QString shown(const WindowRig& rig) {
    QString seen = rig.text("lblMessage");
    for (const char* name : {"ImgWin", "ImgLost", "ImgLevel", "AniLogo", "txtUserSig", "txtUserTot",
                             "txtComSig", "txtComTot"}) {
        seen += name[0] == 't'                ? "|" + rig.text(name)
                : rig.find(name)->isVisible() ? QString(" ") + name
                                              : QString();
    }
    return seen;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void aWindowShowsItsTextsPicturesGridAndMarksAndStopsDrawingOnClosing() {
        WindowRig rig;
        // Title, size, Pass (hidden by every new game), tool tips, menus, pictures (the
        // icon's red 8 and blue 1 on yellow, the rule over the chat, the faces' skins),
        // the board in a sunken frame, and its grid, on the cells' boundaries.
        // Where every control stands, in pixels of the layout (15 twips each).
        QStringList places;
        for (const char* name :
             {"PicMain", "cmcReset", "AniLogo", "lblMessage", "cmcPass", "lblStatus", "cmcConnect",
              "lblUser", "txtUserTot", "txtUserSig", "lblOtherSide", "txtComTot", "txtComSig",
              "Line1", "lblChat", "txtTX", "txtRX", "AniLight"}) {
            const QRect r = rig.find(name)->geometry();
            places << QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        }
        QCOMPARE(places.join(" "),
                 QString("136,8 267x267 8,16 113x25 40,56 49x49 8,120 113x33 8,152 113x25 "
                         "8,208 113x25 8,232 113x25 0,288 57x17 64,288 57x19 128,288 273x19 "
                         "0,312 57x17 64,312 57x19 128,312 273x19 0,336 409x3 0,344 57x17 "
                         "64,344 337x19 64,368 337x51 16,376 41x41"));
        // The tab order, from the board on.
        QStringList tabs;
        for (QWidget* w = rig.find("PicMain"); tabs.size() < 10; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus) {
                tabs << w->objectName();
            }
        }
        QCOMPARE(tabs.join(' '), QString("PicMain txtUserSig txtComSig txtUserTot txtComTot "
                                         "cmcReset cmcConnect cmcPass txtTX txtRX"));
        QStringList seen{rig.window->windowTitle(),
                         rig.window->minimumSize() == rig.window->maximumSize() ? "fixed" : "",
                         rig.find("cmcPass")->property("text").toString() +
                             (rig.find("cmcPass")->isHidden() ? " hidden" : "")};
        for (const char* name : {"lblUser", "lblOtherSide", "cmcReset", "cmcConnect", "lblStatus",
                                 "lblMessage", "cmcPass", "lblChat", "AniLogo", "txtUserSig"}) {
            seen << rig.find(name)->toolTip();
        }
        for (QAction* menu : rig.window->menuBar()->actions()) {
            seen << menu->text();
            for (QAction* entry : menu->menu()->actions()) {
                seen << entry->text() + " " + entry->shortcut().toString() +
                            (entry->isEnabled() ? "" : " (off)");
            }
        }
        const QImage icon = rig.window->windowIcon().pixmap(16, 16).toImage();
        seen << icon.pixelColor(3, 3).name() + icon.pixelColor(11, 8).name() +
                    icon.pixelColor(8, 14).name()
             << rig.find("Line1")->grab().toImage().pixelColor(100, 1).name();
        for (const char* face : {"ImgWin", "ImgLost", "ImgLevel"}) {
            seen << rig.find<QLabel>(face)->pixmap().toImage().pixelColor(6, 16).name();
        }
        const QImage& image = rig.board();
        const QImage framed = rig.find("PicMain")->grab().toImage();
        seen << image.pixelColor(5, 5).name() + framed.pixelColor(50, 0).name() +
                    framed.pixelColor(50, 1).name();
        for (bool across : {true, false}) {
            seen << "";
            for (int at = 0; at < image.width(); ++at) {
                if (image.pixelColor(across ? at : 10, across ? 10 : at) == kBlack) {
                    seen.last() += QString::number(at / kCell, 'f', 1) + " ";
                }
            }
        }
        QCOMPARE(
            seen.join('|'),
            QString(
                "Velmora|fixed|&Pass hidden|Your Marks|Opponent Marks|Reset the Games|"
                "Toggle the Remote Connection|Connection Status|Games Message|"
                "Let Computer play One step|Send Message to Remote|About me||&Game|Pass Ctrl+P| |"
                "New Ctrl+N|Fast Mode | |Exit |&Remote|Connect Ctrl+C|Disconnect Ctrl+D (off)|"
                "Listening Call Ctrl+L| |Change Port Number | |Local IP Address Ctrl+I|&Help|"
                "About Ctrl+A|#ff0000#0000ff#ffff00|#0000c0|#00ffff|#808080|#c0c0c0|"
                "#efefef#808080#404040|1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0 |"
                "1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0 "));

        // Marks: rings about six pixels from the middle of their cells.
        rig.random.startAt(6, 3);
        rig.click(2, 7);
        QVERIFY(pixelsNear(image, 2, 7, kBlue, 7.5) >= 25 && pixelsNear(image, 6, 3, kRed) >= 25);
        QVERIFY(pixelsNear(image, 2, 7, kBlue, 4.5) == 0 &&
                pixelsNear(image, 2, 7, kBlue) == pixelsNear(image, 2, 7, kBlue, 7.5));

        // A press just inside a cell's lower right corner fills that cell.
        rig.random.startAt(9, 1);
        QTest::mouseClick(rig.find("PicMain"), Qt::LeftButton, {},
                          QPoint(29, 29) + QPoint(1, 1) * velmora::BoardPicture::kFramePixels);
        rig.timer.finish();
        QVERIFY(rig.game().board()[1][1].cellState == 1 && rig.game().board()[2][2].cellState == 0);
        // The computer's next move takes the red over.
        rig.random.startAt(9, 9);
        rig.click(4, 4);
        QCOMPARE(pixelsNear(image, 6, 3, kRed), 0);
        QVERIFY(pixelsNear(image, 6, 3, kBlue) >= 25 && pixelsNear(image, 9, 9, kRed) >= 25);

        // The red mark grows counter-clockwise from the right: its first arcs
        // lie above the middle of its cell.
        rig.random.startAt(7, 7);
        rig.game().press(1, 7.5 * rig.game().cellSize(), 4.5 * rig.game().cellSize());
        while (pixelsNear(image, 7, 7, kRed, 10) < 3 && rig.timer.step()) {
        }
        QVERIFY(pixelsNear(image, 7, 7, kRed, 10) >= 3);
        const QImage aboveTheMiddle = image.copy(0, 0, image.width(), int(6.5 * kCell));
        QCOMPARE(pixelsNear(aboveTheMiddle, 7, 7, kRed, 10), pixelsNear(image, 7, 7, kRed, 10));
        rig.timer.finish();

        // Closing while a move is drawn ends it at once.
        rig.random.startAt(3, 3);
        rig.game().press(1, 4.5 * rig.game().cellSize(), 4.5 * rig.game().cellSize());
        QSignalSpy ended(rig.window.get(), &velmora::MainWindow::unloaded);
        rig.trigger("m_Exit");
        QVERIFY(ended.count() == 1 && !rig.window->isVisible() && !rig.timer.pausing());
        QCOMPARE(pixelsNear(image, 3, 3, kRed), 0);
    }

    void fastModeAFinishedGameANewOnePassScoringAndTheAboutBox() {
        WindowRig rig;
        const QImage empty = rig.board();
        auto* fastMode = rig.find<QAction>("m_FastMode");
        rig.dialogs.answers << Dialogs::Answer::No << Dialogs::Answer::Yes;
        for (bool on : {false, true}) {
            fastMode->trigger();
            QVERIFY(fastMode->isChecked() == on && rig.game().fastMode() == on);
        }
        const FakeDialogs::Shown box = rig.dialogs.shown.value(1);
        QCOMPARE(box.title + "|" + box.text,
                 "Fast Mode|When selected Fast-Mode, you would hard to watch how Opponent getting "
                 "marks\r\n\r\n                            Are you sure change to Fast-Mode ?");
        QVERIFY(box.buttons == Dialogs::Buttons::YesNo && box.icon == Dialogs::Icon::Question &&
                box.defaultAnswer == Dialogs::Answer::Yes);

        rig.random.values = {0.3, 0.6};
        for (int cell = 0; cell < 81; ++cell) {
            rig.click(cell % 9 + 1, cell / 9 + 1);  // a filled cell is refused
        }
        QCOMPARE(shown(rig).section('|', 0, 0), QString("You Lost ImgLost"));

        QTest::mouseClick(rig.find("cmcReset"), Qt::LeftButton);
        QCOMPARE(shown(rig), QString("Your Turn AniLogo||||"));
        auto* logo = rig.find<velmora::ClipControl>("AniLogo");
        QVERIFY(!logo->isPlaying() && logo->currentFrame() == 0 &&
                rig.find<QAction>("m_Pass")->isEnabled() && rig.board() == empty);
        fastMode->trigger();  // off again, without a question
        QVERIFY(!fastMode->isChecked() && !rig.game().fastMode() && rig.dialogs.shown.size() == 2);

        rig.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        rig.random.startAt(4, 6);
        QTest::keyClick(rig.find("txtUserSig"), Qt::Key_P, Qt::ControlModifier);
        rig.timer.finish();

        rig.fill({{1, 1}, {2, 1}});
        rig.click(3, 1);  // (1, 1) to (3, 1): three
        QCOMPARE(shown(rig), QString("Your Turn AniLogo|3|3||"));
        rig.find<QAction>("m_Pass")->setEnabled(true);  // as if it could still be chosen
        rig.trigger("m_Pass");
        QCOMPARE(rig.dialogs.shown.value(2).title + rig.dialogs.shown.value(2).text,
                 QString("Hey!!! .... You Got Marks Already !!!"));

        // Ctrl+A, which the chat line would otherwise take, then a click on the logo: a
        // fresh modal box each time, OK its default button, its links under a pointing
        // hand opening what the program holds, whatever the labels show.
        QStringList seen;
        for (int opening = 0; opening < 2; ++opening) {
            QTimer::singleShot(0, [&] {
                QWidget* about = QApplication::activeModalWidget();
                QVERIFY(about != nullptr);
                for (QLabel* label : about->findChildren<QLabel*>()) {
                    seen << label->text() +
                                (label->cursor().hotSpot() == QPoint(5, 0) ? " (hand)" : "");
                    label->setText("changed");
                    QTest::mouseClick(label, Qt::LeftButton);
                }
                seen << QUrl::toStringList(std::exchange(rig.links.opened, {})).join(' ');
                rig.click(5, 5);  // refused while the box is open
                QTest::keyClick(about, Qt::Key_Return);
                seen << about->windowTitle() + (about->isVisible() ? " left open" : "");
                about->close();
            });
            opening == 0 ? QTest::keyClick(rig.find("txtTX"), Qt::Key_A, Qt::ControlModifier)
                         : QTest::mouseClick(rig.find("AniLogo"), Qt::LeftButton);
        }
        using namespace velmora::identity;
        const QStringList about({"", "If any comment, please feel free  E-Mail to me", "Velmora",
                                 "Version 1.1.5", QString(kEmail) + " (hand)",
                                 "Thanks for use this program", kLegalNotice,
                                 QString(kWebAddress) + " (hand)", "Pellin",
                                 QString("mailto:") + kEmail + " " + kWebAddress, "About me"});
        QCOMPARE(seen, about + about);
        QCOMPARE(rig.game().moveCount(), 4);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
