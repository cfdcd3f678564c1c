// The game's rules, turns and drawing queue, through its public inputs.
#include <QSignalSpy>
#include <QTest>

#include <initializer_list>
#include <utility>

#include "game.h"
#include "scripted_random.h"
#include "test_doubles.h"

using velmora::Game;
using Side = Game::Side;

namespace {

struct Rig {
    FakePeer peer;
    ScriptedRandom random;
    TestPause timer;
    Game game;
    QSignalSpy logo{&game, &Game::logoChanged};

    explicit Rig(bool start = true, int boardWidth = 4000) : game(peer, random, timer, boardWidth) {
        if (start) {
            game.newGame();
        }
    }
    void click(int column, int row, int button = 1) {
        const double cell = game.cellSize();
        game.press(button, (column - 0.5) * cell, (row - 0.5) * cell);
    }
    // The opponent takes these cells, one after the other.
    void fill(std::initializer_list<std::pair<int, int>> cells) {
        for (const auto& [column, row] : cells) {
            game.receiveMove(column, row);
            timer.finish();
        }
    }
    bool filled(int column, int row) const { return game.board()[column][row].cellState == 1; }
    // The n-th empty cell (from 0), column by column.
    std::pair<int, int> nthEmpty(int n) const {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                if (!filled(c, r) && n-- == 0) {
                    return {c, r};
                }
            }
        }
        return {0, 0};
    }
    Game::Logo lastLogo() const { return logo.last().at(0).value<Game::Logo>(); }
    // The user's turn, or the wait for the opponent, as the window shows it.
    void checkTurn(bool users) const {
        QCOMPARE(game.message(), QString(users ? "Your Turn" : "Wait ......"));
        QCOMPARE(game.moveLock(), !users);
        QCOMPARE(lastLogo(), users ? Game::Logo::Still : Game::Logo::Waiting);
    }
};

int sumOfSigns(const QString& signs) {
    int sum = 0;
    for (const QString& part : signs.split('+', Qt::SkipEmptyParts)) {
        sum += part.toInt();
    }
    return sum;
}

// What must hold after every step of every move.
void checkInvariants(const Game& game) {
    QCOMPARE(velmora::filledCells(game.board()), game.moveCount());
    QVERIFY(game.moveCount() <= velmora::kPlayingCells);
    for (Side side : {Side::User, Side::Opponent}) {
        QCOMPARE(game.total(side), sumOfSigns(game.signs(side)));
        QCOMPARE(game.totalText(side),
                 game.signs(side).isEmpty() ? QString() : QString::number(game.total(side)));
    }
    if (game.result() != Game::Result::None) {
        const int lead = game.total(Side::User) - game.total(Side::Opponent);
        QCOMPARE(game.result(), lead > 0   ? Game::Result::Win
                                : lead < 0 ? Game::Result::Lost
                                           : Game::Result::Level);
        QCOMPARE(game.message(), QString(lead > 0   ? "You WIN !!!"
                                         : lead < 0 ? "You Lost"
                                                    : "Level"));
    }
}

// Everything a user can see of a game, to compare two runs.
QString snapshot(const Rig& rig) {
    QString cells;
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            cells += rig.filled(c, r) ? 'x' : '.';
        }
    }
    return QStringList{cells,
                       QString::number(rig.game.moveCount()),
                       rig.game.signs(Side::User),
                       rig.game.signs(Side::Opponent),
                       rig.game.message(),
                       rig.game.moveLock() ? "locked" : "open",
                       rig.game.extraTurn() ? "owed" : "-"}
        .join('|');
}

// Moves that draw in several pauses, each started but not drawn. Among the
// inputs tried at every step: a Pass while the user's own mark draws (it once
// started a computer move on the very cell being drawn), and an opponent's
// move while the user's award draws (it once credited the wrong row).
const std::pair<const char*, void (*)(Rig&)> kScenarios[] = {
    {"user scores",
     [](Rig& rig) {
         rig.fill({{1, 1}, {2, 1}});
         rig.click(3, 1);
     }},
    {"user hands over",
     [](Rig& rig) {
         rig.random.startAt(9, 9);
         rig.click(5, 5);
     }},
    {"computer scores twice",
     [](Rig& rig) {
         rig.fill({{1, 1}, {2, 1}, {1, 4}, {1, 5}});
         rig.random.startAt(1, 1);
         rig.game.pass();
     }},
};

}  // namespace

