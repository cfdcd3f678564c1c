// Plays whole games against the computer with every animation on, as a user
// would see them, and prints what the pauses cost:
//   QT_QPA_PLATFORM=offscreen build/bench/animation_bench
// Figures: wall and CPU time of the game and the share of one core it used,
// the number of pauses, and how long single pauses last (at the time of day
// now, and at 03:00, when the single-precision clock is finer).
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "day_clock.h"
#include "dialogs.h"
#include "form_velmora.h"
#include "link_opener.h"
#include "random_source.h"
#include "short_pause.h"

namespace {

// The real clock, moved to another hour of the day.
class ShiftedClock : public velmora::DayClock {
public:
    explicit ShiftedClock(double toSecond) { shift_ = toSecond - real_.SecondsSinceMidnight(); }
    double SecondsSinceMidnight() const override {
        double t = real_.SecondsSinceMidnight() + shift_;
        return t < 0 ? t + 86400 : t;
    }

private:
    velmora::SystemDayClock real_;
    double shift_;
};

class NoDialogs : public velmora::Dialogs {
public:
    Answer MessageBox(const QString&, const QString&, Buttons, Icon, Answer answer) override {
        return answer;
    }
    QString InputBox(const QString&, const QString&, const QString& text) override { return text; }
};

double CpuSeconds() {
    return double(std::clock()) / CLOCKS_PER_SEC;
}

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void PauseDurations(const char* when, const velmora::DayClock& clock) {
    std::vector<double> ms;
    const double cpuStart = CpuSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    for (int i = 0; i < 300; ++i) {
        const auto start = std::chrono::steady_clock::now();
        velmora::ShortPause(clock, velmora::HandleEventsFor);
        ms.push_back(Since(start) * 1000);
    }
    const double cpu = CpuSeconds() - cpuStart;
    const double wall = Since(wallStart);
    std::sort(ms.begin(), ms.end());
    const auto within =
        std::count_if(ms.begin(), ms.end(), [](double d) { return d >= 7 && d <= 13; });
    std::printf(
        "pauses %-22s min %.1f ms, median %.1f ms, max %.1f ms, %ld of %zu within 10 +- 3 ms, "
        "CPU %.1f%% of one core\n",
        when, ms.front(), ms[ms.size() / 2], ms.back(), long(within), ms.size(), 100 * cpu / wall);
}

void WholeGame(const velmora::DayClock& clock) {
    NoDialogs dialogs;
    velmora::TimeSeededRandom random(clock);
    velmora::DesktopLinkOpener links;
    velmora::FormVelmora form({dialogs, clock, random, links}, VELMORA_RESOURCES_DIR);
    form.Form_Load();
    form.Form_Activate();
    const double cpuStart = CpuSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    int clicks = 0;
    while (form.game.MoveCount < 81 && clicks < 200) {
        for (int c = 1, done = 0; c <= 9 && !done; ++c) {
            for (int r = 1; r <= 9 && !done; ++r) {
                if (form.game.Board[c][r].CellState == 0) {
                    const double cell = form.game.CellSize;
                    form.PicMain_MouseDown(1, (c - 0.5) * cell, (r - 0.5) * cell);
                    done = 1;
                }
            }
        }
        ++clicks;
    }
    const double wall = Since(wallStart);
    const double cpu = CpuSeconds() - cpuStart;
    std::printf(
        "whole game: %d user moves, %d pauses, wall %.2f s, CPU %.3f s = %.1f%% of one core, "
        "%.1f ms of wall time a pause\n",
        clicks, form.PauseCount(), wall, cpu, 100 * cpu / wall,
        1000 * wall / std::max(1, form.PauseCount()));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velmora::SystemDayClock now;
    ShiftedClock early(3 * 3600);
    PauseDurations("at the time now", now);
    PauseDurations("at 03:00", early);
    WholeGame(early);
    WholeGame(now);
    return 0;
}
