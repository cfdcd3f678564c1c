// The main window and its about box as the user sees them: texts, pictures,
// the board's pixels, what is enabled, and the boxes it asks.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <cmath>
#include <tuple>

#include "about_box.h"
#include "clip_control.h"
#include "identity.h"
#include "window_rig.h"

using velmora::Dialogs;

namespace {

const QColor kBackground(239, 239, 239);  // the window's face colour in the tests' style
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
constexpr double kCell = WindowRig::kCellPixels;
constexpr int kFrame = velmora::BoardPicture::kFramePixels;

// Pixels of `colour` within `radius` pixels of the middle of cell (column, row);
// those above the middle are also counted in `above`.
int pixelsNear(const QImage& image, int column, int row, QColor colour, double radius = 13,
               int* above = nullptr) {
    const QPointF centre((column - 0.5) * kCell, (row - 0.5) * kCell);
    int count = 0;
    for (int y = int(centre.y() - radius); y <= int(centre.y() + radius); ++y) {
        for (int x = int(centre.x() - radius); x <= int(centre.x() + radius); ++x) {
            if (image.valid(x, y) && QColor(image.pixel(x, y)) == colour &&
                std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) <= radius) {
                ++count;
                if (above != nullptr && y + 0.5 <= centre.y()) {
                    ++*above;
                }
            }
        }
    }
    return count;
}

