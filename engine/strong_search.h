// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "bit_board.h"

namespace velmora {

// The searches behind Strong and Expert. Values are the mover's marks minus
// the other side's from here to the end of the game; a move that scores is
// followed by another move of the same side.
class StrongSearch {
public:
    struct Limits {
        int horizon;        // at or under this many empty cells, solve exactly
        int stretch;        // up to here, solve exactly if it fits the budget
        long stretchNodes;  // that budget
        long parityNodes;   // budget of the fight for the last safe cell
    };

    StrongSearch();

    // Cell index (x * 9 + y) to fill, -1 when cancelled or the board is full.
    // `offset` (0..80) rotates the order in which equal cells are preferred.
    int choose(BitBoard& board, const Limits& limits, int offset, const std::atomic<bool>& cancel);

    // Empty cells of the position solved exactly by the last choose, or 0.
    int exactDepth() const { return exactDepth_; }
    long nodes() const { return nodes_; }

private:
    struct Entry {
        uint64_t key = 0;
        int16_t value = 0;
        uint8_t bound = 0;
        uint8_t move = 0;
        uint8_t depth = 0;  // empty cells
    };
    struct Move {
        int8_t cell;
        int8_t gain;
        int16_t order;
    };

    bool tick();
    int exact(BitBoard& b, int alpha, int beta);
    int child(BitBoard& b, const Move& m, int alpha, int beta);
    int bestOf(BitBoard& b, const Move* list, int count, int alpha, int beta, int& bestCell);
    int exactRoot(BitBoard& b, int offset);
    bool lastSafe(BitBoard& b);
    int chain(BitBoard& b, int depth);
    int heuristic(BitBoard& b, const Limits& limits, int offset);
    int moves(const BitBoard& b, Move* list, int offset, int preferred) const;

    std::vector<Entry> table_;
    std::vector<uint64_t> parity_;
    const std::atomic<bool>* cancel_ = nullptr;
    long nodes_ = 0;
    long budget_ = 0;
    bool aborted_ = false;
    int exactDepth_ = 0;
};

}  // namespace velmora
