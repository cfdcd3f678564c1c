// SPDX-License-Identifier: GPL-3.0-or-later
#include "strong_search.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr int kInfinity = 10000;
constexpr std::size_t kTableEntries = std::size_t(1) << 21;  // 16 bytes each
constexpr std::size_t kParityEntries = std::size_t(1) << 18;
constexpr int kChainDepth = 4;

enum Bound : uint8_t { kNone, kExact, kLower, kUpper };

}  // namespace

StrongSearch::StrongSearch() : table_(kTableEntries), parity_(kParityEntries) {}

bool StrongSearch::tick() {
    if ((++nodes_ & 1023) == 0 &&
        (cancel_->load(std::memory_order_relaxed) || (budget_ != 0 && nodes_ > budget_))) {
        aborted_ = true;
    }
    return !aborted_;
}

// The empty cells in a good order for cut-offs: the cell the table remembers,
// then scoring cells, the richest first, then cells that give nothing away in
// their own row and column. Within each group, from `offset` on.
int StrongSearch::moves(const BitBoard& b, Move* list, int offset, int preferred) const {
    int count = 0;
    for (int i = 0; i < kPlayingCells; ++i) {
        const int cell = (i + offset) % kPlayingCells;
        const int x = cell / kBoardCells;
        const int y = cell % kBoardCells;
        if (b.filled(x, y)) {
            continue;
        }
        const int gain = b.gain(x, y);
        int order = gain > 0 ? 100 + gain : (b.staysQuiet(x, y) ? 50 : 0);
        if (cell == preferred) {
            order = 1000;
        }
        Move m{int8_t(cell), int8_t(gain), int16_t(order)};
        int j = count++;
        for (; j > 0 && list[j - 1].order < order; --j) {
            list[j] = list[j - 1];
        }
        list[j] = m;
    }
    return count;
}

// Child value of move m for the mover, searched within (alpha, beta).
int StrongSearch::child(BitBoard& b, const Move& m, int alpha, int beta) {
    const int x = m.cell / kBoardCells;
    const int y = m.cell % kBoardCells;
    b.fill(x, y);
    const int v =
        m.gain > 0 ? m.gain + exact(b, alpha - m.gain, beta - m.gain) : -exact(b, -beta, -alpha);
    b.clear(x, y);
    return v;
}

// Principal variation search: the first move with the whole window, the
// others with an empty one around the best so far, again in full only when
// they beat it.
int StrongSearch::bestOf(BitBoard& b, const Move* list, int count, int alpha, int beta,
                         int& bestCell) {
    int best = -kInfinity;
    bestCell = list[0].cell;
    for (int i = 0; i < count; ++i) {
        int v;
        if (i == 0) {
            v = child(b, list[i], alpha, beta);
        } else {
            v = child(b, list[i], alpha, alpha + 1);
            if (v > alpha && v < beta && !aborted_) {
                v = child(b, list[i], v, beta);
            }
        }
        if (aborted_) {
            return 0;
        }
        if (v > best) {
            best = v;
            bestCell = list[i].cell;
            alpha = std::max(alpha, v);
            if (alpha >= beta) {
                break;
            }
        }
    }
    return best;
}

int StrongSearch::exact(BitBoard& b, int alpha, int beta) {
    if (!tick()) {
        return 0;
    }
    const int empty = b.emptyCells();
    if (empty <= 1) {
        for (int x = 0; x < kBoardCells && empty == 1; ++x) {
            if (b.column(x) != kFullLine) {
                return b.gain(x, __builtin_ctz(~b.column(x) & kFullLine));
            }
        }
        return 0;  // the last cell: its marks, or nothing
    }
    int symmetry = 0;
    const uint64_t key = b.key(symmetry);
    Entry* bucket = &table_[key & (table_.size() - 2)];
    Entry* entry = bucket[0].key == key ? &bucket[0] : &bucket[1];
    int preferred = -1;
    if (entry->key == key && entry->bound != kNone) {
        const int v = entry->value;
        if (entry->bound == kExact) {
            return v;
        }
        if (entry->bound == kLower) {
            alpha = std::max(alpha, v);
        } else {
            beta = std::min(beta, v);
        }
        if (alpha >= beta) {
            return v;
        }
        preferred = BitBoard::fromImage(symmetry, entry->move);
    } else {
        // A new position replaces the one of the pair nearer the end of the game.
        entry = bucket[0].depth <= bucket[1].depth ? &bucket[0] : &bucket[1];
    }
    Move list[kPlayingCells];
    const int count = moves(b, list, 0, preferred);
    const int lowest = alpha;
    int bestCell = 0;
    const int best = bestOf(b, list, count, alpha, beta, bestCell);
    if (aborted_) {
        return 0;
    }
    entry->key = key;
    entry->value = int16_t(best);
    entry->bound = best <= lowest ? kUpper : best >= beta ? kLower : kExact;
    entry->move = uint8_t(BitBoard::toImage(symmetry, bestCell));
    entry->depth = uint8_t(empty);
    return best;
}

