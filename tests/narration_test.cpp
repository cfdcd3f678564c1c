// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told through the announcer: each move once, in order, with its
// award, the turn, the end, refusals, the remote player and chat, the focus left alone.
#include <QRegularExpression>
#include <QTcpSocket>

#include "announcer.h"
#include "window_rig.h"

using velmora::Game;

namespace {

struct Listener : WindowRig {
    velmora::Announcer* announcer = window->findChild<velmora::Announcer*>();
    QStringList said;
    QStringList moves;  // as the game made them: "column row marks"
    Listener() {
        QObject::connect(announcer, &velmora::Announcer::announced,
                         [this](const QString& text) { said << text; });
        QObject::connect(&game(), &Game::cellFilled, [this](velmora::Cell c) {
            moves << QString("%1 %2").arg(c.column).arg(c.row);
        });
        QObject::connect(&game(), &Game::awarded, [this](Game::Side, Game::Run, int marks) {
            moves.last() += QString(" %1").arg(marks);
        });
    }
    // Everything told since the last call, once the game has settled.
    QStringList told() {
        if (!QTest::qWaitFor([this] { return !game().drawing(); })) {
            return {"still drawing"};
        }
        QCoreApplication::processEvents();
        const QStringList all = said + announcer->pending();
        said.clear(), announcer->clear();
        return all;
    }
    QString totals(const char* text) {
        return QString(text)
            .arg(game().total(Game::Side::User))
            .arg(game().total(Game::Side::Opponent));
    }
    void press(int column, int row) {
        find<velmora::BoardPicture>("PicMain")->playCell(column, row);
    }
};

// Each utterance naming a move, taken apart: "column row marks", the award's side
// checked, and nothing else in it but the turn and the end, whose totals the test reads.
QStringList movesTold(const QStringList& told) {
    static const QRegularExpression move(
        "^(You)?(?:rs|Opponent): column (\\d), row (\\d)\\.(?: (You)?(?: score|Opponent scores) "
        "(\\d), total \\d+\\.)?(?: Your turn\\.)?(?: (?:You win|You lose|Level game), .*\\.)?$");
    QStringList moves;
    for (const QString& text : told.filter("column")) {
        const QRegularExpressionMatch m = move.match(text);
        if (!m.hasMatch() || (m.hasCaptured(5) && m.hasCaptured(1) != m.hasCaptured(4))) {
            return {"wrong: " + text};
        }
        moves << (QStringList{m.captured(2), m.captured(3), m.captured(5)}.join(' ').trimmed());
    }
    return moves;
}

}  // namespace

