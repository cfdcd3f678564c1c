// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "board.h"

// The filled cells as nine row masks and nine column masks (bit x of row y is
// the cell at column x + 1, row y + 1), with one hash per symmetry of the
// square kept up to date, so the searches can play and take back a move in a
// few instructions and find a position in their tables whichever way round
// it was reached.

namespace velmora {

constexpr uint16_t kFullLine = 0x1ff;

// Index of a cell for the tables: x * 9 + y, x the column and y the row, 0..8.
constexpr int cellIndex(int x, int y) {
    return x * kBoardCells + y;
}

// Tables of one line of nine cells, shared by every board.
struct LineTables {
    // Length of the run through position p of a line once p is filled.
    uint8_t run[512][kBoardCells];
    // Empty positions of a line whose filling makes a run of a multiple of 3.
    uint16_t scoring[512];
    // Cell images under the eight symmetries, and their inverses.
    uint8_t image[8][kPlayingCells];
    uint8_t preimage[8][kPlayingCells];
    uint64_t zobrist[kPlayingCells];
    LineTables();
};
extern const LineTables kLineTables;

class BitBoard {
public:
    static constexpr int kSymmetries = 8;

    BitBoard();
    explicit BitBoard(const BoardGrid& board);

    bool filled(int x, int y) const { return (rows_[y] >> x) & 1; }
    int emptyCells() const { return empty_; }
    uint16_t row(int y) const { return rows_[y]; }
    uint16_t column(int x) const { return columns_[x]; }

    void fill(int x, int y) { toggle(x, y), --empty_; }
    void clear(int x, int y) { toggle(x, y), ++empty_; }

    // Marks a move on the empty cell (x, y) earns: 0, 3, 6 or 9.
    int gain(int x, int y) const {
        const int across = kLineTables.run[rows_[y]][x];
        const int down = kLineTables.run[columns_[x]][y];
        const int h = across % 3 == 0 ? across : 0;
        const int v = down % 3 == 0 ? down : 0;
        return h > v ? h : v;
    }
    // Empty cells of row y (bit x) that score horizontally; of column x (bit y)
    // that score vertically. A cell scores when it is in either.
    uint16_t rowScoring(int y) const { return kLineTables.scoring[rows_[y]]; }
    uint16_t columnScoring(int x) const { return kLineTables.scoring[columns_[x]]; }
    bool anyScoring() const;
    // With no cell scoring now: filling (x, y) leaves no cell scoring. Only
    // row y and column x change, and a cell's score depends only on its own
    // row and column.
    bool staysQuiet(int x, int y) const {
        return kLineTables.scoring[rows_[y] | (1 << x)] == 0 &&
               kLineTables.scoring[columns_[x] | (1 << y)] == 0;
    }

    // The same key for all eight images of the position under the symmetries
    // of the square; `symmetry` tells which image gave it, for mapping cells.
    uint64_t key(int& symmetry) const;
    // The cell that `cell` of this position is in the image `symmetry`, and back.
    static int toImage(int symmetry, int cell) { return kLineTables.image[symmetry][cell]; }
    static int fromImage(int symmetry, int cell) { return kLineTables.preimage[symmetry][cell]; }

private:
    void toggle(int x, int y) {
        rows_[y] ^= uint16_t(1 << x);
        columns_[x] ^= uint16_t(1 << y);
        const int cell = cellIndex(x, y);
        for (int s = 0; s < kSymmetries; ++s) {
            hashes_[s] ^= kLineTables.zobrist[kLineTables.image[s][cell]];
        }
    }

    uint16_t rows_[kBoardCells];
    uint16_t columns_[kBoardCells];
    uint64_t hashes_[kSymmetries];
    int empty_;
};

}  // namespace velmora
