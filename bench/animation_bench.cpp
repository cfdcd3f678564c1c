// SPDX-License-Identifier: GPL-3.0-or-later
// Plays whole games against the computer in the real main window with every
// animation on, paced by the real pause timer, and prints what the pauses
// cost, with the clock of the day fixed at 03:00 and at 21:00:
//   QT_QPA_PLATFORM=offscreen build/bench/animation_bench [--scale 2] [--strength expert]
// Figures: how long pauses last (minimum, median, 99th percentile,
// maximum), and the wall and CPU time of the game with the share of one
// core it used while animating. --scale sets QT_SCALE_FACTOR, so the board
// is drawn and painted at that device pixel ratio, as on a scaled screen.
// --strength (easy, normal, strong, expert) sets the computer's, whose
// searches then run on their worker thread between the drawings; the time
// the window waited for them is printed as well.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <sys/resource.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "day_clock.h"
#include "dialogs.h"
#include "link_opener.h"
#include "main_window.h"
#include "qt_timer.h"
#include "random_source.h"
#include "session.h"

namespace {

class FixedClock : public velmora::DayClock {
public:
    explicit FixedClock(double seconds) : seconds_(seconds) {}
    double secondsSinceMidnight() const override { return seconds_; }

private:
    double seconds_;
};

class NoDialogs : public velmora::Dialogs {
public:
    Answer messageBox(const QString&, const QString&, Buttons, Icon, Answer answer) override {
        return answer;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString& text) override {
        return text;
    }
};

class NoLinks : public velmora::LinkOpener {
public:
    bool open(const QUrl&) override { return false; }
};

// The real pause, timed from its start to the moment it hands on. After each
// pause it calls `afterPause`, so the bench learns that a drawing has ended
// without polling.
class TimedPause : public velmora::Timer {
public:
    void start(int milliseconds, std::function<void()> done) override {
        clock_.start();
        real_.start(milliseconds, [this, done = std::move(done)] {
            lengths.push_back(clock_.nsecsElapsed() / 1e6);
            done();
            if (afterPause) {
                afterPause();
            }
        });
    }
    void cancel() override { real_.cancel(); }
    std::vector<double> lengths;
    std::function<void()> afterPause;

private:
    velmora::QtTimer real_{Qt::PreciseTimer};
    QElapsedTimer clock_;
};

struct CpuTime {
    double user = 0;
    double system = 0;
};

CpuTime cpuTime() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return {seconds(usage.ru_utime), seconds(usage.ru_stime)};
}

velmora::Strength strength = velmora::Strength::Normal;
double thinkingSeconds = 0;

// Lets the event loop run until the game has drawn everything, the
// computer's searches included.
void waitForDrawing(velmora::Game& game, TimedPause& pauses) {
    QElapsedTimer thinking;
    thinking.start();
    while (game.thinking()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    thinkingSeconds += thinking.nsecsElapsed() / 1e9;
    if (!game.drawing()) {
        return;
    }
    QEventLoop loop;
    pauses.afterPause = [&] {
        if (!game.drawing()) {
            loop.quit();
        }
    };
    loop.exec();
    pauses.afterPause = nullptr;
    if (game.thinking()) {
        waitForDrawing(game, pauses);  // a scoring chain: the next search
    }
}

void wholeGame(const char* when, double secondsSinceMidnight) {
    FixedClock clock(secondsSinceMidnight);
    velmora::TimeSeededRandom random(clock);
    NoDialogs dialogs;
    NoLinks links;
    TimedPause pauses;
    velmora::Session session({dialogs, random, pauses, links}, {VELMORA_RESOURCES_DIR}, 0);
    velmora::MainWindow& window = session.window();
    window.show();
    velmora::Game& game = session.game();
    game.setStrength(strength);
    thinkingSeconds = 0;
    bool started = false;
    QObject::connect(&game, &velmora::Game::boardCleared, [&] { started = true; });
    while (!started) {  // the first activation starts a game
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    const CpuTime cpuStart = cpuTime();
    QElapsedTimer wall;
    wall.start();
    int clicks = 0;
    while (!game.result() && clicks < 200) {
        bool clicked = false;
        for (int c = 1; c <= 9 && !clicked; ++c) {
            for (int r = 1; r <= 9 && !clicked; ++r) {
                if (game.board()[c][r].cellState == 0) {
                    game.play({c, r});
                    clicked = true;
                }
            }
        }
        ++clicks;
        waitForDrawing(game, pauses);
    }
    const double seconds = wall.nsecsElapsed() / 1e9;
    const CpuTime cpuEnd = cpuTime();
    const double user = cpuEnd.user - cpuStart.user;
    const double system = cpuEnd.system - cpuStart.system;

    std::vector<double> ms = pauses.lengths;
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) {
        std::printf("%s: no pauses\n", when);
        return;
    }
    std::printf(
        "%s at ratio %.2f: %d user moves, %zu pauses: min %.2f ms, median %.2f ms, p99 %.2f ms, "
        "max %.2f ms; wall %.2f s, CPU %.3f s in the program and %.3f s in the kernel = %.2f%% + "
        "%.2f%% of one core; %.2f s waiting for the computer's searches\n",
        when, window.devicePixelRatioF(), clicks, ms.size(), ms.front(), ms[ms.size() / 2],
        ms[ms.size() * 99 / 100], ms.back(), seconds, user, system, 100 * user / seconds,
        100 * system / seconds, thinkingSeconds);
    window.hide();
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0) {
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);  // read once, by QApplication
        }
        if (std::strcmp(argv[i], "--strength") == 0) {
            const char* names[] = {"easy", "normal", "strong", "expert"};
            for (int k = 0; k < 4; ++k) {
                if (std::strcmp(argv[i + 1], names[k]) == 0) {
                    strength = velmora::Strength(k);
                }
            }
        }
    }
    QApplication app(argc, argv);
    wholeGame("03:00", 3 * 3600);
    wholeGame("21:00", 21 * 3600);
    return 0;
}
