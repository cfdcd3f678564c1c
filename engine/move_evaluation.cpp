// SPDX-License-Identifier: GPL-3.0-or-later
#include "move_evaluation.h"

namespace velmora {

namespace {

// Filled cells next to (column, row) going by (dx, dy), up to the first
// empty position; the border ring is always empty and ends every walk.
int filledRun(const BoardGrid& board, int column, int row, int dx, int dy) {
    int length = 0;
    for (int c = column + dx, r = row + dy; board[c][r].cellState == 1; c += dx, r += dy) {
        ++length;
    }
    return length;
}

}  // namespace

void evaluateMove(const BoardGrid& board, int column, int row, LineRecord& result) {
    const int left = column - filledRun(board, column, row, -1, 0);
    const int right = column + filledRun(board, column, row, 1, 0);
    const int top = row - filledRun(board, column, row, 0, -1);
    const int bottom = row + filledRun(board, column, row, 0, 1);
    // Both runs count the cell itself; only multiples of three score.
    uint8_t horizontal = uint8_t(right - left + 1);
    uint8_t vertical = uint8_t(bottom - top + 1);
    if (horizontal % 3 != 0) {
        horizontal = 0;
    }
    if (vertical % 3 != 0) {
        vertical = 0;
    }

    if (horizontal > vertical) {
        result.x1 = static_cast<uint8_t>(left);
        result.x2 = static_cast<uint8_t>(right);
        result.y1 = static_cast<uint8_t>(row);
        result.y2 = static_cast<uint8_t>(row);
        result.marks = horizontal;
    } else if (vertical != 0) {
        result.x1 = static_cast<uint8_t>(column);
        result.x2 = static_cast<uint8_t>(column);
        result.y1 = static_cast<uint8_t>(top);
        result.y2 = static_cast<uint8_t>(bottom);
        result.marks = vertical;
    } else {
        result.marks = 0;
    }
}

bool anyScoringMove(const BoardGrid& board, LineRecord& result) {
    for (int column = 1; column <= kBoardCells; ++column) {
        for (int row = 1; row <= kBoardCells; ++row) {
            if (board[column][row].cellState == 0) {
                evaluateMove(board, column, row, result);
                if (result.marks != 0) {
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace velmora
