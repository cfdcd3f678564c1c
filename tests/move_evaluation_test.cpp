#include "move_evaluation.h"

#include <gtest/gtest.h>

#include "board_text.h"

using velmora::anyScoringMove;
using velmora::evaluateMove;
using velmora::LineRecord;

namespace {

void ExpectLine(const LineRecord& r, int x1, int x2, int y1, int y2, int marks) {
    EXPECT_EQ(r.x1, x1);
    EXPECT_EQ(r.x2, x2);
    EXPECT_EQ(r.y1, y1);
    EXPECT_EQ(r.y2, y2);
    EXPECT_EQ(r.marks, marks);
}

TEST(evaluateMove, EmptyBoardScoresNowhere) {
    const auto board = BoardFromRows({});
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            LineRecord result{7, 7, 7, 7, 7};
            evaluateMove(board, c, r, result);
            ExpectLine(result, 7, 7, 7, 7, 0);
        }
    }
}

TEST(evaluateMove, CompletingThreeInARowScoresTheWholeRun) {
    const auto board = BoardFromRows(
        {".........", ".........", ".........", ".........", "xx.......", "........."});
    LineRecord result;
    evaluateMove(board, 3, 5, result);
    ExpectLine(result, 1, 3, 5, 5, 3);
}

TEST(evaluateMove, JoiningTwoRunsCountsEveryCellOfTheJoinedRun) {
    // Two on the left, three on the right of column 3: a run of six.
    const auto board = BoardFromRows({"xx.xxx...", "........."});
    LineRecord result;
    evaluateMove(board, 3, 1, result);
    ExpectLine(result, 1, 6, 1, 1, 6);
}

TEST(evaluateMove, EqualRunsAreCreditedVertically) {
    const auto board = BoardFromRows({"....x....", "....x....", "..xx.....", "........."});
    LineRecord result;
    evaluateMove(board, 5, 3, result);  // row: (3,3),(4,3),(5,3); column: (5,1)..(5,3)
    ExpectLine(result, 5, 5, 1, 3, 3);
}

TEST(evaluateMove, TheLongerScoringRunWinsInEitherDirection) {
    const auto horizontalSix = BoardFromRows({".........", "..x......", "xx.xxx...", "..x......"});
    LineRecord result;
    evaluateMove(horizontalSix, 3, 3, result);
    ExpectLine(result, 1, 6, 3, 3, 6);

    // Vertical six through (4, 4) from row 1 to 6; horizontal three.
    const auto verticalSix = BoardFromRows(
        {"...x.....", "...x.....", "...x.....", "..x.x....", "...x.....", "...x....."});
    evaluateMove(verticalSix, 4, 4, result);
    ExpectLine(result, 4, 4, 1, 6, 6);
}

TEST(evaluateMove, RunsThatAreNotMultiplesOfThreeEarnNothing) {
    // Horizontal four, vertical three: the vertical three scores.
    const auto fourAndThree = BoardFromRows({"..x......", "..x......", "xx.x.....", "........."});
    LineRecord result;
    evaluateMove(fourAndThree, 3, 3, result);
    ExpectLine(result, 3, 3, 1, 3, 3);

    // Horizontal four, vertical one: nothing, and the record keeps its run.
    const auto fourAlone = BoardFromRows({".........", ".........", "xx.x....."});
    evaluateMove(fourAlone, 3, 3, result);
    ExpectLine(result, 3, 3, 1, 3, 0);

    // A run of seven is no multiple of three either.
    const auto seven = BoardFromRows({"xxx.xxx.."});
    evaluateMove(seven, 4, 1, result);
    EXPECT_EQ(result.marks, 0);
}

TEST(evaluateMove, FillingTheLastCellOfARowEarnsNine) {
    const auto board = BoardFromRows({".........", "xxxx.xxxx"});
    LineRecord result;
    evaluateMove(board, 5, 2, result);
    ExpectLine(result, 1, 9, 2, 2, 9);

    // When the column also becomes nine long, the vertical run is credited.
    auto crossing = FullBoard();
    crossing[5][5].cellState = 0;
    evaluateMove(crossing, 5, 5, result);
    ExpectLine(result, 5, 5, 1, 9, 9);
}

TEST(evaluateMove, AFilledCellEvaluatesAsIfEmpty) {
    auto board = BoardFromRows({".xx......", "x........", "x........"});
    LineRecord whileEmpty;
    evaluateMove(board, 1, 1, whileEmpty);
    board[1][1].cellState = 1;
    LineRecord whileFilled;
    evaluateMove(board, 1, 1, whileFilled);
    ExpectLine(whileFilled, whileEmpty.x1, whileEmpty.x2, whileEmpty.y1, whileEmpty.y2,
               whileEmpty.marks);
    EXPECT_EQ(whileFilled.marks, 3);
}

TEST(anyScoringMove, ExaminesColumnByColumnTopToBottom) {
    // Scoring cells at (2, 9) and (3, 1): column 2 comes first.
    const auto board =
        BoardFromRows({"...xx....", ".........", ".........", ".........", ".........", ".........",
                       ".........", ".x.......", "x.x......"});
    LineRecord result;
    EXPECT_TRUE(anyScoringMove(board, result));
    ExpectLine(result, 1, 3, 9, 9, 3);
}

TEST(anyScoringMove, NoScoringCellLeavesMarksZero) {
    const auto board = BoardFromRows({"x..x..x..", "........."});
    LineRecord result{1, 2, 3, 4, 5};
    EXPECT_FALSE(anyScoringMove(board, result));
    ExpectLine(result, 1, 2, 3, 4, 0);
}

TEST(anyScoringMove, FullBoardEvaluatesNothing) {
    LineRecord result{1, 2, 3, 4, 9};
    EXPECT_FALSE(anyScoringMove(FullBoard(), result));
    ExpectLine(result, 1, 2, 3, 4, 9);
}

}  // namespace
