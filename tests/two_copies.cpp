// SPDX-License-Identifier: GPL-3.0-or-later
#include "two_copies.h"

#include <QStringList>

#include <map>

#include "connection.h"
#include "game.h"
#include "game_link.h"
#include "random_source.h"
#include "timer.h"
#include "transport.h"

namespace sim {

namespace {

using velmora::Connection;
using velmora::Game;
using velmora::kBoardCells;
using velmora::Transport;

// Every crossing takes up to 200 ms, and the last piece of a write comes
// within 250 ms of its sending: less than the spacing behind a chat line.
constexpr int kMostDelay = 200;
constexpr int kMostPieceGap = 50;
constexpr int kMostTransit = 250;
// Long past any game's length, hang-ups and all: the copies are stuck.
constexpr qint64 kLongestGame = 6 * 3600 * 1000;

// The clock, the dice and the figures of one run. Events run in time order,
// and in the order they were set for the same moment. At a quiet moment no
// system event (network, timer) waits; users' actions do not count.
class World : public velmora::DayClock {
public:
    explicit World(std::uint64_t seed) : engine_(seed) {}
    qint64 now() const { return now_; }
    double secondsSinceMidnight() const override { return double(now_) / 1000; }
    bool quiet() const { return systemEvents_ == 0; }
    int chance(int below) { return int(engine_() % std::uint64_t(below)); }
    void at(qint64 time, std::function<void()> event, bool system = true) {
        events_.emplace(std::max(time, now_), std::make_pair(std::move(event), system));
        systemEvents_ += system ? 1 : 0;
    }
    bool step() {
        if (events_.empty()) {
            return false;
        }
        auto next = events_.extract(events_.begin());
        now_ = next.key();
        systemEvents_ -= next.mapped().second ? 1 : 0;
        next.mapped().first();
        return true;
    }

    Figures figures;
    int links = 0;  // every call of the run has its own number

private:
    std::mt19937_64 engine_;
    std::multimap<qint64, std::pair<std::function<void()>, bool>> events_;
    qint64 now_ = 0;
    int systemEvents_ = 0;
};

// The pauses of the animations and the connection's hold.
class ClockTimer : public velmora::Timer {
public:
    explicit ClockTimer(World& world) : world_(world) {}
    void start(int milliseconds, std::function<void()> done) override {
        world_.at(world_.now() + milliseconds, [this, generation = ++generation_, done] {
            if (generation == generation_) {
                done();
            }
        });
    }
    void cancel() override { ++generation_; }

private:
    World& world_;
    std::uint64_t generation_ = 0;
};

// One machine's end: it listens, or holds one link to the other. Crossings come in order, and none
// arrives for a link left. A caller not taken sees its connection dropped.
class Endpoint : public Transport {
public:
    Endpoint(World& world, QString address) : world_(world), address_(std::move(address)) {}
    Endpoint* peer = nullptr;

