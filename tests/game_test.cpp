// The game's rules, turns and drawing queue, through its public inputs.
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <map>
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

    explicit Rig(int boardWidth = 4000) : game(peer, random, timer, boardWidth) { game.newGame(); }
    void click(int column, int row) {
        const double cell = game.cellSize();
        game.press(1, (column - 0.5) * cell, (row - 0.5) * cell);
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
    // Moves, message ("you", "wait" for "Your Turn", "Wait ......"), L(ocked),
    // N(ew Game on), P(ass on), + (a move owed), the logo (w)aiting, (s)till or
    // (h)idden, and what went to the peer since the last look.
    QString state() {
        QString seen = QString::number(game.moveCount()) + ' ' + game.message() + ' ';
        seen.replace(" Your Turn ", " you ").replace(" Wait ...... ", " wait ");
        for (const auto& [on, flag] : {std::pair{game.moveLock(), 'L'},
                                       {game.newGameEnabled(), 'N'},
                                       {game.passEnabled(), 'P'},
                                       {game.extraTurn(), '+'}}) {
            seen += on ? flag : '-';
        }
        seen += logo.isEmpty() ? "-"
                               : QString("wsh").mid(int(logo.last().at(0).value<Game::Logo>()), 1);
        for (const QByteArray& message : std::exchange(peer.sent, {})) {
            seen += ' ' + QString::fromLatin1(message);
        }
        return seen;
    }
    // Plays inputs separated by spaces and returns, joined by " / ", what was
    // seen: "?" the state, "=" the user's and the opponent's signs, "$" all of
    // it with the cells, "#" how many pauses the drawing took to its end, "p"
    // what a Pass that was not ignored answered. c55 clicks on (5, 5); m55 is
    // the remote move (5, 5), f55 the same drawn at once; r55 starts the
    // computer's search at (5, 5).
    QString play(const QString& script) {
        QStringList seen;
        const QStringList answers{"", "owed", "passed"};  // an ignored Pass shows nothing
        const std::map<QString, std::function<void()>> inputs{
            {"?", [&] { seen << state(); }},
            {"=", [&] { seen << game.signs(Side::User) + '|' + game.signs(Side::Opponent); }},
            {"$",
             [&] {
                 QString cells;
                 for (int i = 0; i < 81; ++i) {
                     cells += filled(i / 9 + 1, i % 9 + 1) ? 'x' : '.';
                 }
                 seen << cells + ' ' + game.signs(Side::User) + '|' + game.signs(Side::Opponent) +
                             ' ' + state();
             }},
            {"#", [&] { seen << QString::number(timer.finish()); }},
            {"p", [&] { seen << answers.at(int(game.pass())); }},
            {"d", [this] { timer.finish(); }},
            {"s", [this] { timer.step(); }},
            {"N", [this] { game.requestNewGame(); }},
            {"R", [this] { game.receiveReset(); }},
            {"F", [this] { game.receiveFinish(); }},
            {"W", [this] { game.awaitFirstMove(); }},
            {"+", [this] { game.remotePlayStarted(); }},
            {"-", [this] { game.remotePlayEnded(); }},
            {"fast", [this] { game.setFastMode(true); }},
            {"@a", [this] { peer.line = FakePeer::Line::Connected, peer.answerer = true; }},
            {"@c", [this] { peer.line = FakePeer::Line::Connected, peer.answerer = false; }},
            {"@d", [this] { peer.line = FakePeer::Line::Calling; }},
            {"@i", [this] { peer.line = FakePeer::Line::Idle; }},
            {"end",  // the opponent fills cells until the game ends
             [this] {
                 while (game.result() == Game::Result::None) {
                     const auto [column, row] = nthEmpty(0);
                     game.receiveMove(column, row), timer.finish();
                 }
             }},
            // Presses with the right button, right of column 9, below row 9, on
            // the frame, far outside.
            {"edges",
             [this] {
                 game.press(2, 222, 222), game.press(1, 9 * 444 + 3, 100);
                 game.press(1, 100, 9 * 444 + 3);
                 game.press(1, -10, 100), game.press(1, 1e308, -1e308);
             }},
        };
        const std::map<QChar, std::function<void(int, int)>> cellInputs{
            {'c', [this](int column, int row) { click(column, row); }},
            {'m', [this](int column, int row) { game.receiveMove(column, row); }},
            {'f', [this](int column, int row) { game.receiveMove(column, row), timer.finish(); }},
            {'r', [this](int column, int row) { random.startAt(column, row); }},
        };
        for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
            if (inputs.count(step)) {
                inputs.at(step)();
            } else {
                cellInputs.at(step[0])(step[1].digitValue(), step[2].digitValue());
            }
        }
        seen.removeAll("");
        return seen.join(" / ");
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
    }
}

