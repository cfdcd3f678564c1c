// SPDX-License-Identifier: GPL-3.0-or-later
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
    ScriptedRandom random;
    TestPause timer;
    Game game{random, timer};
    QSignalSpy turns{&game, &Game::turnChanged};
    QStringList sent;  // to the other copy, since the last look

    Rig() {
        QObject::connect(&game, &Game::moveToSend, [this](velmora::Cell cell) {
            sent << QString::number(cell.column * 10 + cell.row);
        });
        QObject::connect(&game, &Game::resetToSend, [this] { sent << "RESET"; });
        QObject::connect(&game, &Game::finishToSend, [this] { sent << "FINISH"; });
        game.newGame();
    }
    // Moves, message ("you", "wait" or the result), L(ocked board), N(ew Game on), P(ass on),
    // + (the user scored and moves again), the waiting display of the last turn announced:
    // (w)aiting, (s)till or (h)idden, and what went to the other copy since the last look.
    QString state() {
        const velmora::TurnDisplay shown = game.display();
        const QString prompts[] = {"you", "wait", "result"};
        QString seen = QString::number(game.moveCount()) + ' ' + prompts[int(shown.prompt)] + ' ';
        for (const auto& [on, flag] : {std::pair{!shown.boardOpen, 'L'},
                                       {shown.newGameEnabled, 'N'},
                                       {shown.passEnabled, 'P'},
                                       {game.turn() == velmora::Turn::UserAgain, '+'}}) {
            seen += on ? flag : '-';
        }
        seen += turns.isEmpty()
                    ? QString("-")
                    : QString("wsh").mid(
                          int(velmora::displayFor(turns.last().at(0).value<velmora::Turn>(), true)
                                  .waiting),
                          1);
        for (const QString& message : std::exchange(sent, {})) {
            seen += ' ' + message;
        }
        return seen;
    }
    QString signs(Game::Side side) const {
        QStringList parts;
        for (int marks : game.awards(side)) {
            parts << QString::number(marks);
        }
        return parts.join('+');
    }
    // Plays inputs separated by spaces and returns, joined by " / ", what was seen: "?" the state,
    // "=" the user's and the opponent's awards, "#" how many pauses the drawing took to its end,
    // "p" what a Pass that was not ignored answered. c55 plays (5, 5); m55 is the remote move
    // (5, 5), f55 the same drawn at once; r55 starts the computer's search at (5, 5). @d a call
    // goes out, @c it is answered, @a a caller is taken, - the remote game ends.
    QString play(const QString& script) {
        QStringList seen;
        const QStringList answers{"", "owed", "passed"};  // an ignored Pass shows nothing
        const std::map<QString, std::function<void()>> inputs{
            {"?", [&] { seen << state(); }},
            {"=", [&] { seen << signs(Side::User) + '|' + signs(Side::Opponent); }},
            {"#", [&] { seen << QString::number(timer.finish()); }},
            {"p", [&] { seen << answers.at(int(game.pass())); }},
            {"d", [this] { timer.finish(); }},
            {"s", [this] { timer.step(); }},
            {"N", [this] { game.requestNewGame(); }},
            {"R", [this] { game.receiveReset(); }},
            {"F", [this] { game.receiveFinish(); }},
            {"fast", [this] { game.setFastMode(true); }},
            {"@d", [this] { game.callStarted(); }},
            {"@c", [this] { game.callAnswered(); }},
            {"@a", [this] { game.callerTaken(); }},
            {"-", [this] { game.remoteGameEnded(); }},
            {"end",  // the opponent fills cells, column by column, until the game ends
             [this] {
                 for (int i = 0; !game.result(); ++i) {
                     if (!game.owner({i / 9 + 1, i % 9 + 1})) {
                         game.receiveMove({i / 9 + 1, i % 9 + 1}), timer.finish();
                     }
                 }
             }},
            // Off the board: the border ring and beyond.
            {"edges",
             [this] {
                 for (velmora::Cell cell :
                      {velmora::Cell{0, 5}, {10, 1}, {5, 0}, {1, 10}, {-3, 99}}) {
                     game.play(cell);
                 }
             }},
        };
        const std::map<QChar, std::function<void(velmora::Cell)>> cellInputs{
            {'c', [this](velmora::Cell cell) { game.play(cell); }},
            {'m', [this](velmora::Cell cell) { game.receiveMove(cell); }},
            {'f', [this](velmora::Cell cell) { game.receiveMove(cell), timer.finish(); }},
            {'r', [this](velmora::Cell cell) { random.startAt(cell.column, cell.row); }},
        };
        for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
            if (inputs.count(step)) {
                inputs.at(step)();
            } else {
                cellInputs.at(step[0])({step[1].digitValue(), step[2].digitValue()});
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
    // Turns, commands, the logo and the pace of the drawing. Whoever starts a game moves first, so
    // first moves never cross; after a finished game the answerer opens; of two crossing New Games
    // the answerer's stands. Pace: a blue mark 2 pauses, a red one 8, a line a pause per 360 twips
    // (1800 for the user's own against the computer).
    void inputsAndWhatTheUserSees_data() {
        QTest::addColumn<QString>("script");  // inputs => what was seen
        QTest::newRow("pace: user, remote")
            << "@a f11 f21 f31 f41 f61 f71 f81 f91 c51 # = => 12 / 9|3+3";
        QTest::newRow("pace: user, computer")
            << "f11 f21 f31 f41 f51 f61 f71 f81 c91 # = => 4 / 9|3+6";
        QTest::newRow("pace: opponent") << "f11 f21 f31 f41 f61 f71 f81 f91 m51 # = => 20 / |3+3+9";
        QTest::newRow("pace: opponent's six") << "f41 f51 f71 f61 f21 m31 # = => 17 / |6";
        QTest::newRow("pace: fast") << "f11 f21 f31 f41 f61 f71 f81 f91 fast m51 # = => 0 / |3+3+9";
        QTest::newRow("Pass hands the turn to the computer; a scoring move owes another")
            << "r46 p ? d ? f11 f21 c31 d ? p ? c99 d ? => passed / 1 wait L-P-w / 1 you -NP-s / 4 "
               "you -N-+s / owed / 4 you -N-+s / 6 you -NP-s";
        QTest::newRow("presses that are not moves, and clicks while a call goes out")
            << "f55 ? c55 edges @d c11 ? - c11 ? => 1 you -NP-- / 0 wait L---w / 1 you LNP-s";
        QTest::newRow("remote moves go once drawn; only a scoring mover waits for FINISH")
            << "@a f11 f21 f55 f65 c31 ? s s ? d ? c99 ? F ? c91 d ? F ? f75 ? N ? - N ? => 5 you "
               "L---s RESET / 5 you L---s 31 / 5 wait L---w / 5 wait L---w / 5 you -N-+s / 6 wait "
               "L---w 91 / 6 wait L---w / 7 wait L---w FINISH / 0 you -N--s RESET / 0 you -NP-s";
        QTest::newRow("New Game moves first; a crossing RESET from the answerer wins")
            << "@d @c N ? c19 ? d ? f91 ? N c55 d R ? => 0 you -N--s RESET / 1 you L---s / 1 wait "
               "L---w 19 / 2 you -N--s / 0 wait L---w RESET 55";
        QTest::newRow("a caller waits for the first move; the answerer opens")
            << "@d @c ? c55 ? f55 ? @a ? R ? c55 ? f55 ? c19 d f91 ? => 0 wait L---w / 0 wait "
               "L---w / 1 you ----s / 0 you -N--s RESET / 0 you -N--s / 1 you L---s / 1 you -N--s "
               "55 / 3 you -N--s 19";
        QTest::newRow("after a finished game the answerer opens, whoever starts")
            << "@d @c end N ? end @a end N ? @d @c end R ? @a end R ? => 0 wait L---w RESET / 0 "
               "you -N--s RESET RESET / 0 wait L---w / 0 you -N--s RESET";
        QTest::newRow("crossing New Games: the answerer's stands")
            << "@a end N c55 d R ? f45 R ? => 1 wait L---w RESET RESET 55 / 0 wait L---w";
        QTest::newRow("crossing New Games: the caller's goes")
            << "@d @c end N c55 d R ? f55 R ? => 0 wait L---w RESET / 0 wait L---w";
        QTest::newRow("a caller waits from dialling; a failed call leaves the board to the user")
            << "@d ? - ? => 0 wait L---w / 0 you -NP-s";
        QTest::newRow("the computer takes over a turn the remote player owed")
            << "@a f11 f21 ? c99 d m31 s - r55 ? d ? - ? => 2 you -N--s RESET / 4 wait L-P-w 99 / "
               "5 you -NP-s / 5 you -NP-s";
        QTest::newRow("both clicked the same cell at the start: the local user moves on")
            << "@a c55 d ? f55 ? => 1 wait L---w RESET 55 / 1 you -N--s";
    }

    void inputsAndWhatTheUserSees() {
        QFETCH(QString, script);
        QCOMPARE(Rig().play(script.section(" => ", 0, 0)), script.section(" => ", 1));
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "game_test.moc"
