// SPDX-License-Identifier: GPL-3.0-or-later
// The rules and the computer's search, timed on their own.
//   build/bench/engine_bench
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "computer_player.h"
#include "move_evaluation.h"

using namespace velmora;

namespace {

// Deterministic stand-in for the time-seeded source.
class SequenceRandom : public RandomSource {
public:
    explicit SequenceRandom(uint64_t seed) : engine_(seed) {}
    void seedFromTimeOfDay() override {}
    double nextUniform() override {
        return std::uniform_real_distribution<double>(0, 0.999)(engine_);
    }

private:
    std::mt19937_64 engine_;
};

// Fills `count` cells chosen at random.
BoardGrid RandomBoard(int count, uint64_t seed) {
    BoardGrid board{};
    std::mt19937 engine{static_cast<uint32_t>(seed)};
    int filled = 0;
    while (filled < count) {
        const int c = 1 + int(engine() % 9);
        const int r = 1 + int(engine() % 9);
        if (board[c][r].cellState == 0) {
            board[c][r].cellState = 1;
            ++filled;
        }
    }
    return board;
}

// Both sides played by the computer, the mover moving again after a score,
// until all 81 cells are filled. `onSearch` sees the state before each search.
template <typename OnSearch>
void PlayWholeGame(RandomSource& random, OnSearch onSearch) {
    BoardGrid board{};
    LineRecord result;
    while (filledCells(board) < kPlayingCells) {
        onSearch(board);
        const Cell cell = chooseComputerCell(board, drawSearchStart(random));
        board[cell.column][cell.row].cellState = 1;
        evaluateMove(board, cell.column, cell.row, result);
        benchmark::DoNotOptimize(result.marks);
    }
}

void BM_EvaluateMove(benchmark::State& s) {
    const BoardGrid board = RandomBoard(40, 1);
    LineRecord result;
    int cell = 0;
    for (auto _ : s) {
        evaluateMove(board, 1 + cell % 9, 1 + cell / 9 % 9, result);
        benchmark::DoNotOptimize(result);
        ++cell;
    }
}
BENCHMARK(BM_EvaluateMove);

void BM_AnyScoringMove(benchmark::State& s) {
    // No empty cell scores, so every one is examined.
    BoardGrid board{};
    for (int c = 1; c <= 9; c += 3) {
        for (int r = 1; r <= 9; ++r) {
            board[c][r].cellState = 1;
        }
    }
    LineRecord result;
    for (auto _ : s) {
        benchmark::DoNotOptimize(anyScoringMove(board, result));
    }
}
BENCHMARK(BM_AnyScoringMove);

void Search(benchmark::State& s, const BoardGrid& board) {
    BoardGrid searched = board;
    SequenceRandom random(7);
    for (auto _ : s) {
        benchmark::DoNotOptimize(chooseComputerCell(searched, drawSearchStart(random)));
    }
}

void BM_SearchEmptyBoard(benchmark::State& s) {
    Search(s, BoardGrid{});
}
BENCHMARK(BM_SearchEmptyBoard);

void BM_SearchHalfFullBoard(benchmark::State& s) {
    Search(s, RandomBoard(40, 3));
}
BENCHMARK(BM_SearchHalfFullBoard);

void BM_SearchNearlyFullBoard(benchmark::State& s) {
    Search(s, RandomBoard(75, 5));
}
BENCHMARK(BM_SearchNearlyFullBoard);

// No cell scores and none is safe: every safe test runs a full scan.
void BM_SearchWithNoSafeCell(benchmark::State& s) {
    BoardGrid board{};
    const char* rows[] = {"x..x...x.", "...x...x.", ".xxx.xxxx", "xxxx...x.", "xxxx.....",
                          "xxxx.xx.x", "..xxxx.xx", ".xxx.x.xx", "xxxx...x."};
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            board[c][r].cellState = rows[r - 1][c - 1] == 'x' ? 1 : 0;
        }
    }
    Search(s, board);
}
BENCHMARK(BM_SearchWithNoSafeCell);

void BM_WholeComputerGame(benchmark::State& s) {
    SequenceRandom random(11);
    for (auto _ : s) {
        PlayWholeGame(random, [](const BoardGrid&) {});
    }
}
BENCHMARK(BM_WholeComputerGame)->Unit(benchmark::kMicrosecond);

// The costliest single search met in 200 games. Each search is repeated on a
// copy of its position and the fastest run kept, so that a preempted run does
// not pass for a slow search.
void BM_SlowestSearchInGames(benchmark::State& s) {
    double slowest = 0;
    uint64_t position = 0;
    for (auto _ : s) {
        SequenceRandom random(13);
        for (int game = 0; game < 200; ++game) {
            PlayWholeGame(random, [&](const BoardGrid& before) {
                double fastest = 1e30;
                for (int run = 0; run < 5; ++run) {
                    BoardGrid copy = before;
                    SequenceRandom sameStart(position);
                    const auto start = std::chrono::steady_clock::now();
                    benchmark::DoNotOptimize(chooseComputerCell(copy, drawSearchStart(sameStart)));
                    const std::chrono::duration<double, std::micro> took =
                        std::chrono::steady_clock::now() - start;
                    fastest = std::min(fastest, took.count());
                }
                slowest = std::max(slowest, fastest);
                ++position;
            });
        }
    }
    s.counters["slowest_search_us"] = slowest;
}
BENCHMARK(BM_SlowestSearchInGames)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