// Moves that draw in several pauses. A Pass while the user's mark drew once
// started a computer move on that very cell; a move while the user's award
// drew once credited the wrong row.
const char* const kDrawnMoves[][2] = {
    {"user scores", "f11 f21 c31"},
    {"user hands over", "r99 c55"},
    {"computer scores twice", "f11 f21 f14 f15 r11 c99"},
};
// An input while the move draws, and inputs that lead to the same ("*": the
// move drawn to its end). A new game leaves nothing to draw or repaint.
const char* const kInputs[][3] = {
    {"press", "c88", "* d"},
    {"pass", "p", "* d"},
    {"fast mode", "fast", "* d"},
    {"moves, held until the drawing ends", "m18 m38 m48 m28", "* d f18 f38 f48 f28"},
    {"new game", "N # m55 #", "N # m55 #"},
};

}  // namespace

class GameTest : public QObject {
    Q_OBJECT

private slots:
    // Whole games, the user taking cells in an order drawn from a seed, against
    // the computer and against a remote player who answers with the cell
    // opposite through the centre while it is free, to each of the results.
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
        for (int turns = 0; rig.game.result() == Game::Result::None; ++turns) {
            QVERIFY(turns < 300);
            if (!rig.game.moveLock()) {
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
        QCOMPARE(int(rig.game.result()), result);
        rig.peer.sent.clear();
        // Nothing plays on, and Pass says a move is owed.
        const QString end = QString("81 %1 -N-+h").arg(rig.game.message());
        QCOMPARE(rig.play("? p c11 F m55 ?"), end + " / owed / " + end);
    }

    void everyInputWhileAMoveDraws_data() {
        QTest::addColumn<QString>("move");
        QTest::addColumn<int>("pauses");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("same");
        for (const auto& [name, move] : kDrawnMoves) {
            const int pauses = Rig().play(QString(move) + " #").toInt();
            for (int k = 0; k < pauses; ++k) {
                for (const auto& [input, during, same] : kInputs) {
                    QTest::addRow("%s, %s after %d pauses", name, input, k)
                        << move << k << during << QString(same).replace("*", move);
                }
            }
        }
    }

    void everyInputWhileAMoveDraws() {
        QFETCH(QString, move);
        QFETCH(int, pauses);
        QFETCH(QString, input);
        QFETCH(QString, same);
        Rig rig;
        rig.play(move + QString(" s").repeated(pauses));
        QVERIFY(rig.game.drawing());
        QCOMPARE(rig.play(input + " d $"), Rig().play(same + " $"));
        checkInvariants(rig.game);
    }

    // Turns, commands, the logo and the pace of the drawing. Whoever starts a
    // game moves first, but after a finished game the answerer of the call
    // opens; when two New Games cross, the answerer's stands. A blue mark takes
    // 2 pauses, a red one 8; the white line grows by 1800 twips for the user's
    // own lines against the computer, by 360 otherwise, and stops even where
    // the last centre of a wide board lies a step from the 16-bit limit.
    void inputsAndWhatTheUserSees_data() {
        QTest::addColumn<QString>("script");  // inputs => what was seen
        QTest::newRow("pace: user, no score, remote") << "@a c51 # = => 2 / |";
        QTest::newRow("pace: user, 3") << "f11 f21 c31 # = => 3 / 3|";
        QTest::newRow("pace: user, 9, remote")
            << "f11 f21 f31 f41 f61 f71 f81 f91 @a c51 # = => 12 / 9|3+3";
        QTest::newRow("pace: user, 9, wide")
            << "f11 f21 f31 f41 f51 f61 f71 f81 c91 # = => 20 / 9|3+6";
        QTest::newRow("pace: opponent, 3") << "f11 f21 m31 # = => 13 / |3";
        QTest::newRow("pace: opponent, 9")
            << "f11 f21 f31 f41 f61 f71 f81 f91 m51 # = => 20 / |3+3+9";
        QTest::newRow("pace: user, fast") << "f11 f21 fast c31 # = => 0 / 3|";
        QTest::newRow("pace: opponent, fast")
            << "f11 f21 f31 f41 f61 f71 f81 f91 fast m51 # = => 0 / |3+3+9";
        QTest::newRow("Pass hands the turn to the computer; a scoring move owes another")
            << "r46 p ? d ? f11 f21 c31 d ? p ? c99 d ? => passed / 1 wait L-P-w / 1 you -NP-s / 4 "
               "you -N-+s / owed / 4 you -N-+s / 6 you -NP-s";
        QTest::newRow("presses that are not moves, and clicks while a call goes out")
            << "f55 ? c55 edges @d c11 ? @i c11 ? => 1 you -NP-s / 1 you -NP-s / 2 you LNP-s";
        QTest::newRow("remote moves go once drawn; only a scoring mover waits for FINISH")
            << "f11 f21 f55 f65 @a c31 ? s s ? d ? c99 ? F ? c91 d ? F ? f75 ? N ? @i N ? => 5 you "
               "L-P-s / 5 you ---+s 31 / 5 wait L--+w / 5 wait L--+w / 5 you -N-+s / 6 wait L---w "
               "91 / 6 wait L---w / 7 wait L---w FINISH / 0 you -N--s RESET / 0 you -NP-s";
        QTest::newRow("caller presses New Game")
            << "@c N ? c19 ? d ? f91 ? N c55 d R ? => 0 you -NP-s RESET / 1 you L-P-s / 1 wait "
               "L-P-w 19 / 2 you -NP-s / 0 wait L-P-w RESET 55";
        QTest::newRow("answerer presses New Game")
            << "@a N ? c19 ? d f91 ? => 0 you -NP-s RESET / 1 you L-P-s / 2 you -NP-s 19";
        QTest::newRow("caller is sent RESET") << "@c R ? c55 ? f55 ? c19 d f91 ? => 0 wait L-P-w / "
                                                 "0 wait L-P-w / 1 you --P-s / 3 you -NP-s 19";
        QTest::newRow("answerer is sent RESET") << "@a R ? c55 ? f55 ? c19 d f91 ? => 0 wait L-P-w "
                                                   "/ 0 wait L-P-w / 1 you --P-s / 3 you -NP-s 19";
        QTest::newRow("caller presses New Game after the end")
            << "end @c N ? c55 ? f55 ? c19 ? d f91 ? => 0 wait L---w RESET / 0 wait L---w / 1 you "
               "----s / 2 you L---s / 3 you -N--s 19";
        QTest::newRow("answerer presses New Game after the end")
            << "end @a N ? c19 ? d f91 ? => 0 you -N--s RESET / 1 you L---s / 2 you -N--s 19";
        QTest::newRow("caller is sent RESET after the end")
            << "end @c R ? c55 ? f55 ? c19 d f91 ? => 0 wait L---w / 0 wait L---w / 1 you ----s / "
               "3 you -N--s 19";
        QTest::newRow("answerer is sent RESET after the end")
            << "end @a R ? c19 d f91 ? => 0 you -N--s / 2 you -N--s 19";
        QTest::newRow("crossing New Games: the answerer's stands")
            << "end @a N c55 d R ? f45 R ? => 1 wait L---w RESET 55 / 0 wait L---w";
        QTest::newRow("crossing New Games: the caller's goes")
            << "end @c N c55 d R ? f55 R ? => 0 wait L---w RESET / 0 wait L---w";
        QTest::newRow("a caller waits from dialling; a failed call leaves the board to the user")
            << "@d N W ? @i - ? => 0 wait L-P-w / 0 you -NP-s";
        QTest::newRow("the computer takes over a turn the remote player owed")
            << "f11 f21 @a + ? c99 d m31 s @i r55 - ? d ? - ? => 2 you -N--s / 4 wait L-P-w 99 / 5 "
               "you -NP-s / 5 you -NP-s";
    }

    void inputsAndWhatTheUserSees() {
        QFETCH(QString, script);
        const bool wide = QString(QTest::currentDataTag()).contains("wide");
        QCOMPARE(Rig(wide ? 34650 : 4000).play(script.section(" => ", 0, 0)),
                 script.section(" => ", 1));
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "game_test.moc"
