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

// One scan: columns from the start column rightwards (to 9) or leftwards (to
// 1), and within each column the rows from firstRow to lastRow, either way.
struct Scan {
    Test test;
    bool rightwards;
    int firstRow;
    int lastRow;
};

bool RunScan(GameState& state, const Scan& scan, int startColumn) {
    const int columnStep = scan.rightwards ? 1 : -1;
    const int lastColumn = scan.rightwards ? kBoardCells : 1;
    const int rowStep = scan.firstRow <= scan.lastRow ? 1 : -1;
    for (int column = startColumn; column != lastColumn + columnStep; column += columnStep) {
        for (int row = scan.firstRow; row != scan.lastRow + rowStep; row += rowStep) {
            if (Passes(state, scan.test, column, row)) {
                state.OppX = static_cast<uint8_t>(column);
                state.OppY = static_cast<uint8_t>(row);
                return true;
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
    const int row = start.StartRow;
    const Scan scans[] = {
        {Test::Scoring, true, 1, kBoardCells}, {Test::Scoring, false, kBoardCells, 1},
        {Test::Safe, true, row, kBoardCells},  {Test::Safe, true, 1, row},
        {Test::Safe, false, kBoardCells, 1},   {Test::Empty, true, row, kBoardCells},
        {Test::Empty, true, 1, row},           {Test::Empty, false, kBoardCells, 1},
    };
    state.OppX = 0;  // stays 0 when no scan finds a cell: the board is full
    for (const Scan& scan : scans) {
        if (RunScan(state, scan, start.StartColumn)) {
            return;
        }
    }
}

SearchStart SearchComputerCell(GameState& state, RandomSource& random) {
    const SearchStart start = DrawSearchStart(random);
    SearchComputerCell(state, start);
    return start;
}

}  // namespace velmora
