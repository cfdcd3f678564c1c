// The board played from the keyboard, and the window as a screen reader
// finds it: names, the table of cells, and what it hears happen.
#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <functional>

#include "about_box.h"
#include "window_rig.h"

using Keys = QList<int>;
using Cells = QList<QPoint>;
using Play = std::function<void(WindowRig&)>;
Q_DECLARE_METATYPE(Play)

namespace {

constexpr int kFrame = velmora::BoardPicture::kFramePixels;
// The cells where what is shown differs from the board's image.
Cells cellsShownOverTheImage(WindowRig& rig) {
    const QImage shown = rig.find("PicMain")->grab().toImage();
    Cells cells;
    for (int y = 0; y < rig.board().height(); ++y) {
        for (int x = 0; x < rig.board().width(); ++x) {
            const QPoint cell(int(x / WindowRig::kCellPixels) + 1,
                              int(y / WindowRig::kCellPixels) + 1);
            if (shown.pixel(x + kFrame, y + kFrame) != rig.board().pixel(x, y) &&
                !cells.contains(cell)) {
                cells << cell;
            }
        }
    }
    return cells;
}

QAccessibleInterface* accessible(WindowRig& rig, const char* name) {
    return QAccessible::queryAccessibleInterface(rig.find(name));
}

}  // namespace

class KeyboardAndAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void keysMoveTheFocusCellAndPlayItAsAClickWould_data() {
        QTest::addColumn<Cells>("taken");   // by the opponent first
        QTest::addColumn<bool>("drawing");  // a move of the user's is still being drawn
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QPoint>("focus");
        QTest::addColumn<bool>("played");
        const Keys none;
        QTest::newRow("starts at the centre") << Cells{} << false << none << QPoint(5, 5) << false;
        QTest::newRow("arrows") << Cells{} << false << Keys{Qt::Key_Left, Qt::Key_Left, Qt::Key_Up}
                                << QPoint(3, 4) << false;
        QTest::newRow("right and bottom edges")
            << Cells{} << false << Keys(5, Qt::Key_Right) + Keys(5, Qt::Key_Down) << QPoint(9, 9)
            << false;
        QTest::newRow("left and top edges")
            << Cells{} << false << Keys(5, Qt::Key_Left) + Keys(5, Qt::Key_Up) << QPoint(1, 1)
            << false;
        QTest::newRow("Home") << Cells{} << false << Keys{Qt::Key_Down, Qt::Key_Home}
                              << QPoint(1, 6) << false;
        QTest::newRow("End") << Cells{} << false << Keys{Qt::Key_Up, Qt::Key_End} << QPoint(9, 4)
                             << false;
        QTest::newRow("Space plays")
            << Cells{} << false << Keys{Qt::Key_Right, Qt::Key_Space} << QPoint(6, 5) << true;
        QTest::newRow("Enter plays")
            << Cells{} << false << Keys{Qt::Key_Down, Qt::Key_Enter} << QPoint(5, 6) << true;
        QTest::newRow("Return plays")
            << Cells{} << false << Keys{Qt::Key_Return} << QPoint(5, 5) << true;
        QTest::newRow("a filled cell is refused")
            << Cells{{5, 5}} << false << Keys{Qt::Key_Space} << QPoint(5, 5) << false;
        QTest::newRow("refused while drawing")
            << Cells{} << true << Keys{Qt::Key_Space} << QPoint(5, 5) << false;
    }
    void keysMoveTheFocusCellAndPlayItAsAClickWould() {
        QFETCH(Cells, taken);
        QFETCH(bool, drawing);
        QFETCH(Keys, keys);
        QFETCH(QPoint, focus);
        QFETCH(bool, played);
        WindowRig rig;
        for (const QPoint& cell : taken) {
            rig.fill({{cell.x(), cell.y()}});
        }
        if (drawing) {
            rig.game().press(1, 100, 100);
        }
        auto* board = rig.find<velmora::BoardPicture>("PicMain");
        const QImage before = rig.board();
        for (int key : keys) {
            QTest::keyClick(board, Qt::Key(key));
        }
        QCOMPARE(board->focusCell(), focus);
        const auto owner = rig.game().owner(focus.x(), focus.y());
        QCOMPARE(owner == velmora::Game::Side::User, played);
        if (!played) {
            QCOMPARE(rig.board(), before);
            return;
        }
        rig.timer.finish();
        int blue = 0;
        const QRect cell = board->cellRect(focus.x(), focus.y()).translated(-kFrame, -kFrame);
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                blue += rig.board().pixelColor(x, y) == QColor(0, 0, 255);
            }
        }
        QVERIFY(blue >= 25);
    }

    void theFocusSquareShowsOnlyWhileTheBoardHasFocus() {
        WindowRig rig;
        rig.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        // The board has the focus from the start, but shows it only once the
        // keyboard is used: a mouse player sees the window as it always was.
        QTRY_VERIFY(rig.find("PicMain")->hasFocus());
        rig.click(4, 4);
        QCOMPARE(cellsShownOverTheImage(rig), Cells{});
        rig.find("txtUserSig")->setFocus();
        QTest::keyClick(rig.find("txtUserSig"), Qt::Key_Backtab);  // the board is first
        QVERIFY(rig.find("PicMain")->hasFocus());
        QCOMPARE(cellsShownOverTheImage(rig), Cells{QPoint(4, 4)});  // where it was clicked
        QTest::keyClick(rig.find("PicMain"), Qt::Key_Right);
        QCOMPARE(cellsShownOverTheImage(rig), Cells{QPoint(5, 4)});
        rig.click(2, 7);
        QCOMPARE(cellsShownOverTheImage(rig), Cells{QPoint(2, 7)});
        QTest::keyClick(rig.find("PicMain"), Qt::Key_Tab);
        QCOMPARE(cellsShownOverTheImage(rig), Cells{});
    }

    void everyControlHasAnAccessibleNameAndDescription() {
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
              {"lblMessage", "Your Turn", "Games Message"},
              {"cmcPass", "Pass", "Let Computer play One step"},
              {"AniLogo", "About me", "Opens the about box"},
              {"txtTX", "Message", "Send Message to Remote"},
              {"txtRX", "Messages received", "The messages of this connection"},
              {"lblChat", "Message:", "Send Message to Remote"},
              {"AniLight", "Message lamp", "Lights when a message arrives"},
              {"ImgWin", "You WIN !!!", "The game is over"},
              {"ImgLost", "You Lost", "The game is over"},
              {"ImgLevel", "Level", "The game is over"}}) {
            QCOMPARE(accessible(rig, control)->text(QAccessible::Name), QString(name));
            QCOMPARE(accessible(rig, control)->text(QAccessible::Description),
                     QString(description));
        }
        QCOMPARE(accessible(rig, "lblStatus")->text(QAccessible::Description),
                 QString("Connection Status"));
        velmora::AboutBox about(rig.links);
        QCOMPARE(QAccessible::queryAccessibleInterface(about.findChild<QWidget*>("picIcon"))
                     ->text(QAccessible::Name),
                 QString("The product emblem"));
    }

    void theBoardIsATableOfCellsNamedByOwnerThatPlayWhenPressed() {
        WindowRig rig;
        rig.random.startAt(6, 3);
        rig.click(2, 7);
        QAccessibleInterface* board = accessible(rig, "PicMain");
        QCOMPARE(board->role(), QAccessible::Table);
        QCOMPARE(board->childCount(), 81);
        QAccessibleTableInterface* table = board->tableInterface();
        QCOMPARE(table->rowCount() * 10 + table->columnCount(), 99);
        for (int row = 1; row <= 9; ++row) {
            for (int column = 1; column <= 9; ++column) {
                const QString owner = QPoint(column, row) == QPoint(2, 7)   ? "yours"
                                      : QPoint(column, row) == QPoint(6, 3) ? "opponent's"
                                                                            : "empty";
                QAccessibleInterface* cell = table->cellAt(row - 1, column - 1);
                QCOMPARE(cell->text(QAccessible::Name),
                         QString("column %1, row %2, %3").arg(column).arg(row).arg(owner));
                QCOMPARE(board->child(board->indexOfChild(cell)), cell);
            }
        }
        rig.random.startAt(9, 9);
        table->cellAt(3, 1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        rig.timer.finish();
        QCOMPARE(table->cellAt(3, 1)->text(QAccessible::Name), QString("column 2, row 4, yours"));
        QCOMPARE(board->text(QAccessible::Description),
                 QString("Opponent's move: column 9, row 9"));
        rig.find("PicMain")->setFocus();
        QTest::keyClick(rig.find("PicMain"), Qt::Key_Down);
        QCOMPARE(board->focusChild(), table->cellAt(4, 1));
        QVERIFY(board->focusChild()->state().focused);
    }

    // Qt 6.4 has no announcement event: what happened is the board's
    // description, which readers hear change.
    void whatASightedPlayerSeesIsAnnounced_data() {
        QTest::addColumn<Play>("play");
        QTest::addColumn<QString>("announced");
        QTest::newRow("the opponent's move") << Play([](WindowRig& rig) {
            rig.random.startAt(6, 3);
            rig.click(2, 7);
        }) << "Opponent's move: column 6, row 3";
        QTest::newRow("your award") << Play([](WindowRig& rig) {
            rig.fill({{1, 1}, {2, 1}});
            rig.click(3, 1);
        }) << "Your award: 3 marks";
        QTest::newRow("the opponent's award") << Play([](WindowRig& rig) {
            rig.fill({{9, 1}, {9, 2}, {9, 3}});
        }) << "Opponent's award: 3 marks";
        QTest::newRow("the end of the game") << Play([](WindowRig& rig) {
            rig.game().setFastMode(true);
            rig.random.values = {0.3, 0.6};
            for (int cell = 0; cell < 81; ++cell) {
                rig.click(cell % 9 + 1, cell / 9 + 1);
            }
        }) << "You Lost";
    }
    void whatASightedPlayerSeesIsAnnounced() {
        QFETCH(Play, play);
        QFETCH(QString, announced);
        WindowRig rig;
        play(rig);
        QCOMPARE(accessible(rig, "PicMain")->text(QAccessible::Description), announced);
    }
};

QTEST_MAIN(KeyboardAndAccessibilityTest)
#include "keyboard_and_accessibility_test.moc"