    State state() const override { return state_; }
    void close() override {
        if (link_ != 0) {
            // Also a call still going out: the other side may have taken it already.
            peer->arrive(link_, peer->nextArrival(), [peer = peer] {
                peer->state_ = State::PeerClosing;
                emit peer->closed();
            });
        }
        link_ = 0;
        inbox_.clear();
        lastArrival_ = 0;
        arrivalEndsInChat_ = false;
        state_ = State::Closed;
    }
    void setLocalPort(quint16 port) override { port_ = port; }
    quint16 localPort() const override { return port_; }
    void listen() override {
        close();
        state_ = State::Listening;
    }
    void connectTo(const QString& remoteHost, quint16 remotePort) override {
        close();
        state_ = State::Connecting;
        link_ = ++world_.links;
        world_.at(
            world_.now() + world_.chance(kMostDelay + 1),
            [this, remoteHost, remotePort, link = link_] { called(remoteHost, remotePort, link); });
    }
    // A request is answered at once, so its number is the link of the call.
    void accept(int requestId) override {
        state_ = State::Connected;
        link_ = requestId;
        peer->arrive(link_, peer->nextArrival(), [peer = peer] {
            peer->state_ = State::Connected;
            emit peer->connected();
        });
    }
    void sendData(std::string_view bytes) override {
        if (state_ == State::Connected) {
            peer->receive(link_, QByteArray(bytes.data(), qsizetype(bytes.size())));
        }
    }
    QByteArray takeData() override {
        const QByteArray taken = inbox_.left(4096);
        inbox_.remove(0, taken.size());
        deliver({});  // as with a socket, a read raises the arrival again while bytes wait
        return taken;
    }
    bool bytesWaiting() const override { return !inbox_.isEmpty(); }
    // Acknowledged once all sent this way has reached the reader.
    int unacknowledgedBytes() const override {
        return state_ == State::Connected && peer->lastArrival_ >= world_.now() ? 1 : 0;
    }
    QString callerAddress(int) const override { return peer->address_; }
    QString localIp() const override { return address_; }

private:
    void called(const QString& host, quint16 port, int link) {
        if (link_ != link) {
            return;
        }
        if (peer->address_ == host && peer->state_ == State::Listening && peer->port_ == port) {
            emit peer->connectionRequest(link);
            if (peer->link_ != link) {
                arrive(link, nextArrival(), [this] {
                    state_ = State::PeerClosing;
                    emit closed();
                });
            }
            return;
        }
        arrive(link, nextArrival(), [this] {
            state_ = State::Error;
            emit error(10061, QStringLiteral("Connection is forcefully rejected"));
        });
    }
    qint64 nextArrival() {
        return std::max(world_.now() + world_.chance(kMostDelay + 1), lastArrival_ + 1);
    }
    void arrive(int link, qint64 time, std::function<void()> event) {
        lastArrival_ = std::max(lastArrival_, time);
        world_.at(time, [this, link, event = std::move(event)] {
            if (link_ == link) {
                event();
            }
        });
    }
    // A write, in pieces, glued now and then to what is still on its way to
    // the reader (chat included, which then swallows it).
    void receive(int link, const QByteArray& bytes) {
        const bool glue = lastArrival_ >= world_.now() && world_.chance(4) == 0;
        world_.figures.gluedWrites += glue ? 1 : 0;
        if (glue && arrivalEndsInChat_) {
            const bool tooSoon =
                world_.now() - lastChatSent_ < Connection::kChatSpacingMilliseconds;
            ++(tooSoon ? world_.figures.swallowedSentTooSoon : world_.figures.swallowedHeldUp);
        }
        if (bytes.startsWith('@')) {
            lastChatSent_ = world_.now();
            arrivalEndsInChat_ = true;
        } else if (!glue) {
            arrivalEndsInChat_ = false;
        }
        const qint64 last = world_.now() + kMostTransit;
        qint64 time = glue ? lastArrival_ : std::min(nextArrival(), last);
        for (int start = 0, left = int(bytes.size()); left > 0; left = int(bytes.size()) - start) {
            const int size = left > 1 && world_.chance(4) == 0 ? 1 + world_.chance(left - 1) : left;
            world_.figures.cutWrites += start == 0 && size < left ? 1 : 0;
            arrive(link, time, [this, part = bytes.mid(start, size)] { deliver(part); });
            start += size;
            time = std::max(time, std::min(time + world_.chance(kMostPieceGap + 1), last));
        }
    }
    void deliver(const QByteArray& bytes) {
        inbox_ += bytes;
        // Raised once the bytes of this moment are in.
        if (!inbox_.isEmpty() && !std::exchange(arrivalRaised_, true)) {
            world_.at(world_.now(), [this] {
                arrivalRaised_ = false;
                if (!inbox_.isEmpty()) {
                    emit dataArrival();
                }
            });
        }
    }

