// SPDX-License-Identifier: GPL-3.0-or-later
// Pairs of copies of the game, each pair over a real TCP connection between
// two network namespaces whose path delays, jitters and loses packets (a
// relay in a third namespace holds each frame 100 ms +- 50 ms, in order, and
// loses 5% of them, each way):
//   soak [games [pairs [delay jitter [loss]]]]  (ms, ms, %)
// Scripted users click, chat (lines of every length, digits included) and
// press New Game at random. At the end of each game both boards, totals and
// transcripts are compared. Prints games, divergences, stalls and chat lines
// that swallowed a message (with SOAK_SHOW set, where each line and what was
// shown part). Exits 77 where the namespaces cannot be made.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "connection.h"
#include "day_clock.h"
#include "game.h"
#include "game_link.h"
#include "net_lab.h"
#include "qt_timer.h"
#include "random_source.h"
#include "two_copies.h"
#include "win_sock.h"

namespace {

using velmora::Connection;
using velmora::Game;

NetLab* lab = nullptr;
std::mt19937 dice(20261208);
int chance(int below) {
    return int(dice() % unsigned(below));
}

// A socket on one side's machine: what it listens or calls with is made there.
class SideSock : public velmora::WinSock {
public:
    explicit SideSock(int side) : side_(side) {}
    void listen() override {
        lab->enter(side_);
        WinSock::listen();
        lab->leave();
    }
    void connectTo(const QString& host, quint16 port) override {
        lab->enter(side_);
        WinSock::connectTo(host, port);
        lab->leave();
    }
    // Asked behind a chat line until the line is acknowledged, which starts
    // the last wait before what follows goes out. Counts how often that came
    // after the line's first 300 ms, and how often the reader had not yet
    // read all that had been acknowledged.
    int unacknowledgedBytes() const override {
        const int left = WinSock::unacknowledgedBytes();
        if (left == 0) {
            ++released;
            late += chatSent.elapsed() > Connection::kChatSpacingMilliseconds ? 1 : 0;
            unread += peer != nullptr && peer->bytesWaiting() ? 1 : 0;
        }
        return left;
    }
    // The last writes and reads, for SOAK_SHOW: what a swallowing came from.
    void sendData(std::string_view bytes) override {
        note("wrote", QByteArray(bytes.data(), qsizetype(bytes.size())));
        if (bytes.substr(0, 1) == "@") {
            chatSent.start();
        }
        WinSock::sendData(bytes);
    }
    QByteArray takeData() override {
        const QByteArray taken = WinSock::takeData();
        note("read", taken);
        return taken;
    }
    void note(const char* what, const QByteArray& bytes) {
        const QByteArray shown =
            bytes.size() <= 24 ? bytes : bytes.left(10) + ".." + bytes.right(10);
        log << QString("%1 %2 %3 [%4]")
                   .arg(clock.elapsed())
                   .arg(what)
                   .arg(bytes.size())
                   .arg(QString::fromLatin1(shown));
        if (log.size() > 40) {
            log.removeFirst();
        }
    }
    static inline QElapsedTimer clock;
    QStringList log;
    const SideSock* peer = nullptr;
    QElapsedTimer chatSent;
    mutable long released = 0;  // chat lines whose acknowledgement was seen
    mutable long late = 0;      // of those, acknowledged after the line's 300 ms
    mutable long unread = 0;    // the reader still held bytes when it was

private:
    int side_;
};

// The drawing's pauses over at once: the network sets the pace.
class NoPause : public velmora::Timer {
public:
    NoPause() {
        timer_.setSingleShot(true);
        timer_.callOnTimeout([this] { std::exchange(done_, nullptr)(); });
    }
    void start(int, std::function<void()> done) override {
        done_ = std::move(done);
        timer_.start(0);
    }
    void cancel() override { timer_.stop(); }

private:
    QTimer timer_;
    std::function<void()> done_;
};

// The letters of the chat lines, without the pieces' parting and a glued line's mark.
QString letters(const QStringList& lines) {
    return lines.join(QString()).remove('@');
}

enum class Mismatch { None, Cut, Glued };

Mismatch compare(const QStringList& sent, const QStringList& shown) {
    const QString said = letters(sent);
    const QString heard = letters(shown);
    return heard == said                ? Mismatch::None
           : heard.size() > said.size() ? Mismatch::Glued
                                        : Mismatch::Cut;
}

// The chat one side sent and the other showed, around where they first differ.
void showWhereTheyPart(const QStringList& sent, const QStringList& shown) {
    const QString said = letters(sent);
    const QString heard = letters(shown);
    int at = 0;
    while (at < said.size() && at < heard.size() && said[at] == heard[at]) {
        ++at;
    }
    const int from = std::max(0, at - 30);
    std::printf("swallowed at %d of %d sent, %d shown: sent [%s] shown [%s]\n", at,
                int(said.size()), int(heard.size()), qPrintable(said.mid(from, 60)),
                qPrintable(heard.mid(from, 60)));
}

struct Causes {
    long glued = 0;
    long cut = 0;
    // Divergences and stalls after a message was glued behind a chat line,
    // after a chat line was cut, and with neither behind them.
    long afterGlued = 0;
    long afterCut = 0;
    long unexplained = 0;
};

struct Copy {
    Copy(int side, int port)
        : sock(side), random(clock), game(random, pause), connection(sock, hold, spacing, port) {
        velmora::linkGameAndConnection(game, connection, [](const QString&) { return true; });
        game.setFastMode(true);
        QObject::connect(&connection, &Connection::chatArrived,
                         [this](const QString& line) { received << line; });
        QObject::connect(&connection, &Connection::stateChanged, [this](Connection::State) {
            sent.clear();
            received.clear();
        });
        game.newGame();
        connection.hangUpAndListen();
    }
    SideSock sock;
    velmora::QtTimer hold;
    velmora::QtTimer spacing{Qt::PreciseTimer};
    NoPause pause;
    velmora::SystemDayClock clock;
    velmora::TimeSeededRandom random;
    Game game;
    Connection connection;
    QStringList sent;
    QStringList received;
};

struct Pair {
    explicit Pair(int port) : a(0, port), b(1, port) {
        a.sock.peer = &b.sock;
        b.sock.peer = &a.sock;
        user.callOnTimeout([this] { act(); });
        user.start(20 + chance(130));
    }

