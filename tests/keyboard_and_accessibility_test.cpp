// SPDX-License-Identifier: GPL-3.0-or-later
// The board played from the keyboard, and as a screen reader finds it: a table
// of cells named by their owners, the focus cell its focus.
#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QTcpSocket>

#include "window_rig.h"

constexpr int kFrame = velmora::BoardPicture::kFramePixels;

class KeyboardAndAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void keysMoveTheFocusCellAndPlayItAsAClickWould_data() {
        // < > ^ v arrows, Home, End, Space, eNter, Return, Tab, Backtab; c: a click
        // in (2, 7), a: a screen reader presses cell (3, 1).
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
        QAccessibleTableInterface* grid = table->tableInterface();
        const QString codes = "<>^vHESNRTB";
        const Qt::Key key[] = {Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                               Qt::Key_Home,   Qt::Key_End,   Qt::Key_Space,  Qt::Key_Enter,
                               Qt::Key_Return, Qt::Key_Tab,   Qt::Key_Backtab};
        for (QChar k : keys) {
            if (codes.contains(k)) {
                QTest::keyClick(QApplication::focusWidget(), key[codes.indexOf(k)]);
            } else if (k == 'c') {
                rig.click(2, 7);
            } else {
                grid->cellAt(0, 2)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
            }
        }
        rig.timer.finish();
        QVERIFY(rig.timer.started.count(10) == rig.timer.started.size());  // each pause 10 ms
        QCOMPARE(board->focusCell(), focus);
        QCOMPARE(rig.game().owner({focus.x(), focus.y()}) == velmora::Game::Side::User, played);
        // Shown is the image, and over the focus cell the square or not.
        const QRect cell = board->cellRect(focus.x(), focus.y()).translated(-kFrame, -kFrame);
        QImage shown = board->grab(QRect(QPoint(kFrame, kFrame), rig.board().size()))
                           .toImage()
                           .convertToFormat(rig.board().format());
        QCOMPARE(shown.copy(cell) != rig.board().copy(cell), square);
        // Two pixels in: two black, plain on the grey, then two yellow, plain on the marks.
        if (square) {
            QStringList bands;
            for (int x = cell.left() + 2; x < cell.left() + 6; ++x) {
                bands << shown.pixelColor(x, cell.center().y()).name();
            }
            QCOMPARE(bands, QStringList({"#000000", "#000000", "#ffff00", "#ffff00"}));
        }
        QPainter(&shown).drawImage(cell.topLeft(), rig.board().copy(cell));
        QCOMPARE(shown, rig.board());
        // A screen reader's walk of the table.
        QVERIFY(table->childCount() == 81 && grid->columnCount() == 9 && grid->rowCount() == 9 &&
                grid->columnDescription(0) + grid->rowDescription(8) == "column 1row 9");
        const int focused = board->hasFocus() ? (focus.y() - 1) * 9 + focus.x() - 1 : -1;
        QCOMPARE(table->focusChild(), table->child(focused));
        for (int i = 0; i < 81; ++i) {
            const auto owner = rig.game().owner({i % 9 + 1, i / 9 + 1});
            const QString named =
                owner ? QStringList{"yours", "opponent's"}.at(int(*owner)) : "empty";
            QCOMPARE(table->child(i)->text(QAccessible::Name),
                     QString("column %1, row %2, %3").arg(i % 9 + 1).arg(i / 9 + 1).arg(named));
            QCOMPARE(table->child(i)->state().focused, i == focused);
            QCOMPARE(table->indexOfChild(grid->cellAt(i / 9, i % 9)), i);
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