    World& world_;
    QString address_;
    State state_ = State::Closed;
    quint16 port_ = 0;
    int link_ = 0;  // the connection or call this end holds; 0 for none
    QByteArray inbox_;
    bool arrivalRaised_ = false;
    qint64 lastArrival_ = 0;  // of this link's events towards this end
    // The bytes last sent this way end in a chat line, sent at lastChatSent_.
    bool arrivalEndsInChat_ = false;
    qint64 lastChatSent_ = 0;
};

// One copy of the game with its user's chat, as sent and as received since the last quiet moment.
struct Copy {
    Copy(World& world, const QString& address)
        : endpoint(world, address),
          pause(world),
          hold(world),
          spacing(world),
          random(world),
          game(random, pause),
          connection(endpoint, hold, spacing, 5000) {
        // The user asked about a caller during a game answers either way.
        velmora::linkGameAndConnection(game, connection,
                                       [&world](const QString&) { return world.chance(2) == 0; });
        QObject::connect(&connection, &Connection::chatArrived,
                         [this](const QString& line) { received << line; });
        QObject::connect(
            &connection, &Connection::stateChanged, [this, &world](Connection::State state) {
                if (state == Connection::State::Calling || state == Connection::State::Connected) {
                    sent.clear();
                    received.clear();
                    world.figures.connections += connection.answeredCall() ? 1 : 0;
                }
            });
    }

    Endpoint endpoint;
    ClockTimer pause;
    ClockTimer hold;
    ClockTimer spacing;
    velmora::TimeSeededRandom random;
    Game game;
    Connection connection;
    QStringList sent;
    QStringList received;
};

class TwoCopies : World {
public:
    TwoCopies(std::uint64_t seed, long games)
        : World(seed),
          seed_(seed),
          target_(games),
          a_(*this, QStringLiteral("192.0.2.1")),
          b_(*this, QStringLiteral("192.0.2.2")) {
        a_.endpoint.peer = &b_.endpoint;
        b_.endpoint.peer = &a_.endpoint;
        QObject::connect(&a_.game, &Game::boardCleared,
                         [this] { figures.games += a_.connection.idle() ? 0 : 1; });
        for (Copy* copy : {&a_, &b_}) {
            copy->game.newGame();
            copy->connection.hangUpAndListen();
            scheduleUser(*copy);
        }
    }

    Figures run() {
        while (figures.failure.isEmpty() && figures.finishedGames < target_ && step()) {
            if (quiet()) {
                checkQuietMoment();
            }
            if (now() - lastFinish_ > kLongestGame) {
                fail(QStringLiteral("no game played to its end for six hours"));
            }
        }
        return figures;
    }

private:
    void scheduleUser(Copy& copy) {
        // On a 10 ms grid, so the two users often act at the same moment.
        at(
            now() + 10 * (1 + chance(40)),
            [this, &copy] {
                act(copy);
                scheduleUser(copy);
            },
            false);
    }

    void act(Copy& copy) {
        const int roll = chance(10000);
        Copy& other = &copy == &a_ ? b_ : a_;
        if (copy.connection.idle() && other.connection.idle() && roll < 3000) {
            copy.connection.call(other.endpoint.localIp());
        } else if (copy.connection.idle()) {
            clickSomewhere(copy);
        } else if (copy.game.result() && roll < 5000) {
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
            copy.connection.hangUpAndListen();
        }
    }

    void pressNewGame(Copy& copy) {
        if (copy.game.display().newGameEnabled) {
            copy.game.requestNewGame();
        }
    }

    void clickSomewhere(Copy& copy) {
        const QString cells = view(copy.game, false);
        QVector<int> empty;
        for (int i = 0; i < velmora::kPlayingCells; ++i) {
            if (cells[i] == '.') {
                empty << i;
            }
        }
        if (empty.isEmpty()) {
            return;
        }
        const int i = empty[chance(int(empty.size()))];
        const int movesBefore = copy.game.moveCount();
        copy.game.play({i / kBoardCells + 1, i % kBoardCells + 1});
        // Now and then a user thinks better of a move while it draws.
        if (copy.game.moveCount() != movesBefore && !copy.connection.idle() && chance(50) == 0) {
            at(
                now() + 10 * chance(4), [this, &copy] { pressNewGame(copy); }, false);
        }
    }