int StrongSearch::exactRoot(BitBoard& b, int offset) {
    Move list[kPlayingCells];
    int symmetry = 0;
    const uint64_t key = b.key(symmetry);
    const Entry* bucket = &table_[key & (table_.size() - 2)];
    const Entry* entry = bucket[0].key == key ? &bucket[0] : &bucket[1];
    const int preferred = entry->key == key && entry->bound != kNone
                              ? BitBoard::fromImage(symmetry, entry->move)
                              : -1;
    const int count = moves(b, list, offset, preferred);
    int bestCell = -1;
    bestOf(b, list, count, -kInfinity, kInfinity, bestCell);
    return aborted_ ? -1 : bestCell;
}

// In a position where no cell scores: true when the mover can play so that
// the other side is the first to find no cell that keeps the board quiet.
bool StrongSearch::lastSafe(BitBoard& b) {
    if (!tick()) {
        return false;
    }
    int symmetry = 0;
    const uint64_t key = b.key(symmetry) & ~uint64_t(1);
    uint64_t& slot = parity_[(key >> 1) & (parity_.size() - 1)];
    if (slot != 0 && (slot & ~uint64_t(1)) == key) {
        return slot & 1;
    }
    bool wins = false;
    for (int x = 0; x < kBoardCells && !wins; ++x) {
        for (int y = 0; y < kBoardCells && !wins; ++y) {
            if (!b.filled(x, y) && b.staysQuiet(x, y)) {
                b.fill(x, y);
                wins = !lastSafe(b);
                b.clear(x, y);
                if (aborted_) {
                    return false;
                }
            }
        }
    }
    slot = key | uint64_t(wins);
    return wins;
}

// The most the mover can add by scoring one cell after another, looking
// `depth` captures beyond the first.
int StrongSearch::chain(BitBoard& b, int depth) {
    int best = 0;
    for (int x = 0; x < kBoardCells; ++x) {
        uint16_t column = b.columnScoring(x);
        for (int y = 0; y < kBoardCells; ++y) {
            if (((column >> y) & 1) == 0 && ((b.rowScoring(y) >> x) & 1) == 0) {
                continue;
            }
            const int gain = b.gain(x, y);
            if (depth == 0) {
                best = std::max(best, gain);
                continue;
            }
            b.fill(x, y);
            best = std::max(best, gain + chain(b, depth - 1));
            b.clear(x, y);
        }
    }
    return best;
}

// Before the horizon: score where it pays most, keep the board quiet so that
// the other side is the one left without a quiet cell, and when every cell
// gives something away, give the least.
int StrongSearch::heuristic(BitBoard& b, const Limits& limits, int offset) {
    Move list[kPlayingCells];
    const int count = moves(b, list, offset, -1);
    if (list[0].gain > 0) {
        int best = -1;
        int bestCell = list[0].cell;
        for (int i = 0; i < count && list[i].gain > 0; ++i) {
            const int x = list[i].cell / kBoardCells;
            const int y = list[i].cell % kBoardCells;
            b.fill(x, y);
            const int v = list[i].gain + chain(b, kChainDepth - 1);
            b.clear(x, y);
            if (v > best) {
                best = v;
                bestCell = list[i].cell;
            }
        }
        return bestCell;
    }
    if (list[0].order == 50) {
        budget_ = nodes_ + limits.parityNodes;
        for (int i = 0; i < count && list[i].order == 50; ++i) {
            const int x = list[i].cell / kBoardCells;
            const int y = list[i].cell % kBoardCells;
            b.fill(x, y);
            const bool answered = lastSafe(b);
            b.clear(x, y);
            if (aborted_) {
                break;
            }
            if (!answered) {
                return list[i].cell;
            }
        }
        aborted_ = false;
        return list[0].cell;
    }
    int least = kInfinity;
    int leastCell = list[0].cell;
    for (int i = 0; i < count; ++i) {
        const int x = list[i].cell / kBoardCells;
        const int y = list[i].cell % kBoardCells;
        b.fill(x, y);
        const int given = chain(b, kChainDepth);
        b.clear(x, y);
        if (given < least) {
            least = given;
            leastCell = list[i].cell;
        }
    }
    return leastCell;
}

int StrongSearch::choose(BitBoard& board, const Limits& limits, int offset,
                         const std::atomic<bool>& cancel) {
    cancel_ = &cancel;
    aborted_ = false;
    nodes_ = 0;
    budget_ = 0;
    exactDepth_ = 0;
    const int empty = board.emptyCells();
    if (empty == 0) {
        return -1;
    }
    if (empty <= limits.stretch) {
        budget_ = empty <= limits.horizon ? 0 : limits.stretchNodes;
        const int cell = exactRoot(board, offset);
        if (!aborted_) {
            exactDepth_ = empty;
            return cell;
        }
        if (cancel.load()) {
            return -1;
        }
        aborted_ = false;
    }
    const int cell = heuristic(board, limits, offset);
    return cancel.load() ? -1 : cell;
}

}  // namespace velmora
