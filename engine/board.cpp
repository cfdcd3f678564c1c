// SPDX-License-Identifier: GPL-3.0-or-later
#include "board.h"

namespace velmora {

int filledCells(const BoardGrid& board) {
    int filled = 0;
    for (int column = 1; column <= kBoardCells; ++column) {
        for (int row = 1; row <= kBoardCells; ++row) {
            filled += board[column][row].cellState;
        }
    }
    return filled;
}

}  // namespace velmora