    void chat(Copy& copy) {
        static constexpr int kLongLengths[] = {4095, 4096, 8191, 8192};
        QByteArray text(chance(20) == 0 ? kLongLengths[chance(4)] : chance(40), ' ');
        for (char& letter : text) {
            // No digits nor capitals: a piece of a cut line that looks like a
            // move or a control word is read as one by any reader of this protocol.
            letter = chance(6) == 0 ? ' ' : char('a' + chance(26));
        }
        if (copy.connection.sendChat(text)) {
            copy.sent << QString::fromLatin1(text);
        }
    }

    void fail(const QString& what) {
        figures.failure = QStringLiteral("seed %1, at %2 ms: %3").arg(seed_).arg(now()).arg(what);
    }

    void checkQuietMoment() {
        const long finishedBefore = figures.finishedGames;
        const QString broken = brokenInvariant({a_.game, a_.connection, a_.sent, a_.received},
                                               {b_.game, b_.connection, b_.sent, b_.received},
                                               figures, finishedCounted_);
        if (!broken.isEmpty()) {
            fail(broken);
        } else if (figures.finishedGames != finishedBefore) {
            lastFinish_ = now();
        }
    }

    std::uint64_t seed_;
    long target_;
    Copy a_;
    Copy b_;
    bool finishedCounted_ = false;
    qint64 lastFinish_ = 0;
};

}  // namespace

QString view(const Game& game, bool mirrored) {
    using Side = Game::Side;
    const Side mine = mirrored ? Side::Opponent : Side::User;
    const Side theirs = mirrored ? Side::User : Side::Opponent;
    QString cells;
    for (int i = 0; i < velmora::kPlayingCells; ++i) {
        const std::optional<Side> owner = game.owner({i / kBoardCells + 1, i % kBoardCells + 1});
        cells += !owner ? '.' : *owner == mine ? 'x' : 'o';
    }
    return QStringLiteral("%1 moves %2, totals %3:%4, ended %5")
        .arg(cells)
        .arg(game.moveCount())
        .arg(game.total(mine))
        .arg(game.total(theirs))
        .arg(game.result().has_value());
}

namespace {

// All `from` sent has arrived: every letter, in order; lines not shown whole
// are counted. Empty, or what was lost.
QString chatBroken(const CopySeen& from, const CopySeen& to, Figures& figures) {
    const QString sent = from.sent.join(QString());
    QString received = to.received.join(QString());
    received.remove(QLatin1Char('@'));  // glued lines: the next one's mark shows
    if (received != sent) {
        return QStringLiteral("chat letters lost: %1 sent, %2 received")
            .arg(sent.size())
            .arg(received.size());
    }
    figures.chatLines += from.sent.size();
    for (const QString& line : from.sent) {
        figures.chatLinesNotWhole += to.received.contains(line) ? 0 : 1;
    }
    from.sent.clear();
    to.received.clear();
    return QString();
}

}  // namespace

QString brokenInvariant(const CopySeen& a, const CopySeen& b, Figures& figures,
                        bool& finishCounted) {
    const bool aInGame = a.connection.connected();
    if (aInGame != b.connection.connected()) {
        return QStringLiteral("one copy is in a remote game, the other not");
    }
    if (!aInGame) {
        return QString();
    }
    for (const QString& lost : {chatBroken(a, b, figures), chatBroken(b, a, figures)}) {
        if (!lost.isEmpty()) {
            return lost;
        }
    }
    if (view(a.game, false) != view(b.game, true)) {
        ++figures.divergences;
        return view(a.game, false) + " / " + view(b.game, true);
    }
    auto mayMove = [](const Game& game) { return game.display().boardOpen && !game.drawing(); };
    if (a.game.result()) {
        figures.finishedGames += std::exchange(finishCounted, true) ? 0 : 1;
    } else if (finishCounted = false; mayMove(a.game) == mayMove(b.game)) {
        ++(mayMove(a.game) ? figures.divergences : figures.stalls);
        return mayMove(a.game) ? QStringLiteral("both sides may move")
                               : QStringLiteral("both sides wait");
    }
    return QString();
}

Figures playTwoCopies(std::uint64_t seed, long games) {
    return TwoCopies(seed, games).run();
}

}  // namespace sim
