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
    Game game{peer, random, timer};
    QSignalSpy logo{&game, &Game::logoChanged};

    Rig() { game.newGame(); }
    void click(int column, int row) {
        const double cell = game.cellSize();
        game.press(1, (column - 0.5) * cell, (row - 0.5) * cell);
    }
    // The n-th empty cell (from 0), column by column.
    std::pair<int, int> nthEmpty(int n) const {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                if (game.board()[c][r].cellState == 0 && n-- == 0) {
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
    // seen: "?" the state, "=" the user's and the opponent's signs, "#" how
    // many pauses the drawing took to its end, "p" what a Pass that was not
    // ignored answered. c55 clicks on (5, 5); m55 is the remote move (5, 5),
    // f55 the same drawn at once; r55 starts the computer's search at (5, 5).
    QString play(const QString& script) {
        QStringList seen;
        const QStringList answers{"", "owed", "passed"};  // an ignored Pass shows nothing
        const std::map<QString, std::function<void()>> inputs{
            {"?", [&] { seen << state(); }},
            {"=", [&] { seen << game.signs(Side::User) + '|' + game.signs(Side::Opponent); }},
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
            // Right button; right of column 9, below row 9, on the frame, far outside.
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

}  // namespace

class GameTest : public QObject {
    Q_OBJECT

private slots:
    // Turns, commands, the logo and the pace of the drawing. Whoever starts a
    // game moves first, so first moves never cross; after a finished game the
    // answerer opens; of two crossing New Games the answerer's stands. Pace: a
    // blue mark 2 pauses, a red one 8, a line a pause per 360 twips (1800 for
    // the user's own against the computer).
    void inputsAndWhatTheUserSees_data() {
        QTest::addColumn<QString>("script");  // inputs => what was seen
        QTest::newRow("pace: user, remote")
            << "f11 f21 f31 f41 f61 f71 f81 f91 @a c51 # = => 12 / 9|3+3";
        QTest::newRow("pace: user, computer")
            << "f11 f21 f31 f41 f51 f61 f71 f81 c91 # = => 4 / 9|3+6";
        QTest::newRow("pace: opponent") << "f11 f21 f31 f41 f61 f71 f81 f91 m51 # = => 20 / |3+3+9";
        QTest::newRow("pace: fast") << "f11 f21 f31 f41 f61 f71 f81 f91 fast m51 # = => 0 / |3+3+9";
        QTest::newRow("Pass hands the turn to the computer; a scoring move owes another")
            << "r46 p ? d ? f11 f21 c31 d ? p ? c99 d ? => passed / 1 wait L-P-w / 1 you -NP-s / 4 "
               "you -N-+s / owed / 4 you -N-+s / 6 you -NP-s";
        QTest::newRow("presses that are not moves, and clicks while a call goes out")
            << "f55 ? c55 edges @d c11 ? @i c11 ? => 1 you -NP-s / 1 you -NP-s / 2 you LNP-s";
        QTest::newRow("remote moves go once drawn; only a scoring mover waits for FINISH")
            << "f11 f21 f55 f65 @a c31 ? s s ? d ? c99 ? F ? c91 d ? F ? f75 ? N ? @i N ? => 5 you "
               "L-P-s / 5 you ---+s 31 / 5 wait L--+w / 5 wait L--+w / 5 you -N-+s / 6 wait L---w "
               "91 / 6 wait L---w / 7 wait L---w FINISH / 0 you -N--s RESET / 0 you -NP-s";
        QTest::newRow("New Game moves first; a crossing RESET from the answerer wins")
            << "@c N ? c19 ? d ? f91 ? N c55 d R ? => 0 you -NP-s RESET / 1 you L-P-s / 1 wait "
               "L-P-w 19 / 2 you -NP-s / 0 wait L-P-w RESET 55";
        QTest::newRow("crossing first moves: a side sent RESET waits for the first move")
            << "@c R ? c55 ? f55 ? @a R ? c55 ? f55 ? c19 d f91 ? => 0 wait L-P-w / 0 wait L-P-w "
               "/ 1 you --P-s / 0 wait L-P-w / 0 wait L-P-w / 1 you --P-s / 3 you -NP-s 19";
        QTest::newRow("after a finished game the answerer opens, whoever starts")
            << "end @c N ? end @a N ? end @c R ? end @a R ? => 0 wait L---w RESET / 0 you -N--s "
               "RESET / 0 wait L---w / 0 you -N--s";
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
        QCOMPARE(Rig().play(script.section(" => ", 0, 0)), script.section(" => ", 1));
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "game_test.moc"