class NarrationTest : public QObject {
    Q_OBJECT

private slots:
    void movesAwardsTurnsAndRefusalsAreToldOnceInOrder() {
        Listener rig;
        rig.timer.held = false;  // the drawing runs on from the event loop, as it does in play
        QTRY_VERIFY(rig.find("PicMain")->hasFocus());
        rig.fill({{1, 1}, {2, 1}, {1, 2}, {2, 2}});
        rig.told(), rig.moves.clear();
        rig.press(3, 1);  // the user's three
        QCOMPARE(rig.told(), QStringList({"Yours: column 3, row 1. You score 3, total 3."}));
        rig.random.startAt(9, 9);
        rig.press(7, 7);  // then the computer's chain: (3, 2) and on, each told once
        const QStringList chain = rig.told();
        QCOMPARE(chain.first(), QString("Yours: column 7, row 7."));
        QVERIFY(
            chain.value(1).startsWith("Opponent: column 3, row 2. Opponent scores 3, total 3."));
        QVERIFY(chain.last().endsWith(" Your turn.") && chain.filter("Your turn").size() == 1);
        QCOMPARE(movesTold(chain), rig.moves.mid(1));
        QTest::qWait(2 * velmora::Announcer::kSpacingMs);
        QTest::keyClick(rig.find("PicMain"), Qt::Key_Home);  // Orca reads the cell first
        QTest::keyClick(rig.find("PicMain"), Qt::Key_S);
        QVERIFY(rig.said.isEmpty());
        QCOMPARE(rig.told(), QStringList({QString("You have 3, the opponent %1. Your turn.")
                                              .arg(rig.game().total(Game::Side::Opponent))}));
        // Refused: a taken cell; a press while the user's move and the computer's draw.
        rig.timer.held = true;
        rig.press(1, 1), rig.random.startAt(9, 9), rig.press(5, 5), rig.press(4, 4);
        while (rig.game().turn() != velmora::Turn::Opponent || !rig.game().drawing()) {
            QVERIFY(rig.timer.step());
        }
        rig.press(4, 4);
        rig.timer.held = false, rig.timer.finish();
        QCOMPARE(rig.told().mid(0, 4),
                 QStringList({"That cell is taken.", "Wait: your move is being drawn.",
                              "Yours: column 5, row 5.", "Wait: the opponent is moving."}));
        QCOMPARE(rig.find("PicMain"), QApplication::focusWidget());

        // A whole game in Fast Mode: every move in order, the end with both totals.
        rig.game().setFastMode(true);
        rig.random.values = {0.3, 0.6};
        QTest::mouseClick(rig.find("cmcReset"), Qt::LeftButton);
        rig.told(), rig.moves.clear();
        for (int cell = 0; cell < 81; ++cell) {
            rig.click(cell % 9 + 1, cell / 9 + 1);
        }
        const QStringList game = rig.told();
        QCOMPARE(movesTold(game).join(";"), rig.moves.join(";"));
        QCOMPARE(game.filter("That cell is taken.").size(), 81 - game.filter("Yours").size());
        QCOMPARE(game.filter(rig.totals(" You lose, %1 to %2.")).size(), 1);
        QTest::mouseClick(rig.find("cmcReset"), Qt::LeftButton);
        QCOMPARE(rig.told(), QStringList({"New game."}));
        // The user plays Strong's cells and wins; S then says the result.
        velmora::ComputerPlayer strong;
        velmora::SeededRandom random(2);
        for (int moves = 0; !rig.game().result(); ++moves) {
            QVERIFY(moves < 81 && QTest::qWaitFor([&] { return rig.game().display().boardOpen; }));
            const velmora::Cell cell =
                strong.choose(rig.game().board(), velmora::Strength::Strong, random, {});
            rig.click(cell.column, cell.row);
        }
        QVERIFY(rig.told().last().endsWith(rig.totals(" You win, %1 to %2.")));
        QTest::keyClick(rig.find("PicMain"), Qt::Key_S);
        QCOMPARE(rig.told(), QStringList({rig.totals("You win, %1 to %2.")}));
    }

    // The remote player comes (a new game starts with it), talks, moves and goes
    // while the user types a chat line.
    void theRemotePlayerIsToldWhereverTheFocusIs() {
        Listener rig;
        rig.timer.held = false;
        QTcpSocket peer;
        peer.connectToHost("127.0.0.1", quint16(rig.connection().portNumber()));
        QTRY_COMPARE(rig.window->windowHeightTwips(), 7000);
        rig.find("txtTX")->setFocus();
        peer.write("@hello there");
        QTRY_VERIFY(rig.said.contains("Remote player says: hello there"));
        peer.write("46");
        QTRY_COMPARE(rig.moves.size(), 1);
        peer.disconnectFromHost();
        QTRY_COMPARE(rig.window->windowHeightTwips(), 5700);
        QCOMPARE(rig.told(),
                 QStringList({"New game.", "The remote player has joined.",
                              "Remote player says: hello there", "Opponent: column 4, row 6.",
                              "The remote player has gone."}));
        QVERIFY(rig.connection().call("127.0.0.1"));  // refused: no one came, no one went
        QTRY_VERIFY(rig.connection().idle());
        QVERIFY(!rig.told().join(' ').contains("remote player"));
        // Called by the user, the other copy opens: its first move gives the turn.
        rig.game().callStarted();
        rig.game().callAnswered();
        rig.told();
        rig.game().receiveMove({2, 3});
        QCOMPARE(rig.told(), QStringList({"Opponent: column 2, row 3. Your turn."}));
    }
};

QTEST_MAIN(NarrationTest)
#include "narration_test.moc"
