// SPDX-License-Identifier: GPL-3.0-or-later
// Remote play under load, with real windows, real pauses and real sockets:
//   QT_QPA_PLATFORM=offscreen build/bench/remote_bench
// 1. Latency: two windows on loopback play moves; from the click on one side
//    to the first drawn step of that move on the other (the mover's mark is
//    drawn before the move is sent, two pauses).
// 2. A hostile peer, on a thread of its own with plain sockets, sends 10,000
//    random arrivals, then a 100 MB chat line, then connects and hangs up
//    1,000 times, against one window. Meanwhile a board click is sent every
//    20 ms and the time until the board takes it is kept. Printed: the
//    slowest click, the largest resident size, and whether the board's
//    invariants held.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTcpServer>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "board.h"
#include "board_picture.h"
#include "day_clock.h"
#include "dialogs.h"
#include "link_opener.h"
#include "main_window.h"
#include "qt_timer.h"
#include "random_source.h"
#include "session.h"

namespace {

class NoDialogs : public velmora::Dialogs {
public:
    // Every input box is answered with `input`, every question with its default.
    Answer messageBox(const QString&, const QString&, Buttons, Icon, Answer answer) override {
        return answer;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override {
        return input;
    }
    QString input;
};

class NoLinks : public velmora::LinkOpener {
public:
    bool open(const QUrl&) override { return false; }
};

struct Window {
    NoDialogs dialogs;
    velmora::SystemDayClock clock;
    velmora::TimeSeededRandom random{clock};
    velmora::QtTimer pauses{Qt::PreciseTimer};
    NoLinks links;
    velmora::Session session{{dialogs, random, pauses, links}, {VELMORA_RESOURCES_DIR}, 0};
    velmora::MainWindow& window = session.window();

    velmora::Game& game() { return session.game(); }
    bool connected() {
        return session.connection().socketState() == velmora::Transport::State::Connected;
    }
    explicit Window(int port) {
        window.show();
        runUntil(
            [&] { return window.findChild<velmora::BoardPicture*>("PicMain")->cellTwips() > 0; });
        dialogs.input = QString::number(port);
        window.findChild<QAction*>("m_PortNum")->trigger();
    }
    template <typename Done>
    static void runUntil(Done done, int timeoutMs = 10000) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < timeoutMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }
    // A left press in cell (column, row), as the window system delivers it.
    void press(int column, int row) {
        auto* board = window.findChild<QWidget*>("PicMain");
        const QPointF at(2 + (column - 0.5) * 444 / 15.0, 2 + (row - 0.5) * 444 / 15.0);
        QCoreApplication::postEvent(
            board, new QMouseEvent(QEvent::MouseButtonPress, at, at, board->mapToGlobal(at),
                                   Qt::LeftButton, Qt::LeftButton, {}));
    }
};

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    return probe.serverPort();
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

int connectTo(quint16 port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void sendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return;
        }
        sent += std::size_t(n);
    }
}

void printFigures(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) {
        std::printf("%s: none\n", what);
        return;
    }
    std::printf("%s: %zu, median %.1f ms, p99 %.1f ms, max %.1f ms\n", what, ms.size(),
                ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back());
}

void latency() {
    const quint16 port = freePort();
    Window b(port);
    Window a(port);
    a.dialogs.input = "127.0.0.1";
    a.window.findChild<QAction*>("m_Connect")->trigger();
    Window::runUntil([&] { return a.connected() && b.connected(); });

    std::vector<double> ms;
    QElapsedTimer clock;
    const velmora::Game* waitingFor = nullptr;
    for (Window* w : {&a, &b}) {
        const velmora::Game* game = &w->game();
        QObject::connect(game, &velmora::Game::markGrowing, [&, game] {
            if (waitingFor == game) {
                ms.push_back(clock.nsecsElapsed() / 1e6);
                waitingFor = nullptr;
            }
        });
    }
    for (int game = 0; game < 3; ++game) {
        while (!a.game().result()) {
            Window& mover = a.game().display().boardOpen ? a : b;
            Window& other = &mover == &a ? b : a;
            const velmora::BoardGrid& board = mover.game().board();
            int cell = 0;
            while (board[cell / 9 + 1][cell % 9 + 1].cellState != 0) {
                ++cell;
            }
            const int moves = other.game().moveCount();
            clock.start();
            waitingFor = &other.game();
            mover.press(cell / 9 + 1, cell % 9 + 1);
            Window::runUntil([&] {
                return other.game().moveCount() > moves && !a.game().drawing() &&
                       !b.game().drawing() &&
                       (a.game().display().boardOpen != b.game().display().boardOpen ||
                        a.game().result());
            });
            waitingFor = nullptr;
        }
        a.window.findChild<QAction*>("m_Reset")->trigger();
        Window::runUntil([&] { return b.game().moveCount() == 0; });
    }
    printFigures("latency, click to the first drawn step on the other side", ms);
}

