#include "computer_player.h"

#include <gtest/gtest.h>

#include <vector>

#include "board_text.h"
#include "scripted_random.h"

using velmora::chooseComputerCell;
using velmora::SearchStart;

namespace {

struct Chosen {
    int column;
    int row;
};

Chosen Search(const velmora::BoardGrid& board, int startColumn, int startRow) {
    velmora::BoardGrid searched = board;
    ScriptedRandom random(
        {ScriptedRandom::uniformFor(startColumn), ScriptedRandom::uniformFor(startRow)});
    const SearchStart start = velmora::drawSearchStart(random);
    const velmora::Cell cell = chooseComputerCell(searched, start);
    EXPECT_EQ(start.startColumn, startColumn);
    EXPECT_EQ(start.startRow, startRow);
    EXPECT_EQ(random.seeds, 1) << "the source is reseeded at the start of every search";
    for (int c = 0; c < velmora::kBoardSpan; ++c) {
        for (int r = 0; r < velmora::kBoardSpan; ++r) {
            EXPECT_EQ(searched[c][r].cellState, board[c][r].cellState)
                << "the search must leave the board as it found it at " << c << "," << r;
        }
    }
    return {cell.column, cell.row};
}

void ExpectCell(Chosen chosen, int column, int row) {
    EXPECT_EQ(chosen.column, column);
    EXPECT_EQ(chosen.row, row);
}

TEST(SearchStartDraw, MapsTheUnitIntervalOntoOneToNine) {
    ScriptedRandom random({0.0, 0.999999999999, 0.11111, 0.11112});
    SearchStart start = velmora::drawSearchStart(random);
    EXPECT_EQ(start.startColumn, 1);
    EXPECT_EQ(start.startRow, 9);
    start = velmora::drawSearchStart(random);
    EXPECT_EQ(start.startColumn, 1);
    EXPECT_EQ(start.startRow, 2);
    EXPECT_EQ(random.seeds, 2);
}

TEST(chooseComputerCell, EmptyBoardTakesTheStartCell) {
    ExpectCell(Search(BoardFromRows({}), 4, 6), 4, 6);
    ExpectCell(Search(BoardFromRows({}), 9, 1), 9, 1);
}

TEST(chooseComputerCell, TakesTheFirstScoringCellFoundNotTheBest) {
    // (7, 1) completes a three, (7, 5) a nine.
    const auto board =
        BoardFromRows({"....xx...", ".........", ".........", ".........", "xxxxxx.xx"});
    // Scan 1 walks column 7 from the top: the three comes first.
    ExpectCell(Search(board, 6, 3), 7, 1);
    // From column 8 scan 1 finds nothing; scan 2 walks column 7 from the bottom.
    ExpectCell(Search(board, 8, 3), 7, 5);
}

TEST(chooseComputerCell, ScanTwoWalksLeftFromTheBottomRow) {
    // Scoring cells only left of the start column, at (2, 1), (2, 5) and
    // (2, 8); scan 2 reaches column 2 from row 9 upwards.
    const auto board =
        BoardFromRows({"x.x......", ".........", ".........", ".........", ".........", ".x.......",
                       ".x.......", ".........", "........."});
    ExpectCell(Search(board, 5, 5), 2, 8);
}

TEST(chooseComputerCell, SkipsCellsThatLeaveTheUserAScore) {
    // With (5, 4) filled, taking (5, 5) or (5, 6) would let the user complete
    // a vertical three; (5, 7) is the first cell of scan 3 that is safe.
    const auto board = BoardFromRows({".........", ".........", ".........", "....x...."});
    ExpectCell(Search(board, 5, 5), 5, 7);
}

TEST(chooseComputerCell, ScanFourTriesTheRowsAboveTheStartRow) {
    // Start (9, 9): scan 3 sees only (9, 9), unsafe beside (9, 8); scan 4
    // starts again at row 1 of column 9. (Scan 5 would have taken (9, 5).)
    const auto board = BoardFromRows({".........", ".........", ".........", ".........",
                                      ".........", ".........", ".........", "........x"});
    ExpectCell(Search(board, 9, 9), 9, 1);
}

TEST(chooseComputerCell, TakesTheFirstEmptyCellWhenNoCellIsSafe) {
    // No cell scores now, and every empty cell would hand the user a score.
    const auto board =
        BoardFromRows({"x..x...x.", "...x...x.", ".xxx.xxxx", "xxxx...x.", "xxxx.....", "xxxx.xx.x",
                       "..xxxx.xx", ".xxx.x.xx", "xxxx...x."});
    // Scan 6 from (4, 5): column 4 is filled from row 5 down, so (5, 5);
    // scan 7 would have given (5, 1).
    ExpectCell(Search(board, 4, 5), 5, 5);
}

TEST(chooseComputerCell, FullBoardChoosesNothing) {
    EXPECT_EQ(Search(FullBoard(), 5, 5).column, 0);
}

}  // namespace
