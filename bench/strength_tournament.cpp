// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's strengths against each other, every game played to the end
// by the engine alone, seeded and with the first move alternating.
//   build/bench/strength_tournament [--games 1000] [--ladder 200] [--seed 1] [--only N]
// --games counts the games of Strong and Expert against Normal, --ladder the
// games of Easy against Normal and of Expert against Strong; --only runs the
// Nth pairing of that list (1-4) alone, so its resident memory shows alone.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "computer_strengths.h"
#include "move_evaluation.h"

using namespace velmora;

namespace {

const char* name(Strength s) {
    switch (s) {
        case Strength::Easy:
            return "Easy";
        case Strength::Normal:
            return "Normal";
        case Strength::Strong:
            return "Strong";
        case Strength::Expert:
            return "Expert";
    }
    return "?";
}

struct Timings {
    std::vector<double> ms;
    int deepestExact = 0;
};

std::map<Strength, Timings> timings;

// Margin of side 0 over side 1 after a whole game in which `first` moves first.
int playGame(Strength sides[2], ComputerPlayer players[2], RandomSource* randoms[2], int first) {
    static const std::atomic<bool> never{false};
    BoardGrid board{};
    int marks[2] = {0, 0};
    int mover = first;
    for (int filled = 0; filled < kPlayingCells; ++filled) {
        const auto start = std::chrono::steady_clock::now();
        const Cell cell = players[mover].choose(board, sides[mover], *randoms[mover], never);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        Timings& t = timings[sides[mover]];
        t.ms.push_back(ms);
        t.deepestExact = std::max(t.deepestExact, players[mover].lastExactDepth());
        if (cell.column == 0 || board[cell.column][cell.row].cellState != 0) {
            std::fprintf(stderr, "%s chose no empty cell\n", name(sides[mover]));
            std::exit(1);
        }
        board[cell.column][cell.row].cellState = 1;
        LineRecord record;
        evaluateMove(board, cell.column, cell.row, record);
        if (record.marks != 0) {
            marks[mover] += record.marks;
        } else {
            mover = 1 - mover;
        }
    }
    return marks[0] - marks[1];
}

void pairing(Strength a, Strength b, int games, uint64_t seed) {
    Strength sides[2] = {a, b};
    ComputerPlayer players[2];
    int wins = 0;
    int losses = 0;
    int level = 0;
    long margin = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int g = 0; g < games; ++g) {
        SeededRandom ra(seed * 1000003 + uint64_t(g) * 2);
        SeededRandom rb(seed * 1000003 + uint64_t(g) * 2 + 1);
        RandomSource* randoms[2] = {&ra, &rb};
        const int m = playGame(sides, players, randoms, g % 2);
        margin += m;
        (m > 0 ? wins : m < 0 ? losses : level)++;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "%-6s vs %-6s: %4d games, won %4d (%.1f%%), lost %4d, level %3d, mean margin %+.1f"
        "  [%.0f s, peak RSS so far %ld MB]\n",
        name(a), name(b), games, wins, 100.0 * wins / games, losses, level, double(margin) / games,
        seconds, usage.ru_maxrss / 1024);
    std::fflush(stdout);
}

double percentile(std::vector<double>& v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p * double(v.size())))];
}

}  // namespace

int main(int argc, char** argv) {
    int games = 1000;
    int ladder = 200;
    int only = 0;
    uint64_t seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--games")) {
            games = std::atoi(argv[i + 1]);
        } else if (!std::strcmp(argv[i], "--ladder")) {
            ladder = std::atoi(argv[i + 1]);
        } else if (!std::strcmp(argv[i], "--seed")) {
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        } else if (!std::strcmp(argv[i], "--only")) {
            only = std::atoi(argv[i + 1]);
        }
    }
    struct Pairing {
        Strength a, b;
        int games;
    } pairings[] = {{Strength::Easy, Strength::Normal, ladder},
                    {Strength::Expert, Strength::Normal, games},
                    {Strength::Strong, Strength::Normal, games},
                    {Strength::Expert, Strength::Strong, ladder}};
    std::printf("seed %llu\n", static_cast<unsigned long long>(seed));
    for (int i = 0; i < 4; ++i) {
        if (only == 0 || only == i + 1) {
            pairing(pairings[i].a, pairings[i].b, pairings[i].games, seed);
        }
    }
    std::printf("time per move (ms):   median      p99    worst   moves  deepest exact\n");
    for (auto& [strength, t] : timings) {
        std::vector<double>& v = t.ms;
        const double median = percentile(v, 0.5);
        const double p99 = percentile(v, 0.99);
        std::printf("  %-6s          %9.3f %8.2f %8.1f %7zu  %d empty cells\n", name(strength),
                    median, p99, v.back(), v.size(), t.deepestExact);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak RSS %ld MB\n", usage.ru_maxrss / 1024);
    return 0;
}
