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
    int16_t centreX = 0;  // centre of the cell on the board picture, twips
    int16_t centreY = 0;
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
};

// Side of one cell, in twips, for a board `width` twips wide: a ninth of it,
// halves rounded to the even neighbour.
int cellSizeFor(int width);

// Empties the board and writes the centres of the 81 playing cells for cells
// of `cellSize` twips, halves rounded to even (445 puts them at 222, 668, ...).
void layOutBoard(BoardGrid& board, int cellSize);

// Number of playing cells whose cellState is 1.
int filledCells(const BoardGrid& board);

}  // namespace velmora