class GameTest : public QObject {
    Q_OBJECT

private slots:
    // Whole games, the user taking cells in an order drawn from a seed. Against
    // the computer, and against a remote player who answers every move with the
    // cell opposite through the centre while it is free. The seeds give each of
    // the three results.
    void wholeGamesKeepTheirInvariantsAtEveryStep_data() {
        QTest::addColumn<bool>("remote");
        QTest::addColumn<int>("seed");
        QTest::addColumn<int>("result");
        QTest::newRow("computer") << false << 5 << int(Game::Result::Lost);
        QTest::newRow("remote, won") << true << 2 << int(Game::Result::Win);
        QTest::newRow("remote, lost") << true << 0 << int(Game::Result::Lost);
        QTest::newRow("remote, level") << true << 204 << int(Game::Result::Level);
    }

    void wholeGamesKeepTheirInvariantsAtEveryStep() {
        QFETCH(bool, remote);
        QFETCH(int, seed);
        QFETCH(int, result);
        Rig rig;
        rig.peer.line = remote ? FakePeer::Line::Connected : FakePeer::Line::Idle;
        rig.random.values = {seed / 300.0, 1 - seed / 300.0};
        int order = seed;
        std::pair<int, int> last;
        bool usersMove = false;
        int sentBefore = 0;
        for (int turns = 0; rig.game.result() == Game::Result::None; ++turns) {
            QVERIFY(turns < 300);
            usersMove = !rig.game.moveLock();
            sentBefore = rig.peer.sent.size();
            if (usersMove) {
                order = (order * 37 + 11) % 1009;
                last = rig.nthEmpty(order % (81 - rig.game.moveCount()));
                rig.click(last.first, last.second);
            } else if (rig.game.extraTurn()) {
                rig.game.receiveFinish();
            } else {
                QVERIFY(remote);
                const std::pair<int, int> opposite{10 - last.first, 10 - last.second};
                const auto [column, row] =
                    rig.filled(opposite.first, opposite.second) ? rig.nthEmpty(0) : opposite;
                rig.game.receiveMove(column, row);
            }
            do {
                checkInvariants(rig.game);
            } while (rig.timer.step());
            checkInvariants(rig.game);
        }
        // The last move goes to the peer if it is ours; no "FINISH" follows it.
        QCOMPARE(rig.peer.sent.size(), sentBefore + (remote && usersMove ? 1 : 0));
        QCOMPARE(int(rig.game.result()), result);
        QCOMPARE(rig.game.moveCount(), 81);
        QVERIFY(rig.game.extraTurn() && !rig.game.moveLock());
        QVERIFY(!rig.game.passEnabled() && rig.game.newGameEnabled());
        QCOMPARE(rig.lastLogo(), Game::Logo::Hidden);
        QCOMPARE(rig.game.pass(), Game::PassAnswer::MarksOwed);
        const QString end = snapshot(rig);
        const int sent = rig.peer.sent.size();
        rig.click(1, 1);
        rig.game.receiveFinish();
        rig.game.receiveMove(5, 5);
        QCOMPARE(snapshot(rig), end);
        QCOMPARE(rig.lastLogo(), Game::Logo::Hidden);
        QCOMPARE(rig.peer.sent.size(), sent);
    }

    void everyInputWhileAMoveDraws_data() {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("pausesBefore");
        for (int scenario = 0; scenario < int(std::size(kScenarios)); ++scenario) {
            Rig reference;
            kScenarios[scenario].second(reference);
            const int pauses = reference.timer.finish();
            for (const char* input : {"press", "pass", "new game", "fast mode", "move", "stop"}) {
                for (int k = 0; k < pauses; ++k) {
                    QTest::addRow("%s, %s after %d pauses", kScenarios[scenario].first, input, k)
                        << scenario << QString(input) << k;
                }
            }
        }
    }

