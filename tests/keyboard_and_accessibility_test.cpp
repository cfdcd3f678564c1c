// The board played from the keyboard, and the window as a screen reader
// finds it: names, the table of cells, and what it is told happens.
#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QTest>

#include "about_box.h"
#include "window_rig.h"

constexpr int kFrame = velmora::BoardPicture::kFramePixels;

class KeyboardAndAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void keysMoveTheFocusCellAndPlayItAsAClickWould_data() {
        // < > ^ v arrows, Home, End, Space, eNter, Return, Tab, Backtab; c: a click
        // in (2, 7), t: the opponent takes (5, 5), d: a move of the user's is being drawn.
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QPoint>("focus");
        QTest::addColumn<bool>("played");
        QTest::addColumn<bool>("square");  // the focus square shown over the focus cell
        QTest::newRow("a mouse player sees none") << "c" << QPoint(2, 7) << true << false;
        QTest::newRow("arrows") << "<<^" << QPoint(3, 4) << false << true;
        QTest::newRow("right and bottom edges") << ">>>>>vvvvv" << QPoint(9, 9) << false << true;
        QTest::newRow("left and top edges") << "<<<<<^^^^^" << QPoint(1, 1) << false << true;
        QTest::newRow("Home") << "vH" << QPoint(1, 6) << false << true;
        QTest::newRow("End") << "^E" << QPoint(9, 4) << false << true;
        QTest::newRow("Space plays") << ">S" << QPoint(6, 5) << true << true;
        QTest::newRow("Enter plays") << "vN" << QPoint(5, 6) << true << true;
        QTest::newRow("Return plays") << "R" << QPoint(5, 5) << true << true;
        QTest::newRow("a filled cell is refused") << "tS" << QPoint(5, 5) << false << true;
        QTest::newRow("refused while drawing") << "dS" << QPoint(5, 5) << false << true;
        QTest::newRow("gone with the focus") << ">T" << QPoint(6, 5) << false << false;
        QTest::newRow("back with it") << "cTB" << QPoint(2, 7) << true << true;
    }
    void keysMoveTheFocusCellAndPlayItAsAClickWould() {
        QFETCH(QString, keys);
        QFETCH(QPoint, focus);
        QFETCH(bool, played);
        QFETCH(bool, square);
        WindowRig rig;
        rig.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        QTRY_VERIFY(rig.find("PicMain")->hasFocus());
        const QString codes = "<>^vHESNRTB";
        const Qt::Key key[] = {Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                               Qt::Key_Home,   Qt::Key_End,   Qt::Key_Space,  Qt::Key_Enter,
                               Qt::Key_Return, Qt::Key_Tab,   Qt::Key_Backtab};
        for (QChar k : keys) {
            if (codes.contains(k)) {
                QTest::keyClick(QApplication::focusWidget(), key[codes.indexOf(k)]);
            } else if (k == 'c') {
                rig.click(2, 7);
            } else if (k == 't') {
                rig.fill({{5, 5}});
            } else {
                rig.game().press(1, 100, 100);  // in (1, 1)
            }
        }
        rig.timer.finish();
        auto* board = rig.find<velmora::BoardPicture>("PicMain");
        QCOMPARE(board->focusCell(), focus);
        QCOMPARE(rig.game().owner(focus.x(), focus.y()) == velmora::Game::Side::User, played);
        // Shown is the image, and over the focus cell the square or not.
        const QRect cell = board->cellRect(focus.x(), focus.y()).translated(-kFrame, -kFrame);
        QImage shown = board->grab(QRect(QPoint(kFrame, kFrame), rig.board().size()))
                           .toImage()
                           .convertToFormat(rig.board().format());
        QCOMPARE(shown.copy(cell) != rig.board().copy(cell), square);
        QPainter(&shown).drawImage(cell.topLeft(), rig.board().copy(cell));
        QCOMPARE(shown, rig.board());
    }

    // Qt 6.4 has no announcement event: what happens is told as the board's
    // accessible description, which readers hear change.
    void theWindowIsNamedAndTheBoardATableOfCellsThatPlayAndTellWhatHappens() {
        WindowRig rig;
        for (auto [control, name, description] :
             {std::tuple{"PicMain", "Board",
                         "Nine columns by nine rows: arrow keys, Home and End move, "
                         "Space or Enter places your mark"},
              {"txtUserSig", "Your Marks", "The marks of each of your awards"},
              {"txtComSig", "Opponent Marks", "The marks of each of the opponent's awards"},
              {"txtUserTot", "Your total", "Your Marks"},
              {"txtComTot", "Opponent's total", "Opponent Marks"},
              {"lblUser", "User:", "Your Marks"},
              {"lblOtherSide", "Computer:", "Opponent Marks"},
              {"cmcReset", "New Game", "Reset the Games"},
              {"cmcConnect", "Connect", "Toggle the Remote Connection"},
              {"lblStatus", nullptr, "Connection Status"},  // named by their changing texts
              {"lblMessage", nullptr, "Games Message"},
              {"cmcPass", "Pass", "Let Computer play One step"},
              {"AniLogo", "About me", "Opens the about box"},
              {"txtTX", "Message", "Send Message to Remote"},
              {"txtRX", "Messages received", "The messages of this connection"},
              {"lblChat", "Message:", "Send Message to Remote"},
              {"AniLight", "Message lamp", "Lights when a message arrives"},
              {"ImgWin", "You WIN !!!", "The game is over"},
              {"ImgLost", "You Lost", "The game is over"},
              {"ImgLevel", "Level", "The game is over"}}) {
            QAccessibleInterface* item = QAccessible::queryAccessibleInterface(rig.find(control));
            QCOMPARE(item->text(QAccessible::Name), name ? QString(name) : rig.text(control));
            QCOMPARE(item->text(QAccessible::Description), QString(description));
        }
        velmora::AboutBox about(rig.links);
        QCOMPARE(QAccessible::queryAccessibleInterface(about.findChild<QWidget*>("picIcon"))
                     ->text(QAccessible::Name),
                 QString("The product emblem"));

        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(rig.find("PicMain"));
        QAccessibleTableInterface* table = board->tableInterface();
        rig.random.startAt(6, 3);
        rig.click(2, 7);
        QCOMPARE(board->text(QAccessible::Description),
                 QString("Opponent's move: column 6, row 3"));
        rig.fill({{1, 1}, {2, 1}});
        table->cellAt(0, 2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        rig.timer.finish();
        QCOMPARE(board->text(QAccessible::Description), QString("Your award: 3 marks"));
        rig.find("PicMain")->setFocus();
        QTest::keyClick(rig.find("PicMain"), Qt::Key_Down);
        // A walk of the table, each cell by its owner; the focus in (3, 2).
        QCOMPARE(QPoint(table->columnCount(), table->rowCount()), QPoint(9, 9));
        QCOMPARE(board->childCount(), 81);
        for (int i = 0; i < 81; ++i) {
            const auto owner = rig.game().owner(i % 9 + 1, i / 9 + 1);
            const QString named =
                owner ? QStringList{"yours", "opponent's"}.at(int(*owner)) : "empty";
            QCOMPARE(board->child(i)->text(QAccessible::Name),
                     QString("column %1, row %2, %3").arg(i % 9 + 1).arg(i / 9 + 1).arg(named));
            QCOMPARE(board->child(i)->state().focused, i == 11);
            QCOMPARE(board->indexOfChild(table->cellAt(i / 9, i % 9)), i);
        }
        QCOMPARE(board->focusChild(), board->child(11));
        rig.game().setFastMode(true);
        for (int cell = 0; cell < 81; ++cell) {
            rig.click(cell % 9 + 1, cell / 9 + 1);
        }
        QVERIFY(rig.game().result() != velmora::Game::Result::None);
        QCOMPARE(board->text(QAccessible::Description), rig.text("lblMessage"));
    }
};

QTEST_MAIN(KeyboardAndAccessibilityTest)
#include "keyboard_and_accessibility_test.moc"
