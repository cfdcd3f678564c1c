// The board played from the keyboard, and the window as a screen reader
// finds it: names, the table of cells, and what it is told happens.
#include <QAccessible>
#include <QTest>

#include "about_box.h"
#include "window_rig.h"

using Cells = QList<QPoint>;

namespace {

constexpr int kFrame = velmora::BoardPicture::kFramePixels;

// The cells where what is shown differs from the board's image.
Cells cellsShownOverTheImage(WindowRig& rig) {
    const QImage shown = rig.find("PicMain")->grab().toImage();
    Cells cells;
    for (int y = 0; y < rig.board().height(); ++y) {
        for (int x = 0; x < rig.board().width(); ++x) {
            const QPoint cell(int(x / rig.kCellPixels) + 1, int(y / rig.kCellPixels) + 1);
            if (shown.pixel(x + kFrame, y + kFrame) != rig.board().pixel(x, y) &&
                !cells.contains(cell)) {
                cells << cell;
            }
        }
    }
    return cells;
}

QString said(QWidget* widget, QAccessible::Text text = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

}  // namespace

class KeyboardAndAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void keysMoveTheFocusCellAndPlayItAsAClickWould_data() {
        // < > ^ v arrows, Home, End, Space, eNter, Return; first, t: the
        // opponent takes (5, 5), d: a move of the user's is being drawn.
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QPoint>("focus");
        QTest::addColumn<bool>("played");
        QTest::newRow("starts at the centre") << "" << QPoint(5, 5) << false;
        QTest::newRow("arrows") << "<<^" << QPoint(3, 4) << false;
        QTest::newRow("right and bottom edges") << ">>>>>vvvvv" << QPoint(9, 9) << false;
        QTest::newRow("left and top edges") << "<<<<<^^^^^" << QPoint(1, 1) << false;
        QTest::newRow("Home") << "vH" << QPoint(1, 6) << false;
        QTest::newRow("End") << "^E" << QPoint(9, 4) << false;
        QTest::newRow("Space plays") << ">S" << QPoint(6, 5) << true;
        QTest::newRow("Enter plays") << "vN" << QPoint(5, 6) << true;
        QTest::newRow("Return plays") << "R" << QPoint(5, 5) << true;
        QTest::newRow("a filled cell is refused") << "tS" << QPoint(5, 5) << false;
        QTest::newRow("refused while drawing") << "dS" << QPoint(5, 5) << false;
    }
    void keysMoveTheFocusCellAndPlayItAsAClickWould() {
        QFETCH(QString, keys);
        QFETCH(QPoint, focus);
        QFETCH(bool, played);
        const QHash<QChar, Qt::Key> key{
            {'<', Qt::Key_Left},  {'>', Qt::Key_Right}, {'^', Qt::Key_Up},
            {'v', Qt::Key_Down},  {'H', Qt::Key_Home},  {'E', Qt::Key_End},
            {'S', Qt::Key_Space}, {'N', Qt::Key_Enter}, {'R', Qt::Key_Return}};
        WindowRig rig;
        auto* board = rig.find<velmora::BoardPicture>("PicMain");
        QImage image = rig.board();
        for (QChar k : keys) {
            if (key.contains(k)) {
                QTest::keyClick(board, key.value(k));
                continue;
            }
            if (k == 't') {
                rig.fill({{5, 5}});
            } else {
                rig.game().press(1, 100, 100);  // in (1, 1)
            }
            image = rig.board();
        }
        QCOMPARE(board->focusCell(), focus);
        QCOMPARE(rig.game().owner(focus.x(), focus.y()) == velmora::Game::Side::User, played);
        if (!played) {
            QCOMPARE(rig.board(), image);
            return;
        }
        rig.timer.finish();
        const QRect cell = board->cellRect(focus.x(), focus.y()).translated(-kFrame, -kFrame);
        int blue = 0;
        for (int i = 0; i < cell.width() * cell.height(); ++i) {
            const QPoint at = cell.topLeft() + QPoint(i % cell.width(), i / cell.width());
            blue += rig.board().pixelColor(at) == QColor(0, 0, 255);
        }
        QVERIFY(blue >= 25);
    }

    void theFocusSquareShowsOnlyWhileTheBoardHasFocusOnceTheKeyboardIsUsed() {
        WindowRig rig;
        rig.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        // The board has the focus from the start: a mouse player sees the window as it was.
        QTRY_VERIFY(rig.find("PicMain")->hasFocus());
        rig.click(4, 4);
        QCOMPARE(cellsShownOverTheImage(rig), Cells{});
        rig.find("txtUserSig")->setFocus();
        QTest::keyClick(rig.find("txtUserSig"), Qt::Key_Backtab);  // the board is first
        QCOMPARE(cellsShownOverTheImage(rig), Cells{QPoint(4, 4)});
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
              {"lblStatus", nullptr, "Connection Status"},  // named by its changing text
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
            QCOMPARE(said(rig.find(control)), name ? QString(name) : rig.text(control));
            QCOMPARE(said(rig.find(control), QAccessible::Description), QString(description));
        }
        velmora::AboutBox about(rig.links);
        QCOMPARE(said(about.findChild<QWidget*>("picIcon")), QString("The product emblem"));
    }

    void theBoardIsATableOfCellsNamedByOwnerThatPlayWhenPressed() {
        WindowRig rig;
        rig.random.startAt(6, 3);
        rig.click(2, 7);
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(rig.find("PicMain"));
        QCOMPARE(board->role(), QAccessible::Table);
        QCOMPARE(board->childCount(), 81);
        QAccessibleTableInterface* table = board->tableInterface();
        QCOMPARE(QPoint(table->columnCount(), table->rowCount()), QPoint(9, 9));
        for (int row = 1; row <= 9; ++row) {
            for (int column = 1; column <= 9; ++column) {
                const QPoint at(column, row);
                const char* owner = at == QPoint(2, 7)   ? "yours"
                                    : at == QPoint(6, 3) ? "opponent's"
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
        rig.find("PicMain")->setFocus();
        QTest::keyClick(rig.find("PicMain"), Qt::Key_Down);
        QCOMPARE(board->focusChild(), table->cellAt(4, 1));
        QVERIFY(board->focusChild()->state().focused);
    }

    // Qt 6.4 has no announcement event: what happens is told as the board's
    // accessible description, which readers hear change.
    void theOpponentsMovesAwardsAndTheResultAreTold() {
        WindowRig rig;
        const auto told = [&rig] { return said(rig.find("PicMain"), QAccessible::Description); };
        rig.random.startAt(6, 3);
        rig.click(2, 7);
        QCOMPARE(told(), QString("Opponent's move: column 6, row 3"));
        rig.fill({{9, 1}, {9, 2}, {9, 3}});
        QCOMPARE(told(), QString("Opponent's award: 3 marks"));
        rig.fill({{1, 1}, {2, 1}});
        rig.click(3, 1);
        QCOMPARE(told(), QString("Your award: 3 marks"));
        rig.game().setFastMode(true);
        for (int cell = 0; cell < 81; ++cell) {
            rig.click(cell % 9 + 1, cell / 9 + 1);
        }
        QVERIFY(rig.game().result() != velmora::Game::Result::None);
        QCOMPARE(told(), rig.text("lblMessage"));
    }
};

QTEST_MAIN(KeyboardAndAccessibilityTest)
#include "keyboard_and_accessibility_test.moc"
