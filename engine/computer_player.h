// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board.h"
#include "random_source.h"

namespace velmora {

// Where the computer's scans start, drawn afresh for every search.
struct SearchStart {
    int startColumn = 1;  // 1..9
    int startRow = 1;     // 1..9
};

// Reseeds `random` from the time of day and draws startColumn, then startRow.
SearchStart drawSearchStart(RandomSource& random);

// The computer's choice of cell: the first scoring cell of scans 1-2, else
// the first safe cell (after which the user has no scoring move) of scans
// 3-5, else the first empty cell of scans 6-8. Column 0 when the board is
// full. The board is touched only for the moment of each safe test and is
// left as it was found.
Cell chooseComputerCell(BoardGrid& board, const SearchStart& start);

}  // namespace velmora