// The user's marks and total, then the opponent's.
QString scores(const WindowRig& rig) {
    return rig.text("txtUserSig") + "|" + rig.text("txtUserTot") + "|" + rig.text("txtComSig") +
           "|" + rig.text("txtComTot");
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
        WindowRig rig;
        QCOMPARE(rig.window->windowTitle(), QString("Velmora"));
        // Its icon: a red 8 and a blue 1 on a yellow disc.
        const QImage icon = rig.window->windowIcon().pixmap(16, 16).toImage();
        QVERIFY(icon.pixelColor(3, 3) == kRed && icon.pixelColor(11, 8) == kBlue &&
                icon.pixelColor(8, 14) == QColor(255, 255, 0));
        QVERIFY(rig.find("cmcPass")->isHidden());  // every new game hides it
        // The status's text belongs to the connection, tested with remote play.
        for (auto [name, text, tip] : {std::tuple{"lblUser", "User:", "Your Marks"},
                                       {"lblOtherSide", "Computer:", "Opponent Marks"},
                                       {"cmcReset", "&New Game", "Reset the Games"},
                                       {"cmcConnect", "Connect", "Toggle the Remote Connection"},
                                       {"lblStatus", nullptr, "Connection Status"},
                                       {"lblMessage", "Your Turn", "Games Message"},
                                       {"cmcPass", "&Pass", "Let Computer play One step"},
                                       {"lblChat", "Message:", "Send Message to Remote"},
                                       {"AniLogo", nullptr, "About me"},
                                       {"txtUserSig", "", ""}}) {
            auto* button = qobject_cast<QPushButton*>(rig.find(name));
            QVERIFY2(!text || (button ? button->text() : rig.text(name)) == text, name);
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
        QVERIFY(rig.window->minimumSize() == rig.window->maximumSize() &&
                !(rig.window->windowFlags() & Qt::WindowMaximizeButtonHint));
        // The dark-blue rule over the chat area, and the end-of-game faces:
        // cyan and smiling, grey, silver.
        QCOMPARE(rig.find("Line1")->grab().toImage().pixelColor(100, 1), QColor(0, 0, 192));
        for (auto [name, skin] : {std::pair{"ImgWin", QColor(0, 255, 255)},
                                  {"ImgLost", QColor(128, 128, 128)},
                                  {"ImgLevel", QColor(192, 192, 192)}}) {
            QCOMPARE(rig.find<QLabel>(name)->pixmap().toImage().pixelColor(6, 16), skin);
        }

        // Eight black lines each way on the background, one on each boundary between cells.
        const QImage& image = rig.board();
        QCOMPARE(QColor(image.pixel(10, 10)), kBackground);
        for (bool rows : {true, false}) {
            QList<int> lines;
            for (int at = 0; at < image.width(); ++at) {
                int black = 0;
                for (int i = 0; i < image.width(); ++i) {
                    black += QColor(rows ? image.pixel(i, at) : image.pixel(at, i)) == kBlack;
                }
                if (black > image.width() * 0.9) {
                    const long nearest = std::lround(at / kCell);  // within a pixel, or not at all
                    lines << int(std::abs(at - nearest * kCell) <= 1 ? nearest : -at);
                }
            }
            QCOMPARE(lines, QList<int>({1, 2, 3, 4, 5, 6, 7, 8}));
        }

        // Only the chat line takes typing.
        for (const char* name :
             {"txtUserSig", "txtUserTot", "txtComSig", "txtComTot", "txtTX", "txtRX"}) {
            QTest::keyClicks(rig.find(name), "42");
        }
        QCOMPARE(scores(rig) + rig.text("txtTX") + rig.find<QPlainTextEdit>("txtRX")->toPlainText(),
                 QString("|||42"));
    }

    void marksAreCirclesInTheirCellsOutlastCoveringAndStopOnClosing() {
        WindowRig rig;
        rig.random.startAt(6, 3);
        rig.click(2, 7);
        const QImage& image = rig.board();
        // Rings about six pixels from the middle of their cells.
        for (auto [column, row, colour] : {std::tuple{2, 7, kBlue}, std::tuple{6, 3, kRed}}) {
            const int ring = pixelsNear(image, column, row, colour, 7.5);
            QVERIFY(ring >= 25 && pixelsNear(image, column, row, colour, 4.5) == 0);
            QCOMPARE(pixelsNear(image, column, row, colour), ring);
        }
        // Shown again after minimising, in a sunken frame: grey outside, dark grey inside.
        rig.window->showMinimized();
        rig.window->showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        const QImage shown = rig.find("PicMain")->grab().toImage();
        QCOMPARE(shown.copy(kFrame, kFrame, 200, 200).convertToFormat(image.format()),
                 image.copy(0, 0, 200, 200));
        QCOMPARE(shown.pixelColor(50, 0), QColor(128, 128, 128));
        QCOMPARE(shown.pixelColor(50, 1), QColor(64, 64, 64));

        // A press just inside a cell's lower right corner fills that cell.
        rig.random.startAt(9, 1);
        QTest::mouseClick(
            rig.window->windowHandle(), Qt::LeftButton, {},
            rig.find("PicMain")->mapTo(rig.window.get(), QPoint(kFrame + 29, kFrame + 29)));
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
        int above = 0;
        int red = 0;
        while (above < 3 && rig.timer.step()) {
            above = 0;
            red = pixelsNear(image, 7, 7, kRed, 10, &above);
        }
        QVERIFY(above >= 3 && red == above);
        rig.timer.finish();

        // Closing while a move is drawn ends it at once.
        rig.random.startAt(3, 3);
        rig.game().press(1, 4.5 * rig.game().cellSize(), 4.5 * rig.game().cellSize());
        QVERIFY(rig.timer.pausing());
        QSignalSpy ended(rig.window.get(), &velmora::MainWindow::unloaded);
        rig.trigger("m_Exit");
        QCOMPARE(ended.count(), 1);
        QVERIFY(!rig.window->isVisible() && !rig.timer.pausing());
        QCOMPARE(pixelsNear(image, 3, 3, kRed), 0);
    }

    void fastModeAsksFirstAndAFinishedGameShowsItsFaceUntilANewGame() {
        WindowRig rig;
        auto* fastMode = rig.find<QAction>("m_FastMode");
        rig.dialogs.answers << Dialogs::Answer::No << Dialogs::Answer::Yes;
        fastMode->trigger();
        QVERIFY(!fastMode->isChecked() && !rig.game().fastMode());
        fastMode->trigger();
        QVERIFY(fastMode->isChecked() && rig.game().fastMode());
        const FakeDialogs::Shown box = rig.dialogs.shown.value(1);
        QCOMPARE(
            box.text,
            QString("When selected Fast-Mode, you would hard to watch how Opponent getting marks"
                    "\r\n\r\n                            Are you sure change to Fast-Mode ?"));
        QVERIFY(box.title == "Fast Mode" && box.buttons == Dialogs::Buttons::YesNo &&
                box.icon == Dialogs::Icon::Question && box.defaultAnswer == Dialogs::Answer::Yes);

        rig.random.values = {0.3, 0.6};
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                if (rig.game().board()[c][r].cellState == 0) {
                    rig.click(c, r);
                }
            }
        }
        const auto shown = [&rig] {
            QString faces = rig.text("lblMessage");
            for (const char* name : {"ImgWin", "ImgLost", "ImgLevel", "AniLogo"}) {
                faces += rig.find(name)->isVisible() ? QString(" ") + name : "";
            }
            return faces;
        };
        const int lead = rig.text("txtUserTot").toInt() - rig.text("txtComTot").toInt();
        QCOMPARE(shown(), lead > 0   ? "You WIN !!! ImgWin"
                          : lead < 0 ? "You Lost ImgLost"
                                     : "Level ImgLevel");
        QVERIFY(!rig.find<QAction>("m_Pass")->isEnabled() && rig.find("cmcReset")->isEnabled());

        QTest::mouseClick(rig.find("cmcReset"), Qt::LeftButton);
        QCOMPARE(shown(), QString("Your Turn AniLogo"));
        QCOMPARE(scores(rig), QString("|||"));
        auto* logo = rig.find<velmora::ClipControl>("AniLogo");
        QVERIFY(!logo->isPlaying() && logo->currentFrame() == 0);
        QVERIFY(rig.find<QAction>("m_Pass")->isEnabled());
        for (int c = 1; c <= 9; ++c) {
            QCOMPARE(
                pixelsNear(rig.board(), c, c, kBlue) + pixelsNear(rig.board(), c, c, kBlack, 8), 0);
        }
        fastMode->trigger();  // off again, without a question
        QVERIFY(!fastMode->isChecked() && !rig.game().fastMode());
        QCOMPARE(rig.dialogs.shown.size(), 2);
    }

    void passScoringNewGameAndAboutWorkFromTheTextBoxes() {
        WindowRig rig;
        rig.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        rig.random.startAt(4, 6);
        QTest::keyClick(rig.find("txtUserSig"), Qt::Key_P, Qt::ControlModifier);
        // New Game waits while the computer's mark is drawn.
        QVERIFY(!rig.find("cmcReset")->isEnabled() && !rig.find<QAction>("m_Reset")->isEnabled());
        rig.timer.finish();
        QCOMPARE(pixelsNear(rig.board(), 4, 6, kRed), pixelsNear(rig.board(), 4, 6, kRed, 7.5));
        QVERIFY(rig.find("cmcReset")->isEnabled() && rig.find<QAction>("m_Reset")->isEnabled());

        rig.fill({{1, 1}, {2, 1}});
        rig.click(3, 1);  // (1, 1) to (3, 1): three, crossed by a line from end to end
        QCOMPARE(scores(rig), QString("3|3||"));
        const QImage& image = rig.board();
        const int y = int(0.5 * kCell);
        for (int x = int(0.5 * kCell) + 1; x < int(2.5 * kCell); ++x) {
            QCOMPARE(QColor(image.pixel(x, y)), kBlack);
        }
        QCOMPARE(QColor(image.pixel(int(2.5 * kCell) + 3, y)), kBackground);

        auto* pass = rig.find<QAction>("m_Pass");
        QVERIFY(!pass->isEnabled());
        pass->setEnabled(true);  // as if it could still be chosen
        pass->trigger();
        const FakeDialogs::Shown box = rig.dialogs.shown.value(0);
        QCOMPARE(box.text, QString("Hey!!! .... You Got Marks Already !!!"));
        QVERIFY(box.title.isEmpty() && box.icon == Dialogs::Icon::None);
        QCOMPARE(rig.game().moveCount(), 4);

        QTest::keyClick(rig.find("txtTX"), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(rig.game().moveCount(), 0);
        QCOMPARE(pixelsNear(image, 4, 6, kRed), 0);

        // Ctrl+A, which the chat line would otherwise take to select its text,
        // then a click on the logo: a fresh modal box each time.
        int inspected = 0;
        whileAboutBoxIsOpen([&](QDialog* box) {
            QVERIFY(box->isModal() && box->parentWidget() == rig.window.get());
            box->setWindowTitle("changed in this opening");
            rig.click(1, 1);  // refused while the box is open
            QCOMPARE(rig.game().moveCount(), 0);
            ++inspected;
        });
        QTest::keyClick(rig.find("txtTX"), Qt::Key_A, Qt::ControlModifier);
        whileAboutBoxIsOpen([&](QDialog* box) {
            QCOMPARE(box->windowTitle(), QString("About me"));
            ++inspected;
        });
        QTest::mouseClick(rig.find("AniLogo"), Qt::LeftButton);
        QCOMPARE(inspected, 2);
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
        for (auto [name, text] :
             {std::pair{"lblTitle", "Velmora"},
              {"lblVersion", "Version 1.1.5"},
              {"lblDisclaimer", "If any comment, please feel free  E-Mail to me"},
              {"Label1", "Thanks for use this program"},
              {"lblCopyRight", velmora::identity::kLegalNotice},
              {"lblWebAdd", velmora::identity::kWebAddress},
              {"lblEMail", velmora::identity::kEmail},
              {"lblPellin", "Pellin"},
              {"cmdOK", "OK"}}) {
            auto* label = about.findChild<QLabel*>(name);
            auto* button = about.findChild<QPushButton*>(name);
            QVERIFY2(label || button, name);
            QCOMPARE(label ? label->text() : button->text(), QString(text));
        }
        // The address the program holds is opened, whatever the label shows,
        // under a pointing hand; a failure to open leaves the box as it was.
        auto* web = about.findChild<QLabel*>("lblWebAdd");
        web->setText("something else");
        links.works = false;
        for (const char* name : {"lblWebAdd", "lblEMail", "Label1"}) {
            QTest::mouseClick(about.findChild<QLabel*>(name), Qt::LeftButton);
        }
        QCOMPARE(links.opened, QList<QUrl>({QUrl(velmora::identity::kWebAddress),
                                            QUrl(QString("mailto:") + velmora::identity::kEmail)}));
        QVERIFY(about.isVisible());
        QCOMPARE(web->cursor().hotSpot(), QPoint(5, 0));
        QCOMPARE(about.findChild<QLabel*>("lblTitle")->cursor().shape(), Qt::ArrowCursor);
        QTest::keyClick(&about, Qt::Key_Return);  // OK is the default button
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