    void act() {
        user.start(20 + chance(130));
        if (settling) {
            return;
        }
        if (a.connection.idle() && b.connection.idle()) {
            b.connection.call(NetLab::kAddress[0]);
            return;
        }
        if (!a.connection.connected() || !b.connection.connected()) {
            return;
        }
        if (a.game.result() && b.game.result()) {
            return settle();
        }
        Copy& user = chance(2) ? a : b;
        const int roll = chance(1000);
        if (roll < 30) {
            chat(user);
        } else if (roll < 33 && user.game.display().newGameEnabled) {
            user.game.requestNewGame();
        } else if (user.game.display().boardOpen && !user.game.drawing()) {
            click(user);
        }
        if (sinceMove.elapsed() > 20000) {
            settle();  // nothing moved for long: the check tells whether both wait
        }
    }

    void chat(Copy& user) {
        static constexpr int kLengths[] = {0, 1, 2, 5, 40, 1447, 1448, 4095, 4096, 9000};
        QByteArray text(chance(4) == 0 ? kLengths[chance(10)] : chance(30), ' ');
        for (char& c : text) {
            c = "abcdefghijklmnopqrstuvwxyzRESETFINISHCLOSE0123456789 "[chance(53)];
        }
        if (user.connection.sendChat(text)) {
            user.sent << QString::fromLatin1(text);
        }
    }

