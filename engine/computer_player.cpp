// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer_player.h"

#include <cmath>

#include "move_evaluation.h"

namespace velmora {

namespace {

enum class Test { Scoring, Safe, Empty };

bool passes(BoardGrid& board, Test test, int column, int row) {
    Position& cell = board[column][row];
    if (cell.cellState != 0) {
        return false;
    }
    LineRecord result;
    switch (test) {
        case Test::Scoring:
            evaluateMove(board, column, row, result);
            return result.marks != 0;
        case Test::Safe: {
            cell.cellState = 1;
            const bool userCouldScore = anyScoringMove(board, result);
            cell.cellState = 0;
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

Cell runScan(BoardGrid& board, const Scan& scan, int startColumn) {
    const int columnStep = scan.rightwards ? 1 : -1;
    const int lastColumn = scan.rightwards ? kBoardCells : 1;
    const int rowStep = scan.firstRow <= scan.lastRow ? 1 : -1;
    for (int column = startColumn; column != lastColumn + columnStep; column += columnStep) {
        for (int row = scan.firstRow; row != scan.lastRow + rowStep; row += rowStep) {
            if (passes(board, scan.test, column, row)) {
                return {column, row};
            }
        }
    }
    return {};
}

int drawOneToNine(RandomSource& random) {
    return int(std::floor(random.nextUniform() * 9 + 1));
}

}  // namespace

SearchStart drawSearchStart(RandomSource& random) {
    random.seedFromTimeOfDay();
    SearchStart start;
    start.startColumn = drawOneToNine(random);
    start.startRow = drawOneToNine(random);
    return start;
}

Cell chooseComputerCell(BoardGrid& board, const SearchStart& start) {
    const int row = start.startRow;
    const Scan scans[] = {
        {Test::Scoring, true, 1, kBoardCells}, {Test::Scoring, false, kBoardCells, 1},
        {Test::Safe, true, row, kBoardCells},  {Test::Safe, true, 1, row},
        {Test::Safe, false, kBoardCells, 1},   {Test::Empty, true, row, kBoardCells},
        {Test::Empty, true, 1, row},           {Test::Empty, false, kBoardCells, 1},
    };
    for (const Scan& scan : scans) {
        const Cell cell = runScan(board, scan, start.startColumn);
        if (cell.column != 0) {
            return cell;
        }
    }
    return {};  // a full board
}

}  // namespace velmora
