#include "computer_player.h"

#include <cmath>

#include "move_evaluation.h"

namespace velmora {

namespace {

enum class Test { Scoring, Safe, Empty };

bool Passes(GameState& state, Test test, int column, int row) {
    Position& cell = state.Board[column][row];
    if (cell.CellState != 0) {
        return false;
    }
    switch (test) {
        case Test::Scoring:
            EvaluateMove(state.Board, column, row, state.LineResult);
            return state.LineResult.marks != 0;
        case Test::Safe: {
            cell.CellState = 1;
            const bool userCouldScore = AnyScoringMove(state.Board, state.LineResult);
            cell.CellState = 0;
            return !userCouldScore;
        }
        case Test::Empty:
            return true;
    }
    return false;
}

bool Take(GameState& state, int column, int row) {
    state.OppX = static_cast<uint8_t>(column);
    state.OppY = static_cast<uint8_t>(row);
    return true;
}

// Columns from `start` up to 9, rows firstRow..lastRow in each.
bool ScanRight(GameState& state, Test test, int start, int firstRow, int lastRow) {
    for (int column = start; column <= kBoardCells; ++column) {
        for (int row = firstRow; row <= lastRow; ++row) {
            if (Passes(state, test, column, row)) {
                return Take(state, column, row);
            }
        }
    }
    return false;
}

// Columns from `start` down to 1, rows 9 down to 1 in each.
bool ScanLeft(GameState& state, Test test, int start) {
    for (int column = start; column >= 1; --column) {
        for (int row = kBoardCells; row >= 1; --row) {
            if (Passes(state, test, column, row)) {
                return Take(state, column, row);
            }
        }
    }
    return false;
}

uint8_t DrawOneToNine(RandomSource& random) {
    return static_cast<uint8_t>(std::floor(random.NextUniform() * 9 + 1));
}

}  // namespace

SearchStart DrawSearchStart(RandomSource& random) {
    random.SeedFromTimeOfDay();
    SearchStart start;
    start.StartColumn = DrawOneToNine(random);
    start.StartRow = DrawOneToNine(random);
    return start;
}

void SearchComputerCell(GameState& state, const SearchStart& start) {
    const int column = start.StartColumn;
    const int row = start.StartRow;
    state.OppX = 0;
    const bool found =
        ScanRight(state, Test::Scoring, column, 1, kBoardCells) ||
        ScanLeft(state, Test::Scoring, column) ||
        ScanRight(state, Test::Safe, column, row, kBoardCells) ||
        ScanRight(state, Test::Safe, column, 1, row) || ScanLeft(state, Test::Safe, column) ||
        ScanRight(state, Test::Empty, column, row, kBoardCells) ||
        ScanRight(state, Test::Empty, column, 1, row) || ScanLeft(state, Test::Empty, column);
    if (!found) {
        state.OppX = 0;  // the board is full: nothing to play
    }
}

SearchStart SearchComputerCell(GameState& state, RandomSource& random) {
    state.OppX = 0;
    const SearchStart start = DrawSearchStart(random);
    SearchComputerCell(state, start);
    return start;
}

}  // namespace velmora
