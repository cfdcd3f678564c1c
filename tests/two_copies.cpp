#include "two_copies.h"

#include "simulated_network.h"

#include <QStringList>

#include <memory>

#include "connection.h"
#include "game.h"
#include "random_source.h"

namespace sim {

namespace {

using velmora::Connection;
using velmora::Game;

constexpr int kBoardTwips = 4000;
constexpr quint16 kPort = 5000;

class EngineRandom : public velmora::RandomSource {
public:
    explicit EngineRandom(std::mt19937_64& engine) : engine_(engine) {}
    void seedFromTimeOfDay() override {}
    double nextUniform() override { return std::uniform_real_distribution<double>(0, 1)(engine_); }

private:
    std::mt19937_64& engine_;
};

// One copy of the game with its user's chat, as sent and as received since
// the last quiet moment.
struct Copy {
    Copy(Network& network, Clock& clock, std::mt19937_64& engine, const QString& address)
        : endpoint(network, address),
          pause(clock),
          hold(clock),
          random(engine),
          game(connection, random, pause, kBoardTwips),
          connection(endpoint, hold, game, kPort) {
        network.add(endpoint);
        QObject::connect(&connection, &Connection::chatReceived,
                         [this](const QString& line) { received << line; });
        QObject::connect(&connection, &Connection::chatCleared, [this] {
            sent.clear();
            received.clear();
            connections += connection.state() == Connection::State::Connected ? 1 : 0;
        });
    }
    bool inGame() const { return connection.state() == Connection::State::Connected; }
    bool mayMove() const {
        return !game.moveLock() && !game.drawing() && game.result() == Game::Result::None;
    }

    Endpoint endpoint;
    ClockTimer pause;
    ClockTimer hold;
    EngineRandom random;
    Game game;
    Connection connection;
    QStringList sent;
    QStringList received;
    long connections = 0;
};

class TwoCopies {
public:
    TwoCopies(std::uint64_t seed, long games)
        : seed_(seed),
          engine_(seed),
          network_(clock_, engine_),
          target_(games),
          a_(network_, clock_, engine_, QStringLiteral("192.0.2.1")),
          b_(network_, clock_, engine_, QStringLiteral("192.0.2.2")) {
        network_.trace = [this](const QString& line) { tell(line); };
        for (Copy* copy : {&a_, &b_}) {
            QObject::connect(&copy->game, &Game::boardCleared, [this, copy] {
                if (copy == &a_ && !a_.connection.idle()) {
                    ++figures_.games;
                }
            });
            copy->game.newGame();
            copy->connection.hangUpAndListen();
            scheduleUser(*copy);
        }
    }

    Run run() {
        while (failure_.isEmpty() && figures_.finishedGames < target_ && clock_.step()) {
            if (clock_.quiet()) {
                checkQuietMoment();
            }
            if (clock_.now() - lastFinish_ > kLongestGame) {
                fail(QStringLiteral("no game played to its end for six hours"));
            }
        }
        figures_.writes = network_.writes;
        figures_.cutWrites = network_.cutWrites;
        figures_.gluedWrites = network_.gluedWrites;
        figures_.connections = a_.connections;
        return {figures_, failure_};
    }

private:
    int chance(int below) { return network_.chance(below); }

    void scheduleUser(Copy& copy) {
        // On a 10 ms grid, so the two users often act at the same moment.
        clock_.at(
            clock_.now() + 10 * (1 + chance(40)),
            [this, &copy] {
                act(copy);
                scheduleUser(copy);
            },
            false);
    }

    void act(Copy& copy) {
        Copy& other = &copy == &a_ ? b_ : a_;
        const int roll = chance(10000);
        if (copy.connection.idle()) {
            if (other.connection.idle() && roll < 3000) {
                tell(copy.endpoint.address() + QStringLiteral(" calls"));
                copy.connection.call(other.endpoint.address());
            } else {
                clickSomewhere(copy);
            }
            return;
        }
        if (!copy.inGame()) {
            return;
        }
        if (copy.game.result() != Game::Result::None && roll < 5000) {
            pressNewGame(copy);
        } else if (roll < 8000) {
            clickSomewhere(copy);
        } else if (roll < 8300) {
            chat(copy);
        } else if (roll < 8330) {
            pressNewGame(copy);
        } else if (roll < 8400) {
            copy.game.setFastMode(!copy.game.fastMode());
        } else if (roll < 8405) {
            tell(copy.endpoint.address() + QStringLiteral(" hangs up"));
            copy.connection.hangUpAndListen();
        }
    }

    void pressNewGame(Copy& copy) {
        if (copy.game.newGameEnabled()) {
            tell(copy.endpoint.address() + QStringLiteral(" presses New Game"));
            copy.game.requestNewGame();
        }
    }

