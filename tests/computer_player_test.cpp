#include "computer_player.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "board_text.h"
#include "scripted_random.h"

namespace {

using ColumnRow = std::pair<int, int>;

// One search from (startColumn, startRow), drawn as the game draws it.
ColumnRow Search(const velmora::BoardGrid& board, int startColumn, int startRow) {
    velmora::BoardGrid searched = board;
    ScriptedRandom random(
        {ScriptedRandom::uniformFor(startColumn), ScriptedRandom::uniformFor(startRow)});
    const velmora::SearchStart start = velmora::drawSearchStart(random);
    const velmora::Cell cell = velmora::chooseComputerCell(searched, start);
    EXPECT_EQ(ColumnRow(start.startColumn, start.startRow), ColumnRow(startColumn, startRow));
    EXPECT_EQ(random.seeds, 1) << "the source is reseeded at the start of every search";
    EXPECT_EQ(std::memcmp(&searched, &board, sizeof board), 0)
        << "the search must leave the board as it found it";
    return {cell.column, cell.row};
}

TEST(SearchStartDraw, MapsTheUnitIntervalOntoOneToNine) {
    ScriptedRandom random({0.0, 0.999999999999, 0.11111, 0.11112});
    const velmora::SearchStart first = velmora::drawSearchStart(random);
    const velmora::SearchStart second = velmora::drawSearchStart(random);
    EXPECT_EQ(ColumnRow(first.startColumn, first.startRow), ColumnRow(1, 9));
    EXPECT_EQ(ColumnRow(second.startColumn, second.startRow), ColumnRow(1, 2));
}

TEST(chooseComputerCell, ScansOneAndTwoTakeTheFirstScoringCellFoundNotTheBest) {
    // (7, 1) completes a three, (7, 5) a nine.
    const auto board =
        BoardFromRows({"....xx...", ".........", ".........", ".........", "xxxxxx.xx"});
    // Scan 1 walks column 7 from the top: the three comes first.
    EXPECT_EQ(Search(board, 6, 3), ColumnRow(7, 1));
    // From column 8 scan 1 finds nothing; scan 2 walks column 7 from the bottom.
    EXPECT_EQ(Search(board, 8, 3), ColumnRow(7, 5));
    // Only (1, 1) scores, at the far end of scan 2 from (5, 5).
    const auto leftOnly =
        BoardFromRows({".........", "x........", "x........", ".........", "x........"});
    EXPECT_EQ(Search(leftOnly, 5, 5), ColumnRow(1, 1));
}

TEST(chooseComputerCell, ScansThreeToFiveSkipCellsThatLeaveTheUserAScore) {
    // On an empty board the start cell itself is safe.
    EXPECT_EQ(Search(BoardFromRows({}), 4, 6), ColumnRow(4, 6));
    EXPECT_EQ(Search(BoardFromRows({}), 9, 1), ColumnRow(9, 1));
    // With (5, 4) filled, taking (5, 5) or (5, 6) would let the user complete
    // a vertical three; (5, 7) is the first cell of scan 3 that is safe.
    EXPECT_EQ(Search(BoardFromRows({".........", ".........", ".........", "....x...."}), 5, 5),
              ColumnRow(5, 7));
    // Start (9, 9): scan 3 sees only (9, 9), unsafe beside (9, 8); scan 4
    // starts again at row 1 of column 9. (Scan 5 would have taken (9, 5).)
    const auto board = BoardFromRows({".........", ".........", ".........", ".........",
                                      ".........", ".........", ".........", "........x"});
    EXPECT_EQ(Search(board, 9, 9), ColumnRow(9, 1));
}

TEST(chooseComputerCell, ScansSixToEightTakeAnyEmptyCellAndAFullBoardNone) {
    EXPECT_EQ(Search(FullBoard(), 5, 5), ColumnRow(0, 0));
    // No cell scores now, and every empty cell would hand the user a score.
    const auto board =
        BoardFromRows({"x..x...x.", "...x...x.", ".xxx.xxxx", "xxxx...x.", "xxxx.....", "xxxx.xx.x",
                       "..xxxx.xx", ".xxx.x.xx", "xxxx...x."});
    // Scan 6 from (4, 5): column 4 is filled from row 5 down, so (5, 5);
    // scan 7 would have given (5, 1).
    EXPECT_EQ(Search(board, 4, 5), ColumnRow(5, 5));
}

}  // namespace