    void everyInputWhileAMoveDraws() {
        QFETCH(int, scenario);
        QFETCH(QString, input);
        QFETCH(int, pausesBefore);
        Rig reference;
        kScenarios[scenario].second(reference);
        reference.timer.finish();

        Rig rig;
        kScenarios[scenario].second(rig);
        for (int k = 0; k < pausesBefore; ++k) {
            QVERIFY(rig.timer.step());
        }
        QVERIFY(rig.game.drawing());
        QSignalSpy lines(&rig.game, &Game::lineDrawn);
        QSignalSpy arcs(&rig.game, &Game::arcDrawn);
        QSignalSpy circles(&rig.game, &Game::circleDrawn);
        auto drawnSince = [&] { return lines.count() + arcs.count() + circles.count(); };

        if (input == "new game") {
            rig.game.requestNewGame();
            QCOMPARE(snapshot(rig), snapshot(Rig()));
            QVERIFY(rig.game.newGameEnabled() && rig.game.passEnabled() && !rig.game.drawing());
            const int drawnByNewGame = drawnSince();
            QCOMPARE(rig.timer.finish(), 0);
            QCOMPARE(drawnSince(), drawnByNewGame);
            rig.click(5, 5);  // and the new game plays
            QCOMPARE(rig.game.moveCount(), 1);
        } else if (input == "move") {
            rig.game.receiveMove(8, 8);
            rig.game.receiveMove(7, 7);
            QVERIFY(!rig.filled(8, 8));  // held while the move draws
            rig.timer.finish();
            QCOMPARE(circles.last(),
                     (QList<QVariant>{2886, 2886, double(444.0f / 5.0f), Game::kRed}));
            reference.fill({{8, 8}, {7, 7}});
            QCOMPARE(snapshot(rig), snapshot(reference));
        } else if (input == "stop") {
            rig.game.stop();
            QCOMPARE(rig.timer.finish(), 0);
            rig.click(8, 8);
            rig.game.newGame();
            QCOMPARE(drawnSince(), 0);
        } else {
            // None of these changes what the move leads to.
            if (input == "press") {
                rig.click(8, 8);
            } else if (input == "pass") {
                QCOMPARE(rig.game.pass(), Game::PassAnswer::Ignored);
            } else {
                rig.game.setFastMode(true);
            }
            rig.timer.finish();
            QCOMPARE(snapshot(rig), snapshot(reference));
        }
        checkInvariants(rig.game);
    }

    void aPressBeforeTheFirstGameDoesNothing() {
        Rig rig(false);
        rig.game.press(1, 100, 100);
        QCOMPARE(rig.game.moveCount(), 0);
        QCOMPARE(rig.game.pass(), Game::PassAnswer::Ignored);
        // A game that goes while its move draws takes its pause with it.
        {
            Game gone(rig.peer, rig.random, rig.timer);
            gone.newGame();
            gone.press(1, 100, 100);
            QVERIFY(rig.timer.pausing());
        }
        QVERIFY(!rig.timer.pausing());
    }

    // A new board has no red mark to turn blue: its first opponent move draws
    // at its own cell only.
    void aNewGameForgetsTheLastRedMark() {
        Rig rig;
        rig.fill({{4, 4}});
        rig.game.newGame();
        QSignalSpy arcs(&rig.game, &Game::arcDrawn);
        rig.fill({{6, 6}});
        QVERIFY(!arcs.isEmpty());
        for (const QList<QVariant>& arc : arcs) {
            QCOMPARE(arc.mid(0, 2), arcs.first().mid(0, 2));
        }
    }