    void clickSomewhere(Copy& copy) {
        const velmora::BoardGrid& board = copy.game.board();
        QVector<velmora::Cell> empty;
        for (int column = 1; column <= velmora::kBoardCells; ++column) {
            for (int row = 1; row <= velmora::kBoardCells; ++row) {
                if (board[column][row].cellState == 0) {
                    empty.push_back({column, row});
                }
            }
        }
        if (empty.isEmpty()) {
            return;
        }
        const velmora::Cell cell = empty[chance(int(empty.size()))];
        const int movesBefore = copy.game.moveCount();
        copy.game.press(1, board[cell.column][cell.row].centreX,
                        board[cell.column][cell.row].centreY);
        if (copy.game.moveCount() != movesBefore) {
            tell(QStringLiteral("%1 plays %2%3")
                     .arg(copy.endpoint.address())
                     .arg(cell.column)
                     .arg(cell.row));
            // Now and then a user thinks better of a move while it draws.
            if (!copy.connection.idle() && chance(50) == 0) {
                clock_.at(
                    clock_.now() + 10 * chance(4), [this, &copy] { pressNewGame(copy); }, false);
            }
        }
        figures_.moves += copy.game.moveCount() - movesBefore;
    }

    void chat(Copy& copy) {
        static constexpr int kLongLengths[] = {4095, 4096, 8191, 8192};
        const int length = chance(20) == 0 ? kLongLengths[chance(4)] : chance(40);
        QByteArray text(length, ' ');
        for (char& letter : text) {
            // Lower-case letters and blanks: a piece of a cut line that
            // begins with two digits or spells a control word would be read
            // as that message by any reader of this protocol.
            letter = chance(6) == 0 ? ' ' : char('a' + chance(26));
        }
        if (copy.connection.sendChat(text)) {
            copy.sent << QString::fromLatin1(text);
        }
    }

    void fail(const QString& what) {
        failure_ = QStringLiteral("seed %1, at %2 ms: %3").arg(seed_).arg(clock_.now()).arg(what);
        for (const QString& line : story_) {
            failure_ += QStringLiteral("\n  ") + line;
        }
    }

    void tell(const QString& line) {
        story_ << QStringLiteral("%1 %2").arg(clock_.now()).arg(line);
        if (story_.size() > 40) {
            story_.removeFirst();
        }
    }

    // What one copy shows of its game, with the other copy's view of the
    // same game read from its side: the two must be equal.
    static QString view(const Game& game, bool mirrored) {
        using Side = Game::Side;
        const Side mine = mirrored ? Side::Opponent : Side::User;
        const Side theirs = mirrored ? Side::User : Side::Opponent;
        QString cells;
        for (int column = 1; column <= velmora::kBoardCells; ++column) {
            for (int row = 1; row <= velmora::kBoardCells; ++row) {
                const std::optional<Side> owner = game.owner(column, row);
                cells += !owner ? '.' : *owner == mine ? 'x' : 'o';
            }
        }
        return QStringLiteral("%1 moves %2, totals %3:%4, ended %5")
            .arg(cells)
            .arg(game.moveCount())
            .arg(game.total(mine))
            .arg(game.total(theirs))
            .arg(game.result() != Game::Result::None);
    }

    void checkQuietMoment() {
        ++figures_.quietMoments;
        if (a_.inGame() != b_.inGame()) {
            return fail(QStringLiteral("one copy is in a remote game, the other not"));
        }
        if (!a_.inGame()) {
            return;
        }
        checkChat(a_, b_);
        checkChat(b_, a_);
        if (view(a_.game, false) != view(b_.game, true)) {
            ++figures_.divergences;
            return fail(view(a_.game, false) + " / " + view(b_.game, true));
        }
        if (a_.game.result() != Game::Result::None) {
            if (!std::exchange(finishedCounted_, true)) {
                ++figures_.finishedGames;
                lastFinish_ = clock_.now();
            }
        } else if (finishedCounted_ = false; a_.mayMove() == b_.mayMove()) {
            ++(a_.mayMove() ? figures_.divergences : figures_.stalls);
            return fail(a_.mayMove() ? QStringLiteral("both sides may move")
                                     : QStringLiteral("both sides wait"));
        }
    }

    // Everything `from` sent has arrived: the letters must all be there, in
    // order; a line shown otherwise than sent is counted.
    void checkChat(Copy& from, Copy& to) {
        if (from.sent.isEmpty() && to.received.isEmpty()) {
            return;
        }
        QString received = to.received.join(QString());
        received.remove(QLatin1Char('@'));  // glued lines: the next one's mark shows
        if (received != from.sent.join(QString())) {
            return fail(QStringLiteral("chat letters lost: %1 sent, %2 received")
                            .arg(from.sent.join(QString()).size())
                            .arg(received.size()));
        }
        figures_.chatLines += from.sent.size();
        int whole = 0;
        for (int i = 0, j = 0; i < from.sent.size() && j < to.received.size(); ++j) {
            if (from.sent[i] == to.received[j]) {
                ++whole;
                ++i;
            }
        }
        figures_.chatLinesNotWhole += from.sent.size() - whole;
        from.sent.clear();
        to.received.clear();
    }

    std::uint64_t seed_;
    std::mt19937_64 engine_;
    Clock clock_;
    Network network_;
    long target_;
    Copy a_;
    Copy b_;
    Figures figures_;
    QString failure_;
    QStringList story_;
    bool finishedCounted_ = false;
    // Long past any game's length, hang-ups and all: the copies are stuck.
    static constexpr qint64 kLongestGame = 6 * 3600 * 1000;
    qint64 lastFinish_ = 0;
};

}  // namespace

Run playTwoCopies(std::uint64_t seed, long games) {
    return TwoCopies(seed, games).run();
}

}  // namespace sim