    void click(Copy& user) {
        std::vector<velmora::Cell> empty;
        for (int i = 0; i < velmora::kPlayingCells; ++i) {
            const velmora::Cell cell{i / velmora::kBoardCells + 1, i % velmora::kBoardCells + 1};
            if (!user.game.owner(cell)) {
                empty.push_back(cell);
            }
        }
        if (!empty.empty()) {
            user.game.play(empty[std::size_t(chance(int(empty.size())))]);
            sinceMove.start();
        }
    }

    // The users stop until all on its way has come, then both copies must agree.
    // Nothing unacknowledged either way for a second means nothing waits behind
    // a chat line either (its spacing is at most 600 ms); a segment lost again
    // and again may take the system seconds to bring, so a fixed wait would
    // take a late arrival for a divergence.
    void settle() {
        settling = true;
        settleStarted.start();
        quietSince.start();
        waitForQuiet();
    }

    void waitForQuiet() {
        // Asked past the counting above, which is the connections' alone.
        if (a.sock.WinSock::unacknowledgedBytes() > 0 ||
            b.sock.WinSock::unacknowledgedBytes() > 0) {
            quietSince.start();
        }
        if (quietSince.elapsed() < 1000 && settleStarted.elapsed() < 60000) {
            QTimer::singleShot(50, [this] { waitForQuiet(); });
            return;
        }
        waitedLong += settleStarted.elapsed() > 2500;
        QTimer::singleShot(0, [this] {
            // Chat shown with more letters than were sent swallowed a message
            // glued behind it; with fewer, a line was cut by the network and
            // its rest, come later on its own, was read as messages.
            const Mismatch mismatch =
                std::max(compare(a.sent, b.received), compare(b.sent, a.received));
            if (mismatch != Mismatch::None) {
                ++(mismatch == Mismatch::Glued ? causes.glued : causes.cut);
                if (qEnvironmentVariableIsSet("SOAK_SHOW")) {
                    showWhereTheyPart(a.sent, b.received);
                    showWhereTheyPart(b.sent, a.received);
                    if (mismatch == Mismatch::Glued) {
                        std::printf("  a: %s\n  b: %s\n", qPrintable(a.sock.log.join(" / ")),
                                    qPrintable(b.sock.log.join(" / ")));
                    }
                }
                a.sent.clear(), a.received.clear(), b.sent.clear(), b.received.clear();
            }
            sim::Figures f;
            bool counted = false;
            const QString broken =
                sim::brokenInvariant({a.game, a.connection, a.sent, a.received},
                                     {b.game, b.connection, b.sent, b.received}, f, counted);
            figures.finishedGames += f.finishedGames;
            figures.divergences += f.divergences;
            figures.stalls += f.stalls;
            figures.chatLines += f.chatLines;
            figures.chatLinesNotWhole += f.chatLinesNotWhole;
            (mismatch == Mismatch::Glued  ? causes.afterGlued
             : mismatch == Mismatch::None ? causes.unexplained
                                          : causes.afterCut) += f.divergences + f.stalls;
            if (!broken.isEmpty()) {
                static constexpr const char* kAfter[] = {"",
                                                         " (after a chat line cut by the network)",
                                                         " (after a message glued to a chat line)"};
                std::printf("game %ld: %s%s\n", figures.finishedGames, qPrintable(broken),
                            kAfter[int(mismatch)]);
                a.connection.hangUpAndListen();  // start afresh
            } else {
                (chance(2) ? a : b).game.requestNewGame();
            }
            a.sent.clear(), a.received.clear(), b.sent.clear(), b.received.clear();
            sinceMove.start();
            settling = false;
        });
    }

