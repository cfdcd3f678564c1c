#pragma once

#include <string_view>

#include "board.h"

// Builds a board from up to nine rows of nine characters, top row first, each
// row ended by '/': '.' an empty cell, 'x' a filled one.
inline velmora::BoardGrid BoardFromRows(std::string_view rows) {
    velmora::BoardGrid board{};
    for (int row = 1; !rows.empty(); ++row, rows.remove_prefix(velmora::kBoardCells + 1)) {
        for (int column = 1; column <= velmora::kBoardCells; ++column) {
            board[column][row].cellState = rows.at(std::size_t(column - 1)) == 'x' ? 1 : 0;
        }
    }
    return board;
}

constexpr std::string_view kFullBoard =
    "xxxxxxxxx/xxxxxxxxx/xxxxxxxxx/xxxxxxxxx/xxxxxxxxx/xxxxxxxxx/xxxxxxxxx/xxxxxxxxx/xxxxxxxxx/";