    void pressesThatAreNotMovesAreIgnored() {
        Rig rig;
        rig.fill({{5, 5}});
        const QString before = snapshot(rig);
        rig.click(1, 1, 2);                       // right button
        rig.click(5, 5);                          // a filled cell
        rig.game.press(1, 9 * 444 + 3, 100);      // the strip right of column 9
        rig.game.press(1, 100, 9 * 444 + 3);      // and below row 9
        rig.game.press(1, -10, 100);              // on the frame
        rig.game.press(1, 1e308, -1e308);         // far outside
        rig.peer.line = FakePeer::Line::Calling;  // a call is being placed
        rig.click(1, 1);
        QCOMPARE(snapshot(rig), before);
        rig.peer.line = FakePeer::Line::Idle;
        rig.click(1, 1);
        QCOMPARE(rig.game.moveCount(), 2);
    }

    // A blue mark takes 2 pauses, a red one 8 and the repainted red one 2;
    // the white line grows by 1800 twips for the user's own lines against
    // the computer, by 360 otherwise. On a board so wide that its last centre,
    // 32725, lies within one step of the largest 16-bit coordinate, the
    // growing line must still stop. A row's name says who moves, and whether
    // remote, fast or on that wide board.
    void drawingsPauseAsOftenAsTheirSpeedSays_data() {
        QTest::addColumn<QString>("row");  // row 1 before the move; 'o' is the move
        QTest::addColumn<int>("pauses");
        QTest::addColumn<QString>("signs");  // the mover's, after the move
        QTest::newRow("user, no score, remote") << "....o...." << 2 << "";
        QTest::newRow("user, 3") << "xxo......" << 2 + 1 << "3";
        QTest::newRow("user, 6") << "xxoxxx..." << 2 + 2 << "6";
        QTest::newRow("user, 9") << "xxxxoxxxx" << 2 + 2 << "9";
        QTest::newRow("user, 3, remote") << "xxo......" << 2 + 3 << "3";
        QTest::newRow("user, 9, remote") << "xxxxoxxxx" << 2 + 10 << "9";
        QTest::newRow("user, 9, wide") << "xxxxxxxxo" << 2 + 18 << "9";
        QTest::newRow("opponent, 3") << "xxo......" << 2 + 8 + 3 << "3";
        QTest::newRow("opponent, 6") << "xxoxxx..." << 2 + 8 + 7 << "3+6";
        QTest::newRow("opponent, 9") << "xxxxoxxxx" << 2 + 8 + 10 << "3+3+9";
        QTest::newRow("user, fast") << "xxo......" << 0 << "3";
        QTest::newRow("opponent, fast") << "xxxxoxxxx" << 0 << "3+3+9";
    }

    void drawingsPauseAsOftenAsTheirSpeedSays() {
        QFETCH(QString, row);
        QFETCH(int, pauses);
        QFETCH(QString, signs);
        const QString tag = QTest::currentDataTag();
        Rig rig(true, tag.contains("wide") ? 34650 : 4000);
        for (int column = 1; column <= 9; ++column) {
            if (row[column - 1] == 'x') {
                rig.fill({{column, 1}});
            }
        }
        rig.peer.line = tag.contains("remote") ? FakePeer::Line::Connected : FakePeer::Line::Idle;
        rig.game.setFastMode(tag.contains("fast"));
        const bool opponent = tag.startsWith("opponent");
        if (opponent) {
            rig.game.receiveMove(row.indexOf('o') + 1, 1);
        } else {
            rig.click(row.indexOf('o') + 1, 1);
        }
        QCOMPARE(rig.timer.finish(), pauses);
        QCOMPARE(rig.game.signs(opponent ? Side::Opponent : Side::User), signs);
    }

