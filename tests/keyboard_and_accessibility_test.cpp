// SPDX-License-Identifier: GPL-3.0-or-later
// The board played from the keyboard, and as a screen reader finds it: a table
// of cells named by their owners, the focus cell its focus.
#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>
#include <cmath>

#include "window_rig.h"

constexpr int kFrame = velmora::BoardPicture::kFramePixels;

// The most pixels side by side in `row` of the left half of `cell`, drawn over
// `under`, that stand out (a grey level 100 of 255 apart) on every one of `grounds`.
int standingOut(const QImage& image, const QImage& under, const QRect& cell, int row,
                QList<QColor> grounds) {
    int most = 0;
    for (int x = cell.left(), run = 0; x <= cell.center().x(); ++x) {
        const QColor pixel = image.pixelColor(x, row);
        const bool out = pixel != under.pixelColor(x, row) &&
                         std::all_of(grounds.begin(), grounds.end(), [&](const QColor& g) {
                             return std::abs(qGray(pixel.rgb()) - qGray(g.rgb())) >= 100;
                         });
        most = std::max(most, run = out ? run + 1 : 0);
    }
    return most;
}

class KeyboardAndAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void keysMoveTheFocusCellAndPlayItAsAClickWould_data() {
        // < > ^ v arrows, Home, End, Space, eNter, Return, Tab, Backtab; c: a click
        // in (2, 7), t: the opponent takes (5, 5), d: a move of the user's is being drawn,
        // a: a screen reader presses cell (3, 1).
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QPoint>("focus");
        QTest::addColumn<bool>("played");
        QTest::addColumn<bool>("square");  // the focus square shown over the focus cell
        QTest::newRow("from the start") << "" << QPoint(5, 5) << false << true;
        QTest::newRow("after a click") << "c" << QPoint(2, 7) << true << true;
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
        QTest::newRow("a screen reader plays") << "a" << QPoint(3, 1) << true << true;
    }
    void keysMoveTheFocusCellAndPlayItAsAClickWould() {
        QFETCH(QString, keys);
        QFETCH(QPoint, focus);
        QFETCH(bool, played);
        QFETCH(bool, square);
        WindowRig rig;
        rig.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.window));
        QTRY_VERIFY(rig.find("PicMain")->hasFocus());
        auto* board = rig.find<velmora::BoardPicture>("PicMain");
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(board);
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
            } else if (k == 'a') {
                table->tableInterface()->cellAt(0, 2)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
            } else {
                rig.game().play({1, 1});
            }
        }
        rig.timer.finish();
        QCOMPARE(board->focusCell(), focus);
        QCOMPARE(rig.game().owner({focus.x(), focus.y()}) == velmora::Game::Side::User, played);
        // Shown is the image, and over the focus cell the square or not.
        const QRect cell = board->cellRect(focus.x(), focus.y()).translated(-kFrame, -kFrame);
        QImage shown = board->grab(QRect(QPoint(kFrame, kFrame), rig.board().size()))
                           .toImage()
                           .convertToFormat(rig.board().format());
        QCOMPARE(shown.copy(cell) != rig.board().copy(cell), square);
        // Plainly there: two pixels or more that stand out on the board's grey, and as
        // many that stand out on both mark colours, from the cell's left edge inwards.
        for (const QList<QColor>& grounds : {QList{rig.board().pixelColor(cell.center())},
                                             QList{QColor(0, 0, 255), QColor(255, 0, 0)}}) {
            QCOMPARE(standingOut(shown, rig.board(), cell, cell.center().y(), grounds) >= 2,
                     square);
        }
        // From the cell's edge inwards: black, then yellow.
        QStringList bands;
        for (int x = cell.left(), y = cell.center().y() + 4; x < cell.center().x(); ++x) {
            const QString colour = shown.pixelColor(x, y).name();
            if ((colour == "#000000" || colour == "#ffff00") && !bands.endsWith(colour)) {
                bands << colour;
            }
        }
        if (square) {
            QCOMPARE(bands.mid(0, 2), QStringList({"#000000", "#ffff00"}));
        }
        QPainter(&shown).drawImage(cell.topLeft(), rig.board().copy(cell));
        QCOMPARE(shown, rig.board());
        // A screen reader's walk of the table.
        QVERIFY(table->childCount() == 81 && table->tableInterface()->columnCount() == 9 &&
                table->tableInterface()->rowCount() == 9);
        const int focused = board->hasFocus() ? (focus.y() - 1) * 9 + focus.x() - 1 : -1;
        QCOMPARE(table->focusChild(), table->child(focused));
        for (int i = 0; i < 81; ++i) {
            const auto owner = rig.game().owner({i % 9 + 1, i / 9 + 1});
            const QString named =
                owner ? QStringList{"yours", "opponent's"}.at(int(*owner)) : "empty";
            QCOMPARE(table->child(i)->text(QAccessible::Name),
                     QString("column %1, row %2, %3").arg(i % 9 + 1).arg(i / 9 + 1).arg(named));
            QCOMPARE(table->child(i)->state().focused, i == focused);
            QCOMPARE(table->indexOfChild(table->tableInterface()->cellAt(i / 9, i % 9)), i);
        }
    }

    // Tab goes round what can be seen: the chat boxes below the idle view's
    // edge only join once the connected view shows them.
    void tabGoesRoundTheControlsInView() {
        WindowRig rig;
        rig.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.window));
        const auto round = [&rig] {
            QString seen;
            rig.find("PicMain")->setFocus(Qt::TabFocusReason);
            do {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                seen += QApplication::focusWidget()->objectName() + " ";
            } while (QApplication::focusWidget() != rig.find("PicMain") && seen.size() < 200);
            return seen;
        };
        const QString idle = round();
        QTcpSocket peer;
        peer.connectToHost("127.0.0.1", quint16(rig.connection().portNumber()));
        QTRY_COMPARE(rig.window->windowHeightTwips(), 7000);
        const QString boxes = "txtUserSig txtComSig txtUserTot txtComTot cmcReset cmcConnect ";
        QCOMPARE(idle + "|" + round(), boxes + "PicMain |" + boxes + "txtTX txtRX PicMain ");
    }
};

QTEST_MAIN(KeyboardAndAccessibilityTest)
#include "keyboard_and_accessibility_test.moc"
