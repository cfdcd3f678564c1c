// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board.h"

namespace velmora {

// Fills `result` for a move on (column, row), 1..9 each. The cell counts as
// filled whatever its own cellState, so the same call serves before a move
// (a candidate of the search) and after it (the move just painted).
// A move is credited in one direction only: the longer scoring run, the
// vertical one when both score equally.
void evaluateMove(const BoardGrid& board, int column, int row, LineRecord& result);

// True when some empty playing cell would score if filled now. Cells are
// examined column by column, top to bottom; `result` is left holding the
// evaluation of the last cell examined.
bool anyScoringMove(const BoardGrid& board, LineRecord& result);

}  // namespace velmora