    void passHandsTheTurnOverUnlessAScoringMarkOwesAMove() {
        Rig rig;
        rig.random.startAt(4, 6);
        QCOMPARE(rig.game.pass(), Game::PassAnswer::Passed);
        rig.checkTurn(false);
        QVERIFY(!rig.game.newGameEnabled());
        rig.timer.finish();
        QVERIFY(rig.filled(4, 6));
        QCOMPARE(rig.game.opponentName(), QString("Computer:"));
        rig.checkTurn(true);
        QVERIFY(rig.game.newGameEnabled() && rig.game.passEnabled());

        QSignalSpy arcs(&rig.game, &Game::arcDrawn);
        QSignalSpy lines(&rig.game, &Game::lineDrawn);
        rig.fill({{1, 1}, {2, 1}});
        rig.click(3, 1);
        rig.timer.finish();
        // The user's mark on (3, 1): arcs from 0 to 0.01 and to 4.01 radians, on
        // a circle a fifth of a cell across, centred on (1110, 222).
        QCOMPARE(arcs.last(), (QList<QVariant>{1110, 222, double(444.0f / 5.0f),
                                               double(0.01f + 4.0f), Game::kBlue}));
        // The run grows white from the centre of (1, 1), then is drawn black.
        QCOMPARE(lines.at(lines.count() - 2), (QList<QVariant>{222, 222, 222, 222, Game::kWhite}));
        QCOMPARE(lines.last(), (QList<QVariant>{222, 222, 1110, 222, Game::kBlack}));
        QVERIFY(rig.game.extraTurn() && !rig.game.passEnabled());
        const QString before = snapshot(rig);
        QCOMPARE(rig.game.pass(), Game::PassAnswer::MarksOwed);
        QCOMPARE(snapshot(rig), before);
        rig.click(9, 9);  // a move that does not score hands over and lets Pass back
        rig.timer.finish();
        QVERIFY(rig.game.passEnabled() && !rig.game.extraTurn());
    }

    void remoteMovesTravelAndWaitForFinish() {
        Rig rig;
        rig.fill({{1, 1}, {2, 1}, {5, 5}, {6, 5}});
        rig.peer.line = FakePeer::Line::Connected;
        rig.click(3, 1);
        QVERIFY(rig.peer.sent.isEmpty());  // sent once the mark shows
        rig.timer.step();
        rig.timer.step();
        QCOMPARE(rig.peer.sent, QList<QByteArray>{"31"});
        rig.timer.finish();
        rig.checkTurn(false);
        QVERIFY(rig.game.extraTurn());
        rig.click(9, 9);
        QCOMPARE(rig.game.moveCount(), 5);
        rig.game.receiveFinish();
        rig.checkTurn(true);

        // Only a mover that scored waits for it.
        rig.click(9, 1);
        rig.timer.finish();
        const QString waiting = snapshot(rig);
        rig.game.receiveFinish();
        QCOMPARE(snapshot(rig), waiting);
        rig.checkTurn(false);
        rig.fill({{7, 5}});  // the remote player scores, and may go on once we have drawn it
        QCOMPARE(rig.peer.sent.last(), QByteArray("FINISH"));

        rig.game.requestNewGame();
        QCOMPARE(rig.peer.sent.last(), QByteArray("RESET"));
        rig.peer.line = FakePeer::Line::Idle;
        rig.game.requestNewGame();
        QCOMPARE(rig.peer.sent.size(), 4);
    }

    // Whoever starts a game moves first and the other waits for that move,
    // but after a finished game the answerer of the call always opens.
    void theSideThatStartsAGameMovesFirst_data() {
        QTest::addColumn<bool>("answerer");
        QTest::addColumn<bool>("afterFinishedGame");
        QTest::addColumn<bool>("weStart");
        QTest::addColumn<bool>("weMoveFirst");
        QTest::newRow("caller presses New Game") << false << false << true << true;
        QTest::newRow("answerer presses New Game") << true << false << true << true;
        QTest::newRow("caller is sent RESET") << false << false << false << false;
        QTest::newRow("answerer is sent RESET") << true << false << false << false;
        QTest::newRow("caller presses New Game after the end") << false << true << true << false;
        QTest::newRow("answerer presses New Game after the end") << true << true << true << true;
        QTest::newRow("caller is sent RESET after the end") << false << true << false << false;
        QTest::newRow("answerer is sent RESET after the end") << true << true << false << true;
    }
    void theSideThatStartsAGameMovesFirst() {
        QFETCH(bool, answerer);
        QFETCH(bool, afterFinishedGame);
        QFETCH(bool, weStart);
        QFETCH(bool, weMoveFirst);
        Rig rig;
        while (afterFinishedGame && rig.game.result() == Game::Result::None) {
            const auto [column, row] = rig.nthEmpty(0);
            rig.fill({{column, row}});
        }
        rig.peer.line = FakePeer::Line::Connected;
        rig.peer.answerer = answerer;
        weStart ? rig.game.requestNewGame() : rig.game.receiveReset();
        QCOMPARE(rig.game.moveCount(), 0);
        QCOMPARE(rig.peer.sent, weStart ? QList<QByteArray>{"RESET"} : QList<QByteArray>{});
        rig.checkTurn(weMoveFirst);
        QCOMPARE(rig.game.newGameEnabled(), weMoveFirst);
        if (!weMoveFirst) {
            rig.click(5, 5);
            QCOMPARE(rig.game.moveCount(), 0);
            rig.fill({{5, 5}});
            rig.checkTurn(true);
            QVERIFY(!rig.game.newGameEnabled());  // not before the user has moved
        }
        // New Game is off from the click until the other side has answered.
        rig.click(1, 9);
        QVERIFY(!rig.game.newGameEnabled());
        rig.timer.finish();
        rig.checkTurn(false);
        rig.fill({{9, 1}});
        rig.checkTurn(true);
        QVERIFY(rig.game.newGameEnabled());
    }

