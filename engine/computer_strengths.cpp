// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer_strengths.h"

#include <vector>

#include "bit_board.h"
#include "computer_player.h"
#include "strong_search.h"

namespace velmora {

namespace {

// Expert solves the last 30 cells always and up to 38 when about a million
// positions (some 0.3 s) settle it; Strong the last 14, up to 18, for a
// hundredth of the time. Measured in bench/strength_tournament.
constexpr StrongSearch::Limits kExpert{30, 38, 1000000, 50000};
constexpr StrongSearch::Limits kStrong{14, 18, 100000, 5000};

int drawBelow(RandomSource& random, int n) {
    const int k = int(random.nextUniform() * n);
    return k < n ? k : n - 1;
}

// Scores only now and then and otherwise fills a cell at random, quiet or not,
// so it hands runs to the other side about as often as a beginner does.
Cell chooseEasy(const BoardGrid& board, RandomSource& random) {
    const BitBoard b(board);
    std::vector<Cell> scoring;
    std::vector<Cell> quiet;
    std::vector<Cell> empty;
    const bool calm = !b.anyScoring();
    for (int x = 0; x < kBoardCells; ++x) {
        for (int y = 0; y < kBoardCells; ++y) {
            if (b.filled(x, y)) {
                continue;
            }
            const Cell cell{x + 1, y + 1};
            empty.push_back(cell);
            if (b.gain(x, y) > 0) {
                scoring.push_back(cell);
            } else if (calm && b.staysQuiet(x, y)) {
                quiet.push_back(cell);
            }
        }
    }
    if (empty.empty()) {
        return {};
    }
    const double u = random.nextUniform();
    if (!scoring.empty() && u < 0.6) {
        return scoring[std::size_t(drawBelow(random, int(scoring.size())))];
    }
    if (!quiet.empty() && u >= 0.6 && u < 0.8) {
        return quiet[std::size_t(drawBelow(random, int(quiet.size())))];
    }
    return empty[std::size_t(drawBelow(random, int(empty.size())))];
}

}  // namespace

ComputerPlayer::ComputerPlayer() = default;
ComputerPlayer::~ComputerPlayer() = default;

Cell ComputerPlayer::choose(const BoardGrid& board, Strength strength, RandomSource& random,
                            const std::atomic<bool>& cancel) {
    lastExactDepth_ = 0;
    switch (strength) {
        case Strength::Easy:
            return cancel.load() ? Cell{} : chooseEasy(board, random);
        case Strength::Normal: {
            BoardGrid scratch = board;
            const Cell cell = chooseComputerCell(scratch, drawSearchStart(random));
            return cancel.load() ? Cell{} : cell;
        }
        case Strength::Strong:
        case Strength::Expert:
            break;
    }
    if (!search_) {
        search_ = std::make_unique<StrongSearch>();
    }
    BitBoard b(board);
    const int offset = drawBelow(random, kPlayingCells);
    const int cell =
        search_->choose(b, strength == Strength::Expert ? kExpert : kStrong, offset, cancel);
    lastExactDepth_ = search_->exactDepth();
    if (cell < 0) {
        return {};
    }
    return {cell / kBoardCells + 1, cell % kBoardCells + 1};
}

double SeededRandom::nextUniform() {
    // splitmix64, 53 bits scaled into [0, 1).
    uint64_t v = (state_ += 0x9e3779b97f4a7c15ull);
    v = (v ^ (v >> 30)) * 0xbf58476d1ce4e5b9ull;
    v = (v ^ (v >> 27)) * 0x94d049bb133111ebull;
    v ^= v >> 31;
    return double(v >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace velmora
