// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

class BoardPicture;

// The board as a screen reader finds it: a table of 9 rows and 9 columns
// whose cells are named by column, row and owner ("column 3, row 5, yours")
// and play like a click when pressed; the focus cell is the accessible focus.

// Makes Qt build the board's table for every BoardPicture; once is enough.
void installBoardAccessibility();
// The board's focus cell has become the accessible focus.
void tellFocusCell(BoardPicture* board);
// The mark in cell (column, row) has been drawn: its name changed.
void tellCellChanged(BoardPicture* board, int column, int row);

}  // namespace velmora