void hostilePeer() {
    const quint16 port = freePort();
    Window target(port);
    std::atomic<int> phase{0};
    std::atomic<bool> done{false};

    std::thread peer([&] {
        std::mt19937 chance(7);
        const char* words[] = {"RESET", "FINISH", "CLOSE", "@", "55", "1", "RES", "99", "0"};
        int fd = connectTo(port);
        for (int i = 0; i < 10000 && fd >= 0; ++i) {
            std::string bytes;
            const int parts = 1 + int(chance() % 4);
            for (int p = 0; p < parts; ++p) {
                if (chance() % 2 == 0) {
                    bytes += words[chance() % std::size(words)];
                } else {
                    const int length = 1 + int(chance() % 40);
                    for (int k = 0; k < length; ++k) {
                        bytes += char(chance() % 256);
                    }
                }
            }
            sendAll(fd, bytes);
            if (i % 50 == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            if (bytes.find("CLOSE") != std::string::npos) {
                ::close(fd);  // the window hangs up on "CLOSE": call again
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                fd = connectTo(port);
            }
        }
        if (fd >= 0) {
            ::close(fd);
        }
        phase = 1;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        fd = connectTo(port);
        std::string flood(1 << 20, 'x');
        sendAll(fd, "@");
        for (int mb = 0; mb < 100 && fd >= 0; ++mb) {
            sendAll(fd, flood);
        }
        ::close(fd);
        phase = 2;
        for (int i = 0; i < 1000; ++i) {
            fd = connectTo(port);
            if (fd >= 0) {
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        phase = 3;
        done = true;
    });

    std::vector<double> clicks[3];
    long largestKilobytes = 0;
    bool invariantsHeld = true;
    QElapsedTimer sent;
    bool pressPending = false;
    int pressedPhase = 0;
    QObject::connect(target.window.findChild<velmora::BoardPicture*>("PicMain"),
                     &velmora::BoardPicture::cellPressed, [&] {
                         if (pressPending) {
                             clicks[pressedPhase].push_back(sent.nsecsElapsed() / 1e6);
                             pressPending = false;
                         }
                     });
    QTimer probe;
    std::mt19937 where(3);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        velmora::Game& game = target.game();
        invariantsHeld &= velmora::filledCells(game.board()) == game.moveCount() &&
                          game.moveCount() <= velmora::kPlayingCells;
        largestKilobytes = std::max(largestKilobytes, residentKilobytes());
        if (!pressPending && phase < 3) {
            pressedPhase = phase;
            pressPending = true;
            sent.start();
            target.press(1 + int(where() % 9), 1 + int(where() % 9));
        }
    });
    probe.start(20);
    QElapsedTimer wall;
    wall.start();
    Window::runUntil([&] { return done.load(); }, 600000);
    peer.join();
    const char* names[] = {"random arrivals", "100 MB chat flood", "connect and hang up"};
    for (int p = 0; p < 3; ++p) {
        printFigures((std::string("board click answered during ") + names[p]).c_str(), clicks[p]);
    }
    std::printf("hostile peer: %.1f s, largest resident size %.1f MB, board invariants %s\n",
                wall.elapsed() / 1000.0, largestKilobytes / 1024.0,
                invariantsHeld ? "held" : "BROKEN");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    latency();
    hostilePeer();
    return 0;
}