    // Both press New Game at the end of a game: the "RESET"s cross, and the
    // answerer's game, with the move it may already have made, stands.
    void crossingNewGamesLeaveTheAnswererToOpen() {
        for (const bool answerer : {true, false}) {
            Rig rig;
            while (rig.game.result() == Game::Result::None) {
                const auto [column, row] = rig.nthEmpty(0);
                rig.fill({{column, row}});
            }
            rig.peer.line = FakePeer::Line::Connected;
            rig.peer.answerer = answerer;
            rig.game.requestNewGame();
            rig.click(5, 5);
            rig.timer.finish();
            rig.game.receiveReset();
            QCOMPARE(rig.game.moveCount(), answerer ? 1 : 0);
            rig.checkTurn(false);
            // Once the other side has answered, its "RESET" starts a game again.
            rig.fill({{answerer ? 4 : 5, 5}});
            rig.game.receiveReset();
            QCOMPARE(rig.game.moveCount(), 0);
            rig.checkTurn(false);
        }
    }

    // A caller waits for the answerer's first move from the moment it dials;
    // a call that fails leaves the new board to the user.
    void aCallerWaitsForTheFirstMove() {
        Rig rig;
        rig.peer.line = FakePeer::Line::Calling;
        rig.game.requestNewGame();
        rig.game.awaitFirstMove();
        rig.checkTurn(false);
        rig.peer.line = FakePeer::Line::Idle;
        rig.game.remotePlayEnded();
        rig.checkTurn(true);
        QCOMPARE(rig.game.moveCount(), 0);
        QVERIFY(rig.game.newGameEnabled());
    }

    void theComputerTakesOverAnOwedTurn() {
        Rig rig;
        rig.fill({{1, 1}, {2, 1}});
        rig.peer.line = FakePeer::Line::Connected;
        rig.game.remotePlayStarted();
        QVERIFY(!rig.game.passEnabled());
        rig.click(9, 9);
        rig.timer.finish();
        rig.game.receiveMove(3, 1);  // the remote player scores and will move again
        rig.timer.step();
        rig.peer.line = FakePeer::Line::Idle;  // and leaves while its move still draws
        rig.random.startAt(5, 5);
        rig.game.remotePlayEnded();
        QVERIFY(rig.game.passEnabled());
        QCOMPARE(rig.game.moveCount(), 4);  // nothing happens inside the drawing
        rig.timer.finish();
        QVERIFY(rig.filled(5, 5));
        QCOMPARE(rig.game.moveCount(), 5);
        QCOMPARE(rig.game.opponentName(), QString("Computer:"));
        rig.checkTurn(true);
        QCOMPARE(rig.peer.sent, QList<QByteArray>{"99"});
        // With the user to move, leaving changes nothing but Pass.
        rig.game.remotePlayEnded();
        QCOMPARE(rig.game.moveCount(), 5);
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "game_test.moc"
