// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// The board of one game. Cells are addressed [column][row], each 1..9 for the
// 81 playing cells. Column and row 0 and 10 form a border ring that is never
// played and always reads as empty, so a walk outward from a cell stops at
// the edge by itself.

namespace velmora {

constexpr int kBoardCells = 9;
constexpr int kBoardSpan = kBoardCells + 2;  // with the border ring
constexpr int kPlayingCells = kBoardCells * kBoardCells;

struct Position {
    int16_t cellState = 0;  // 0 empty, 1 filled; a border position is always 0
};

using BoardGrid = std::array<std::array<Position, kBoardSpan>, kBoardSpan>;

// What the last evaluated move scores. When marks is 0 the four coordinates
// keep whatever the previous scoring evaluation left there.
struct LineRecord {
    uint8_t x1 = 0;     // first cell of the run, column
    uint8_t x2 = 0;     // last cell of the run, column
    uint8_t y1 = 0;     // first cell of the run, row
    uint8_t y2 = 0;     // last cell of the run, row
    uint8_t marks = 0;  // 0, 3, 6 or 9
};

// A playing cell; column 0 means none.
struct Cell {
    int column = 0;
    int row = 0;
    friend bool operator==(Cell a, Cell b) { return a.column == b.column && a.row == b.row; }
    friend bool operator!=(Cell a, Cell b) { return !(a == b); }
};

// Column and row both 1..9.
constexpr bool isPlayingCell(int column, int row) {
    return column >= 1 && column <= kBoardCells && row >= 1 && row <= kBoardCells;
}

// Number of playing cells whose cellState is 1.
int filledCells(const BoardGrid& board);

}  // namespace velmora
