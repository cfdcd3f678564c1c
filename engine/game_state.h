#pragma once

#include <array>
#include <cstdint>

// The state of the one game in progress. The main window owns a single
// instance for its whole life; New Game resets it in place.
//
// Cells are addressed [column][row], each 1..9 for the 81 playing cells.
// Column and row 0 and 10 form a border ring that is never played and always
// reads as empty, so a walk outward from a cell stops at the edge by itself.

namespace velmora {

constexpr int kBoardCells = 9;
constexpr int kBoardSpan = kBoardCells + 2;  // with the border ring
constexpr int kPlayingCells = kBoardCells * kBoardCells;

struct Position {
    int16_t CentreX = 0;  // centre of the cell on the board picture, twips
    int16_t CentreY = 0;
    int16_t CellState = 0;  // 0 empty, 1 filled; a border position is always 0
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

struct GameState {
    BoardGrid Board{};
    LineRecord LineResult{};
    bool MoveLock = false;   // the local user must wait; board clicks refused
    bool Animating = false;  // a scoring line is being drawn; board clicks refused
    bool ExtraTurn = false;  // the user scored last (or the game is over): Pass refused
    uint8_t MoveCount = 0;   // cells filled by both players in this game
    uint8_t OppX = 0;        // the opponent's next cell; OppX 0 means none chosen
    uint8_t OppY = 0;
    uint8_t LastOppX = 0;  // the opponent's newest (red) cell; LastOppX 0 means none
    uint8_t LastOppY = 0;
    int16_t CellSize = 0;  // side of one cell, twips
};

// Number of playing cells whose CellState is 1.
int FilledCells(const BoardGrid& board);

}  // namespace velmora
