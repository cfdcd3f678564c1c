#include "move_evaluation.h"

namespace velmora {

namespace {

bool Filled(const BoardGrid& board, int column, int row) {
    return board[column][row].CellState == 1;
}

}  // namespace

void EvaluateMove(const BoardGrid& board, int column, int row, LineRecord& result) {
    uint8_t horizontal = 1;
    uint8_t vertical = 1;

    int k = column - 1;
    while (Filled(board, k, row)) {
        ++horizontal;
        --k;
    }
    const int left = k + 1;
    k = column + 1;
    while (Filled(board, k, row)) {
        ++horizontal;
        ++k;
    }
    const int right = k - 1;

    k = row - 1;
    while (Filled(board, column, k)) {
        ++vertical;
        --k;
    }
    const int top = k + 1;
    k = row + 1;
    while (Filled(board, column, k)) {
        ++vertical;
        ++k;
    }
    const int bottom = k - 1;

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

bool AnyScoringMove(const BoardGrid& board, LineRecord& result) {
    for (int column = 1; column <= kBoardCells; ++column) {
        for (int row = 1; row <= kBoardCells; ++row) {
            if (board[column][row].CellState == 0) {
                EvaluateMove(board, column, row, result);
                if (result.marks != 0) {
                    return true;
                }
            }
        }
    }
    return false;
}

int FilledCells(const BoardGrid& board) {
    int filled = 0;
    for (int column = 1; column <= kBoardCells; ++column) {
        for (int row = 1; row <= kBoardCells; ++row) {
            filled += board[column][row].CellState;
        }
    }
    return filled;
}

}  // namespace velmora
