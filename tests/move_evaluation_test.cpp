#include "move_evaluation.h"

#include <gtest/gtest.h>

#include "board_text.h"

using velmora::AnyScoringMove;
using velmora::EvaluateMove;
using velmora::LineRecord;

namespace {

void ExpectLine(const LineRecord& r, int x1, int x2, int y1, int y2, int marks) {
    EXPECT_EQ(r.x1, x1);
    EXPECT_EQ(r.x2, x2);
    EXPECT_EQ(r.y1, y1);
    EXPECT_EQ(r.y2, y2);
    EXPECT_EQ(r.marks, marks);
}

TEST(EvaluateMove, EmptyBoardScoresNowhere) {
    const auto board = BoardFromRows({});
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            LineRecord result{7, 7, 7, 7, 7};
            EvaluateMove(board, c, r, result);
            ExpectLine(result, 7, 7, 7, 7, 0);
        }
    }
}

TEST(EvaluateMove, CompletingThreeInARowScoresTheWholeRun) {
    const auto board = BoardFromRows(
        {".........", ".........", ".........", ".........", "xx.......", "........."});
    LineRecord result;
    EvaluateMove(board, 3, 5, result);
    ExpectLine(result, 1, 3, 5, 5, 3);
}

TEST(EvaluateMove, JoiningTwoRunsCountsEveryCellOfTheJoinedRun) {
    // Two on the left, three on the right of column 3: a run of six.
    const auto board = BoardFromRows({"xx.xxx...", "........."});
    LineRecord result;
    EvaluateMove(board, 3, 1, result);
    ExpectLine(result, 1, 6, 1, 1, 6);
}

TEST(EvaluateMove, EqualRunsAreCreditedVertically) {
    const auto board = BoardFromRows({"....x....", "....x....", "..xx.....", "........."});
    LineRecord result;
    EvaluateMove(board, 5, 3, result);  // row: (3,3),(4,3),(5,3); column: (5,1)..(5,3)
    ExpectLine(result, 5, 5, 1, 3, 3);
}

TEST(EvaluateMove, TheLongerScoringRunWinsInEitherDirection) {
    const auto horizontalSix = BoardFromRows({".........", "..x......", "xx.xxx...", "..x......"});
    LineRecord result;
    EvaluateMove(horizontalSix, 3, 3, result);
    ExpectLine(result, 1, 6, 3, 3, 6);

    // Vertical six through (4, 4) from row 1 to 6; horizontal three.
    const auto verticalSix = BoardFromRows(
        {"...x.....", "...x.....", "...x.....", "..x.x....", "...x.....", "...x....."});
    EvaluateMove(verticalSix, 4, 4, result);
    ExpectLine(result, 4, 4, 1, 6, 6);
}

TEST(EvaluateMove, RunsThatAreNotMultiplesOfThreeEarnNothing) {
    // Horizontal four, vertical three: the vertical three scores.
    const auto fourAndThree = BoardFromRows({"..x......", "..x......", "xx.x.....", "........."});
    LineRecord result;
    EvaluateMove(fourAndThree, 3, 3, result);
    ExpectLine(result, 3, 3, 1, 3, 3);

    // Horizontal four, vertical one: nothing, and the record keeps its run.
    const auto fourAlone = BoardFromRows({".........", ".........", "xx.x....."});
    EvaluateMove(fourAlone, 3, 3, result);
    ExpectLine(result, 3, 3, 1, 3, 0);

    // A run of seven is no multiple of three either.
    const auto seven = BoardFromRows({"xxx.xxx.."});
    EvaluateMove(seven, 4, 1, result);
    EXPECT_EQ(result.marks, 0);
}

TEST(EvaluateMove, FillingTheLastCellOfARowEarnsNine) {
    const auto board = BoardFromRows({".........", "xxxx.xxxx"});
    LineRecord result;
    EvaluateMove(board, 5, 2, result);
    ExpectLine(result, 1, 9, 2, 2, 9);

    // When the column also becomes nine long, the vertical run is credited.
    auto crossing = FullBoard();
    crossing[5][5].CellState = 0;
    EvaluateMove(crossing, 5, 5, result);
    ExpectLine(result, 5, 5, 1, 9, 9);
}

TEST(EvaluateMove, AFilledCellEvaluatesAsIfEmpty) {
    auto board = BoardFromRows({".xx......", "x........", "x........"});
    LineRecord whileEmpty;
    EvaluateMove(board, 1, 1, whileEmpty);
    board[1][1].CellState = 1;
    LineRecord whileFilled;
    EvaluateMove(board, 1, 1, whileFilled);
    ExpectLine(whileFilled, whileEmpty.x1, whileEmpty.x2, whileEmpty.y1, whileEmpty.y2,
               whileEmpty.marks);
    EXPECT_EQ(whileFilled.marks, 3);
}

TEST(AnyScoringMove, ExaminesColumnByColumnTopToBottom) {
    // Scoring cells at (2, 9) and (3, 1): column 2 comes first.
    const auto board =
        BoardFromRows({"...xx....", ".........", ".........", ".........", ".........", ".........",
                       ".........", ".x.......", "x.x......"});
    LineRecord result;
    EXPECT_TRUE(AnyScoringMove(board, result));
    ExpectLine(result, 1, 3, 9, 9, 3);
}

TEST(AnyScoringMove, NoScoringCellLeavesMarksZero) {
    const auto board = BoardFromRows({"x..x..x..", "........."});
    LineRecord result{1, 2, 3, 4, 5};
    EXPECT_FALSE(AnyScoringMove(board, result));
    ExpectLine(result, 1, 2, 3, 4, 0);
}

TEST(AnyScoringMove, FullBoardEvaluatesNothing) {
    LineRecord result{1, 2, 3, 4, 9};
    EXPECT_FALSE(AnyScoringMove(FullBoard(), result));
    ExpectLine(result, 1, 2, 3, 4, 9);
}

}  // namespace
