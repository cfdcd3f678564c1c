// The main window and its about box as the user sees them: texts, pictures,
// the board's pixels, what is enabled, and the boxes it asks.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <tuple>

#include "about_box.h"
#include "board_picture.h"
#include "clip_control.h"
#include "identity.h"
#include "main_window.h"
#include "window_rig.h"

using velmora::Dialogs;
using Rig = WindowRig;

namespace {

const QColor kBackground(239, 239, 239);  // the window's face colour in the tests' style
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
constexpr double kCellPixels = WindowRig::kCellPixels;
constexpr int kFrame = velmora::BoardPicture::kFramePixels;

// Pixels of `colour` within `radius` pixels of the middle of cell (column, row).
int pixelsNear(const QImage& image, int column, int row, QColor colour, double radius = 13) {
    const QPointF centre((column - 0.5) * kCellPixels, (row - 0.5) * kCellPixels);
    int count = 0;
    for (int y = int(centre.y() - radius); y <= int(centre.y() + radius); ++y) {
        for (int x = int(centre.x() - radius); x <= int(centre.x() + radius); ++x) {
            if (image.valid(x, y) && QColor(image.pixel(x, y)) == colour &&
                std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) <= radius) {
                ++count;
            }
        }
    }
    return count;
}

// Runs `inspect` on the modal about box once it is open, then closes it with Esc.
void whileAboutBoxIsOpen(const std::function<void(QDialog*)>& inspect) {
    QTimer::singleShot(0, [inspect] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        inspect(box);
        QTest::keyClick(box, Qt::Key_Escape);
    });
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QTRY_VERIFY(std::none_of(QApplication::topLevelWidgets().cbegin(),
                                 QApplication::topLevelWidgets().cend(),
                                 [](QWidget* widget) { return widget->isVisible(); }));
    }

    void aFreshWindowShowsItsControlsMenusAndAnEmptyGrid() {
        Rig rig;
        QCOMPARE(rig.window->windowTitle(), QString("Velmora"));
        QVERIFY(rig.find("cmcPass")->isHidden());  // every new game hides it
        QCOMPARE(rig.find("AniLogo")->toolTip(), QString("About me"));
        for (auto [name, text, tip] : {std::tuple{"lblUser", "User:", "Your Marks"},
                                       {"lblOtherSide", "Computer:", "Opponent Marks"},
                                       {"cmcReset", "&New Game", "Reset the Games"},
                                       {"cmcConnect", "Connect", "Toggle the Remote Connection"},
                                       {"lblStatus", "Listening", "Connection Status"},
                                       {"lblMessage", "Your Turn", "Games Message"},
                                       {"cmcPass", "&Pass", "Let Computer play One step"},
                                       {"lblChat", "Message:", "Send Message to Remote"},
                                       {"txtUserSig", "", ""},
                                       {"txtComTot", "", ""}}) {
            auto* button = qobject_cast<QPushButton*>(rig.find(name));
            QCOMPARE(button ? button->text() : rig.text(name), QString(text));
            QCOMPARE(rig.find(name)->toolTip(), QString(tip));
        }

        QStringList entries;
        for (QAction* menu : rig.window->menuBar()->actions()) {
            entries << menu->text();
            for (QAction* entry : menu->menu()->actions()) {
                entries << (entry->isSeparator()
                                ? QString("-")
                                : "  " + entry->text() + " " + entry->shortcut().toString() +
                                      (entry->isEnabled() ? "" : " (off)"));
            }
        }
        QCOMPARE(entries,
                 QStringList({"&Game", "  Pass Ctrl+P", "-", "  New Ctrl+N", "  Fast Mode ", "-",
                              "  Exit ", "&Remote", "  Connect Ctrl+C", "  Disconnect Ctrl+D (off)",
                              "  Listening Call Ctrl+L", "-", "  Change Port Number ", "-",
                              "  Local IP Address Ctrl+I", "&Help", "  About Ctrl+A"}));
        QVERIFY(!rig.find<QAction>("m_FastMode")->isChecked());

        QCOMPARE(rig.window->minimumSize(), rig.window->maximumSize());
        QVERIFY(!(rig.window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(rig.window->windowHeightTwips(), 5700);
        QCOMPARE(rig.window->portNumber(), 16323);
        const QWidget* client = rig.window->centralWidget();
        for (const char* chat : {"txtTX", "txtRX", "lblChat", "AniLight"}) {
            QVERIFY2(rig.find(chat)->geometry().top() >= client->height(), chat);
        }
        for (const char* game : {"PicMain", "txtComSig", "txtComTot", "cmcConnect"}) {
            QVERIFY2(rig.find(game)->geometry().bottom() < client->height(), game);
        }
        // The dark-blue rule that divides off the chat area.
        QCOMPARE(rig.find("Line1")->grab().toImage().pixelColor(100, 1), QColor(0, 0, 192));
        // The end-of-game faces: cyan and smiling, grey, silver.
        for (auto [name, skin] : {std::pair{"ImgWin", QColor(0, 255, 255)},
                                  {"ImgLost", QColor(128, 128, 128)},
                                  {"ImgLevel", QColor(192, 192, 192)}}) {
            QCOMPARE(rig.find<QLabel>(name)->pixmap().toImage().pixelColor(6, 16), skin);
        }

        // Eight black lines each way, one on each boundary between cells.
        const QImage& image = rig.board();
        for (bool rows : {true, false}) {
            QList<int> lines;
            for (int at = 0; at < image.width(); ++at) {
                int black = 0;
                for (int i = 0; i < image.width(); ++i) {
                    black += QColor(rows ? image.pixel(i, at) : image.pixel(at, i)) == kBlack;
                }
                if (black > image.width() * 0.9) {
                    lines << at;
                }
            }
            QCOMPARE(lines.size(), 8);
            for (int i = 0; i < 8; ++i) {
                QVERIFY(std::abs(lines[i] - (i + 1) * kCellPixels) <= 1);
            }
        }
        QCOMPARE(QColor(image.pixel(10, 10)), kBackground);

        // Only the chat line takes typing.
        for (const char* name : {"txtUserSig", "txtUserTot", "txtComSig", "txtComTot", "txtTX"}) {
            QTest::keyClicks(rig.find(name), "42");
            QCOMPARE(rig.text(name), QString(QByteArray(name) == "txtTX" ? "42" : ""));
        }
        auto* transcript = rig.find<QPlainTextEdit>("txtRX");
        QTest::keyClicks(transcript, "42");
        QVERIFY(transcript->toPlainText().isEmpty());
    }

    void marksAreCirclesInTheirCellsOutlastCoveringAndStopOnClosing() {
        Rig rig;
        rig.random.startAt(6, 3);
        rig.click(2, 7);
        const QImage& image = rig.board();
        // A circle of a fifth of a cell, 88.8 twips: about six pixels from the middle.
        for (auto [column, row, colour] : {std::tuple{2, 7, kBlue}, std::tuple{6, 3, kRed}}) {
            const int ring = pixelsNear(image, column, row, colour, 7.5);
            QVERIFY(ring >= 25);
            QCOMPARE(pixelsNear(image, column, row, colour, 4.5), 0);
            QCOMPARE(pixelsNear(image, column, row, colour), ring);
        }

        rig.window->showMinimized();
        rig.window->showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        const QImage shown = rig.find("PicMain")->grab().toImage();
        int same = 0;
        for (int y = 10; y < 200; y += 3) {
            for (int x = 10; x < 200; x += 3) {
                same += shown.pixel(x + kFrame, y + kFrame) == image.pixel(x, y);
            }
        }
        QVERIFY2(same > 0.99 * 64 * 64, qPrintable(QString::number(same)));
        // The sunken frame: grey outside, dark grey inside, along the top.
        QCOMPARE(shown.pixelColor(50, 0), QColor(128, 128, 128));
        QCOMPARE(shown.pixelColor(50, 1), QColor(64, 64, 64));

        // A press just inside a cell's lower right corner fills that cell.
        rig.random.startAt(9, 1);
        QTest::mouseClick(
            rig.window->windowHandle(), Qt::LeftButton, {},
            rig.find("PicMain")->mapTo(rig.window.get(), QPoint(kFrame + 29, kFrame + 29)));
        rig.timer.finish();
        QCOMPARE(rig.game().board()[1][1].cellState, int16_t(1));
        QCOMPARE(rig.game().board()[2][2].cellState, int16_t(0));
        // The computer's next move takes the red over.
        rig.random.startAt(9, 9);
        rig.click(4, 4);
        QCOMPARE(pixelsNear(image, 6, 3, kRed), 0);
        QVERIFY(pixelsNear(image, 6, 3, kBlue) >= 25);
        QVERIFY(pixelsNear(image, 9, 9, kRed) >= 25);

        // The red mark grows counter-clockwise from the right: its first arcs
        // lie above the middle of its cell.
        rig.random.startAt(7, 7);
        rig.game().press(1, 7.5 * rig.game().cellSize(), 4.5 * rig.game().cellSize());
        const QPointF middle((7 - 0.5) * kCellPixels, (7 - 0.5) * kCellPixels);
        int above = 0;
        int below = 0;
        while (above < 3 && rig.timer.step()) {
            above = below = 0;
            for (int y = int(middle.y()) - 10; y <= int(middle.y()) + 10; ++y) {
                for (int x = int(middle.x()) - 10; x <= int(middle.x()) + 10; ++x) {
                    if (QColor(image.pixel(x, y)) == kRed) {
                        ++(y + 0.5 <= middle.y() ? above : below);
                    }
                }
            }
        }
        QVERIFY(above >= 3);
        QCOMPARE(below, 0);
        rig.timer.finish();

        // Closing while a move is drawn ends it at once.
        rig.random.startAt(3, 3);
        rig.game().press(1, 4.5 * rig.game().cellSize(), 4.5 * rig.game().cellSize());
        QVERIFY(rig.timer.pausing());
        QSignalSpy ended(rig.window.get(), &velmora::MainWindow::unloaded);
        rig.trigger("m_Exit");
        QCOMPARE(ended.count(), 1);
        QVERIFY(!rig.window->isVisible());
        QVERIFY(!rig.timer.pausing());
        QCOMPARE(rig.window->socketState(), 0);
        QCOMPARE(pixelsNear(image, 3, 3, kRed), 0);
    }

    void fastModeAsksFirstAndAFinishedGameShowsItsFaceUntilANewGame() {
        Rig rig;
        auto* fastMode = rig.find<QAction>("m_FastMode");
        rig.dialogs.answers << Dialogs::Answer::No << Dialogs::Answer::Yes;
        fastMode->trigger();
        QCOMPARE(rig.dialogs.shown.size(), 1);
        const FakeDialogs::Shown box = rig.dialogs.shown.first();
        QCOMPARE(
            box.text,
            QString("When selected Fast-Mode, you would hard to watch how Opponent getting marks"
                    "\r\n\r\n                            Are you sure change to Fast-Mode ?"));
        QCOMPARE(box.title, QString("Fast Mode"));
        QCOMPARE(box.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(box.icon, Dialogs::Icon::Question);
        QCOMPARE(box.defaultAnswer, Dialogs::Answer::Yes);
        QVERIFY(!fastMode->isChecked() && !rig.game().fastMode());
        fastMode->trigger();
        QVERIFY(fastMode->isChecked() && rig.game().fastMode());

        rig.random.values = {0.3, 0.6};
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                if (rig.game().board()[c][r].cellState == 0) {
                    rig.click(c, r);
                }
            }
        }
        const int user = rig.text("txtUserTot").toInt();
        const int computer = rig.text("txtComTot").toInt();
        const QString result = user > computer   ? "You WIN !!!"
                               : user < computer ? "You Lost"
                                                 : "Level";
        QCOMPARE(rig.text("lblMessage"), result);
        QCOMPARE(rig.find("ImgWin")->isVisible(), user > computer);
        QCOMPARE(rig.find("ImgLost")->isVisible(), user < computer);
        QCOMPARE(rig.find("ImgLevel")->isVisible(), user == computer);
        QVERIFY(rig.find("AniLogo")->isHidden());
        QVERIFY(!rig.find<QAction>("m_Pass")->isEnabled());
        QVERIFY(rig.find<QPushButton>("cmcReset")->isEnabled());

        QTest::mouseClick(rig.find("cmcReset"), Qt::LeftButton);
        for (const char* box : {"txtUserSig", "txtUserTot", "txtComSig", "txtComTot"}) {
            QVERIFY2(rig.text(box).isEmpty(), box);
        }
        QCOMPARE(rig.text("lblMessage"), QString("Your Turn"));
        for (const char* face : {"ImgWin", "ImgLost", "ImgLevel"}) {
            QVERIFY2(rig.find(face)->isHidden(), face);
        }
        auto* logo = rig.find<velmora::ClipControl>("AniLogo");
        QVERIFY(logo->isVisible() && !logo->isPlaying());
        QCOMPARE(logo->currentFrame(), 0);
        QVERIFY(rig.find<QAction>("m_Pass")->isEnabled());
        for (int c = 1; c <= 9; ++c) {
            QCOMPARE(
                pixelsNear(rig.board(), c, c, kBlue) + pixelsNear(rig.board(), c, c, kBlack, 8), 0);
        }
        QVERIFY(fastMode->isChecked());
        fastMode->trigger();  // off again, without a question
        QVERIFY(!fastMode->isChecked() && !rig.game().fastMode());
        QCOMPARE(rig.dialogs.shown.size(), 2);
    }

    void passScoringNewGameAndAboutWorkFromTheTextBoxes() {
        Rig rig;
        rig.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        rig.random.startAt(4, 6);
        QTest::keyClick(rig.find("txtUserSig"), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(rig.game().moveLock());
        QCOMPARE(rig.text("lblMessage"), QString("Wait ......"));
        QVERIFY(!rig.find<QPushButton>("cmcReset")->isEnabled());
        QVERIFY(!rig.find<QAction>("m_Reset")->isEnabled());
        rig.timer.finish();
        QCOMPARE(pixelsNear(rig.board(), 4, 6, kRed), pixelsNear(rig.board(), 4, 6, kRed, 7.5));
        QVERIFY(rig.find<QPushButton>("cmcReset")->isEnabled() &&
                rig.find<QAction>("m_Reset")->isEnabled());

        rig.fill({{1, 1}, {2, 1}});
        rig.click(3, 1);  // (1, 1) to (3, 1): three
        QCOMPARE(rig.text("txtUserSig"), QString("3"));
        QCOMPARE(rig.text("txtUserTot"), QString("3"));
        QVERIFY(rig.text("txtComSig").isEmpty() && rig.text("txtComTot").isEmpty());
        QCOMPARE(rig.text("lblMessage"), QString("Your Turn"));
        const QImage& image = rig.board();
        const int y = int(0.5 * kCellPixels);
        for (int x = int(0.5 * kCellPixels) + 1; x < int(2.5 * kCellPixels); ++x) {
            QCOMPARE(QColor(image.pixel(x, y)), kBlack);
        }
        QCOMPARE(QColor(image.pixel(int(2.5 * kCellPixels) + 3, y)), kBackground);

        auto* pass = rig.find<QAction>("m_Pass");
        QVERIFY(!pass->isEnabled());
        pass->setEnabled(true);  // as if it could still be chosen
        pass->trigger();
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QCOMPARE(rig.dialogs.shown.first().text, QString("Hey!!! .... You Got Marks Already !!!"));
        QVERIFY(rig.dialogs.shown.first().title.isEmpty());
        QCOMPARE(rig.dialogs.shown.first().icon, Dialogs::Icon::None);
        QCOMPARE(rig.game().moveCount(), 4);

        QTest::keyClick(rig.find("txtTX"), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(rig.game().moveCount(), 0);
        QCOMPARE(pixelsNear(image, 4, 6, kRed), 0);

        bool inspected = false;
        whileAboutBoxIsOpen([&](QDialog* box) {
            QVERIFY(box->isModal());
            QCOMPARE(box->parentWidget(), rig.window.get());
            box->findChild<QLabel*>("lblTitle")->setText("changed in this opening");
            rig.click(1, 1);  // refused while the box is open
            QCOMPARE(rig.game().moveCount(), 0);
            inspected = true;
        });
        // Ctrl+A, which the chat line would otherwise take to select its text.
        QTest::keyClick(rig.find("txtTX"), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(inspected);
        inspected = false;
        whileAboutBoxIsOpen([&](QDialog* box) {
            QCOMPARE(box->findChild<QLabel*>("lblTitle")->text(), QString("Velmora"));
            inspected = true;
        });
        QTest::mouseClick(rig.find("AniLogo"), Qt::LeftButton);
        QVERIFY(inspected);
        // A later activation starts no new game.
        rig.click(5, 5);
        rig.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        QCOMPARE(rig.game().moveCount(), 2);
    }

    void aboutBoxShowsItsTextsAndOpensItsLinks() {
        RecordingLinks links;
        velmora::AboutBox about(links);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.windowTitle(), QString("About me"));
        for (auto [name, text] :
             {std::pair{"lblTitle", "Velmora"},
              {"lblVersion", "Version 1.1.5"},
              {"lblDisclaimer", "If any comment, please feel free  E-Mail to me"},
              {"Label1", "Thanks for use this program"},
              {"lblCopyRight", velmora::identity::kLegalNotice},
              {"lblWebAdd", velmora::identity::kWebAddress},
              {"lblEMail", velmora::identity::kEmail},
              {"lblPellin", "Pellin"}}) {
            QCOMPARE(about.findChild<QLabel*>(name)->text(), QString(text));
        }
        QCOMPARE(about.findChild<QPushButton*>("cmdOK")->text(), QString("OK"));

        // The address the program holds is opened, whatever the label shows.
        auto* web = about.findChild<QLabel*>("lblWebAdd");
        web->setText("something else");
        QTest::mouseClick(web, Qt::LeftButton);
        QTest::mouseClick(about.findChild<QLabel*>("lblEMail"), Qt::LeftButton);
        QTest::mouseClick(about.findChild<QLabel*>("Label1"), Qt::LeftButton);
        QCOMPARE(links.opened, QList<QUrl>({QUrl(velmora::identity::kWebAddress),
                                            QUrl(QString("mailto:") + velmora::identity::kEmail)}));
        links.works = false;
        QTest::mouseClick(web, Qt::LeftButton);
        QVERIFY(about.isVisible());
        QCOMPARE(web->cursor().hotSpot(), QPoint(5, 0));
        QCOMPARE(about.findChild<QLabel*>("lblTitle")->cursor().shape(), Qt::ArrowCursor);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            about.show();
            QTest::keyClick(&about, key);
            QVERIFY(!about.isVisible());
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
