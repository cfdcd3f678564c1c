#include "board.h"

#include "rounding.h"

namespace velmora {

int cellSizeFor(int width) {
    return int(roundHalfEven(float(width) / 9.0f));
}

void layOutBoard(BoardGrid& board, int cellSize) {
    board = BoardGrid{};
    for (int i = 1; i <= kBoardCells; ++i) {
        for (int j = 1; j <= kBoardCells; ++j) {
            Position& position = board[i][j];
            position.centreX = int16_t(roundHalfEven(i * cellSize - cellSize / 2.0));
            position.centreY = int16_t(roundHalfEven(j * cellSize - cellSize / 2.0));
        }
    }
}

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
