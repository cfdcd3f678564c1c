#pragma once

#include "game_state.h"
#include "random_source.h"

namespace velmora {

// Where the computer's scans start, drawn afresh for every search.
struct SearchStart {
    uint8_t StartColumn = 1;  // 1..9
    uint8_t StartRow = 1;     // 1..9
};

// Reseeds `random` from the time of day and draws StartColumn, then StartRow.
SearchStart DrawSearchStart(RandomSource& random);

// The computer's choice of cell: the first scoring cell of scans 1-2, else
// the first safe cell (after which the user has no scoring move) of scans
// 3-5, else the first empty cell of scans 6-8. The cell goes to OppX/OppY;
// OppX stays 0 when the board is full. LineResult is overwritten along the
// way, and the board is touched only for the moment of each safe test.
void SearchComputerCell(GameState& state, const SearchStart& start);

// DrawSearchStart followed by SearchComputerCell.
SearchStart SearchComputerCell(GameState& state, RandomSource& random);

}  // namespace velmora