    Copy a;
    Copy b;
    QTimer user;
    QElapsedTimer sinceMove;
    QElapsedTimer settleStarted;
    QElapsedTimer quietSince;
    bool settling = false;
    long waitedLong = 0;  // settles that waited past 2.5 s for bytes on their way
    sim::Figures figures;
    Causes causes;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const long games = argc > 1 ? std::atol(argv[1]) : 500;
    const int pairs = argc > 2 ? std::atoi(argv[2]) : 10;
    // A fast lossy path (say 1 1 5, a LAN) leaves the reader least time
    // between the acknowledgement of a chat line and what follows it.
    const FrameRelay::Path path{argc > 4 ? std::atoi(argv[3]) : 100,
                                argc > 4 ? std::atoi(argv[4]) : 50,
                                argc > 5 ? std::atoi(argv[5]) : 5, 20261208};
    NetLab made(path);
    if (!made.made()) {
        std::printf("SKIPPED: %s\n", qPrintable(made.why()));
        return 77;
    }
    lab = &made;
    std::printf(
        "path: %s and %s joined through a third namespace whose relay copies each "
        "Ethernet frame from one side to the other %d ms +- %d ms (evenly drawn) after "
        "it came, never before the one ahead of it, and loses %d%% of the IPv4 frames, "
        "each way\n",
        NetLab::kAddress[0], NetLab::kAddress[1], path.delayMilliseconds, path.jitterMilliseconds,
        path.lossPercent);
    std::vector<std::unique_ptr<Pair>> running;
    for (int i = 0; i < pairs; ++i) {
        running.push_back(std::make_unique<Pair>(21000 + 10 * i));
    }
    QElapsedTimer elapsed;
    elapsed.start();
    SideSock::clock.start();
    sim::Figures total;
    Causes sum;
    QTimer tally;
    tally.callOnTimeout([&] {
        total = {};
        sum = {};
        for (const auto& pair : running) {
            total.finishedGames += pair->figures.finishedGames;
            total.divergences += pair->figures.divergences;
            total.stalls += pair->figures.stalls;
            total.chatLines += pair->figures.chatLines;
            total.chatLinesNotWhole += pair->figures.chatLinesNotWhole;
            sum.glued += pair->causes.glued;
            sum.cut += pair->causes.cut;
            sum.afterGlued += pair->causes.afterGlued;
            sum.afterCut += pair->causes.afterCut;
            sum.unexplained += pair->causes.unexplained;
        }
        if (total.finishedGames >= games) {
            app.quit();
        }
    });
    tally.start(500);
    long released = 0;
    long late = 0;
    long unread = 0;
    long waitedLong = 0;
    app.exec();
    std::printf("games %ld in %.0f s, divergences %ld, stalls %ld\n", total.finishedGames,
                elapsed.elapsed() / 1000.0, total.divergences, total.stalls);
    std::printf("chat lines %ld, shown in more than one piece %ld\n", total.chatLines,
                total.chatLinesNotWhole);
    std::printf(
        "messages glued behind a chat line and shown as chat %ld (divergences and "
        "stalls after one %ld)\n",
        sum.glued, sum.afterGlued);
    std::printf(
        "chat lines cut by the network whose later part was read as messages %ld "
        "(divergences and stalls after one %ld)\n",
        sum.cut, sum.afterCut);
    std::printf("divergences and stalls with neither behind them %ld\n", sum.unexplained);
    for (const auto& pair : running) {
        waitedLong += pair->waitedLong;
        for (const SideSock* sock : {&pair->a.sock, &pair->b.sock}) {
            released += sock->released;
            late += sock->late;
            unread += sock->unread;
        }
    }
    std::printf(
        "chat spacings over %ld, of them acknowledged after 300 ms %ld; "
        "the reader had not read all acknowledged when that was seen %ld\n",
        released, late, unread);
    std::printf("checks that waited past 2.5 s for bytes still on their way %ld\n", waitedLong);
    const FrameRelay::Figures relayed = made.relayed();
    std::printf("frames relayed %ld, lost %ld, not sent on %ld\n", relayed.relayed, relayed.lost,
                relayed.failed);
    // A line longer than a segment, cut by the network, is what the protocol
    // cannot carry; a message glued behind a line is our copy's doing.
    return sum.glued + sum.unexplained == 0 ? 0 : 1;
}
