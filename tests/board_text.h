#pragma once

#include <initializer_list>
#include <string>

#include "board.h"

// Builds a board from nine rows of nine characters, top row first:
// '.' an empty cell, 'x' a filled one.
inline velmora::BoardGrid BoardFromRows(std::initializer_list<std::string> rows) {
    velmora::BoardGrid board{};
    int row = 1;
    for (const std::string& text : rows) {
        for (int column = 1; column <= velmora::kBoardCells; ++column) {
            board[column][row].cellState = text.at(column - 1) == 'x' ? 1 : 0;
        }
        ++row;
    }
    return board;
}

inline velmora::BoardGrid FullBoard() {
    velmora::BoardGrid board{};
    for (int column = 1; column <= velmora::kBoardCells; ++column) {
        for (int row = 1; row <= velmora::kBoardCells; ++row) {
            board[column][row].cellState = 1;
        }
    }
    return board;
}
