// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <memory>

#include "board.h"
#include "random_source.h"

namespace velmora {

// How well the computer plays. Normal is the greedy rule of the original
// game and the default; the others are additions beside it.
enum class Strength { Easy, Normal, Strong, Expert };

class StrongSearch;

// Chooses the computer's cells at any strength. It keeps what its searches
// have learnt (tables of solved positions, 34 MB, made on the first
// Strong or Expert move) from one move and one game to the next, since the
// value of a position depends only on which cells are empty. One search at a
// time per object; a worker thread may own it.
class ComputerPlayer {
public:
    ComputerPlayer();
    ~ComputerPlayer();
    ComputerPlayer(const ComputerPlayer&) = delete;
    ComputerPlayer& operator=(const ComputerPlayer&) = delete;

    // The cell to fill on `board` (cellState 1 filled, 0 empty). Normal is
    // exactly chooseComputerCell(board, drawSearchStart(random)); the other
    // strengths draw from `random` as well, so a replayed sequence replays
    // the game. Column 0 when the board is full or when `cancel` became true
    // during the search, which is checked often enough to end it within a
    // few milliseconds.
    Cell choose(const BoardGrid& board, Strength strength, RandomSource& random,
                const std::atomic<bool>& cancel);

    // The largest number of empty cells the last search solved exactly, 0
    // when it solved nothing.
    int lastExactDepth() const { return lastExactDepth_; }

private:
    std::unique_ptr<StrongSearch> search_;
    int lastExactDepth_ = 0;
};

// A random source whose sequence is fixed by its seed: reseeding from the
// time of day keeps the sequence going, so a tournament or a test replays.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(uint64_t seed) : state_(seed) {}
    void seedFromTimeOfDay() override {}
    double nextUniform() override;

private:
    uint64_t state_;
};

}  // namespace velmora
