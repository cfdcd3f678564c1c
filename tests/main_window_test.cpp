// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and its about box as the user and a screen reader find them.
#include <QAccessible>
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

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void aWindowShowsItsTextsPicturesGridAndMarksAndStopsDrawingOnClosing() {
        WindowRig rig;
        // Every control: its place in layout pixels (15 twips), tool tip, accessible
        // name, and accessible description where that is not the tool tip.
        QStringList seen;
        for (QWidget* control : rig.window->centralWidget()->findChildren<QWidget*>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            const QRect r = control->geometry();
            QAccessibleInterface* item = QAccessible::queryAccessibleInterface(control);
            const QString description = item->text(QAccessible::Description);
            seen << QString::asprintf("%s %d,%d %dx%d ", qPrintable(control->objectName()), r.x(),
                                      r.y(), r.width(), r.height()) +
                        control->toolTip() + "/" + item->text(QAccessible::Name) +
                        (description == control->toolTip() ? "" : "/" + description);
        }
        seen << rig.window->windowTitle()
             << (rig.window->minimumSize() == rig.window->maximumSize() ? "fixed" : "")
             << rig.text("cmcPass") + (rig.find("cmcPass")->isHidden() ? " hidden" : "");
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
        // Each face's skin, and its mouth: the middle of it above its corners or below.
        for (const char* face : {"ImgWin", "ImgLost", "ImgLevel"}) {
            const QImage picture = rig.find<QLabel>(face)->pixmap().toImage();
            const auto mouthTop = [&](int x) {
                int y = 16;
                while (y < 28 && picture.pixelColor(x, y) != kBlack) {
                    ++y;
                }
                return y;
            };
            const int corner = mouthTop(11), middle = mouthTop(16);
            seen << picture.pixelColor(6, 16).name() + (middle > corner   ? " smiling"
                                                        : middle < corner ? " frowning"
                                                                          : " straight");
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
                "PicMain 136,8 267x267 /Board/Nine columns by nine rows: arrow keys, Home "
                "and End move, Space or Enter places your mark, S says the score and "
                "whose turn it is|"
                "txtUserSig 128,288 273x19 /Your Marks/The marks of each of your awards|"
                "txtComSig 128,312 273x19 /Opponent Marks/"
                "The marks of each of the opponent's awards|"
                "lblUser 0,288 57x17 Your Marks/User:|"
                "lblOtherSide 0,312 57x17 Opponent Marks/Computer:|"
                "txtUserTot 64,288 57x19 /Your total/Your Marks|"
                "txtComTot 64,312 57x19 /Opponent's total/Opponent Marks|"
                "cmcReset 8,16 113x25 Reset the Games/New Game|"
                "cmcConnect 8,232 113x25 Toggle the Remote Connection/Connect|"
                "lblStatus 8,208 113x25 Connection Status/Listening|"
                "lblMessage 8,120 113x33 Games Message/Your Turn|"
                "cmcPass 8,152 113x25 Let Computer play One step/Pass|"
                "AniLogo 40,56 49x49 About me/About me/Opens the about box|"
                "txtTX 64,344 337x19 /Message/Send Message to Remote|"
                "txtRX 64,368 337x51 /Messages received/The messages of this connection|"
                "lblChat 0,344 57x17 Send Message to Remote/Message:|"
                "AniLight 16,376 41x41 /Message lamp/Lights when a message arrives|"
                "ImgWin 48,64 32x32 /You WIN !!!/The game is over|"
                "ImgLost 48,64 32x32 /You Lost/The game is over|"
                "ImgLevel 48,64 32x32 /Level/The game is over|Line1 0,336 409x3 /|"
                "Velmora|fixed|&Pass hidden|&Game|Pass Ctrl+P| |"
                "New Ctrl+N|Fast Mode |Computer |Hint Ctrl+H|Undo Ctrl+Z (off)| |Exit |&Remote|"
                "Connect Ctrl+C|"
                "Disconnect Ctrl+D (off)|Listening Call Ctrl+L| |Change Port Number | |"
                "Local IP Address Ctrl+I|&Help|How to Play F1|About Ctrl+A|#ff0000#0000ff#ffff00|"
                "#0000c0|#00ffff smiling|#808080 frowning|#c0c0c0 straight|#efefef#808080#404040|"
                "1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0 |1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0 "));

        // Marks: rings about six pixels from the middle of their cells.
        rig.random.startAt(6, 3);
        rig.click(2, 7);
        QVERIFY(pixelsNear(image, 2, 7, kBlue, 7.5) >= 25 && pixelsNear(image, 6, 3, kRed) >= 25);
        QVERIFY(pixelsNear(image, 2, 7, kBlue, 4.5) == 0 &&
                pixelsNear(image, 2, 7, kBlue) == pixelsNear(image, 2, 7, kBlue, 7.5));

        // A press just inside a cell's lower right corner fills that cell.
        rig.random.startAt(9, 9);
        QTest::mouseClick(rig.find("PicMain"), Qt::LeftButton, {},
                          QPoint(29, 29) + QPoint(1, 1) * velmora::BoardPicture::kFramePixels);
        rig.timer.finish();
        QVERIFY(rig.game().board()[1][1].cellState == 1 && rig.game().board()[2][2].cellState == 0);

        // The next red mark grows counter-clockwise from the right, the last one
        // turned blue, New Game off; closing ends the drawing at once.
        rig.random.startAt(7, 7);
        rig.game().play({4, 4});
        while (pixelsNear(image, 7, 7, kRed, 10) < 3 && rig.timer.step()) {
        }
        const QImage aboveTheMiddle = image.copy(0, 0, image.width(), int(6.5 * kCell));
        QVERIFY(pixelsNear(image, 7, 7, kRed, 10) >= 3 &&
                pixelsNear(aboveTheMiddle, 7, 7, kRed, 10) == pixelsNear(image, 7, 7, kRed, 10));
        QVERIFY(pixelsNear(image, 9, 9, kRed) == 0 && pixelsNear(image, 9, 9, kBlue) >= 25);
        QVERIFY(!rig.find("cmcReset")->isEnabled() && !rig.find<QAction>("m_Reset")->isEnabled());
        QSignalSpy ended(rig.window, &velmora::MainWindow::unloaded);
        QSignalSpy finished(rig.session.get(), &velmora::Session::finished);  // the program ends
        rig.trigger("m_Exit");
        QVERIFY(ended.count() == 1 && !rig.window->isVisible() && !rig.timer.pausing());
        QTRY_COMPARE(finished.count(), 1);
    }

    // The computer's run of three down column 5: the white line it grows by
    // starts at the first cell and goes down, so the black run covers it.
    void aRunGrowsFromItsFirstCellToItsLast() {
        WindowRig rig;
        rig.fill({{5, 4}, {5, 5}});
        rig.click(1, 9);
        QVERIFY(rig.text("txtComSig").startsWith("3"));
        QCOMPARE(pixelsNear(rig.board(), 5, 5, Qt::white, 3 * kCell), 0);
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
        // A question with Yes and No, Yes the default.
        QCOMPARE(rig.dialogs.shown.value(1),
                 "Fast Mode|When selected Fast-Mode, you would hard to watch how Opponent getting "
                 "marks\r\n\r\n                            Are you sure change to Fast-Mode ?|111");

        rig.random.values = {0.3, 0.6};
        for (int cell = 0; cell < 81; ++cell) {
            rig.click(cell % 9 + 1, cell / 9 + 1);  // a filled cell is refused
        }
        QCOMPARE(rig.shown().section('|', 0, 0), QString("You Lost ImgLost"));
        // Each award's marks joined by plus signs, adding up to the total.
        int sum = 0;
        for (const QString& marks : rig.text("txtComSig").split('+')) {
            sum += QStringList({"3", "6", "9"}).contains(marks) ? marks.toInt() : 1000;
        }
        QCOMPARE(sum, rig.text("txtComTot").toInt());

        QTest::mouseClick(rig.find("cmcReset"), Qt::LeftButton);
        QCOMPARE(rig.shown(), QString("Your Turn AniLogo||||"));
        auto* logo = rig.find<velmora::ClipControl>("AniLogo");
        QVERIFY(!logo->isPlaying() && logo->currentFrame() == 0 &&
                rig.find<QAction>("m_Pass")->isEnabled() && rig.board() == empty);
        fastMode->trigger();  // off again, without a question
        QVERIFY(!fastMode->isChecked() && !rig.game().fastMode() && rig.dialogs.shown.size() == 2);

        rig.fill({{1, 1}, {2, 1}});
        rig.click(3, 1);  // (1, 1) to (3, 1): three
        QCOMPARE(rig.shown(), QString("Your Turn AniLogo|3|3||"));
        rig.find<QAction>("m_Pass")->setEnabled(true);  // as if it could still be chosen
        rig.trigger("m_Pass");
        QCOMPARE(rig.dialogs.shown.value(2), QString("|Hey!!! .... You Got Marks Already !!!|000"));

        rig.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.window));
        // Ctrl+A, which the chat line would otherwise take, then the logo: a modal box, OK
        // the default, links under a pointing hand opening what the program holds.
        QStringList seen;
        for (int opening = 0; opening < 2; ++opening) {
            QTimer::singleShot(0, [&] {
                QWidget* about = QApplication::activeModalWidget();
                QVERIFY(about != nullptr);
                for (QLabel* label : about->findChildren<QLabel*>()) {
                    seen << QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name) +
                                (label->cursor().hotSpot() == QPoint(5, 0) ? " (hand)" : "");
                    label->setText("changed");
                    QTest::mouseClick(label, Qt::LeftButton);
                }
                seen << std::exchange(rig.links.opened, {}).join(' ');
                seen << about->grab().toImage().pixelColor(100, 67).name();  // the rule's grey
                rig.click(5, 5);  // refused while the box is open
                QTest::keyClick(about, Qt::Key_Return);
                seen << about->windowTitle() + (about->isVisible() ? " left open" : "");
                about->close();
            });
            opening == 0 ? QTest::keyClick(rig.find("txtTX"), Qt::Key_A, Qt::ControlModifier)
                         : QTest::mouseClick(rig.find("AniLogo"), Qt::LeftButton);
        }
        using namespace velmora::identity;
        const QStringList about(
            {"The product emblem", "If any comment, please feel free  E-Mail to me", "Velmora",
             "Version 1.1.5", QString(kEmail) + " (hand)", "Thanks for use this program",
             kLegalNotice, QString(kWebAddress) + " (hand)", "Pellin",
             QString("mailto:") + kEmail + " " + kWebAddress, "#808080", "About me"});
        QCOMPARE(seen, about + about);
        rig.window->activateWindow();  // back from the boxes, the game as it was
        QVERIFY(QTest::qWaitForWindowActive(rig.window));
        QCOMPARE(rig.shown(), QString("Your Turn AniLogo|3|3||"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
