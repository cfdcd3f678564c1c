#include "move_evaluation.h"

#include <gtest/gtest.h>

#include <string>

#include "board_text.h"

using velmora::LineRecord;

namespace {

// "x1-x2,y1-y2:marks", so that one comparison shows the whole record.
std::string Text(const LineRecord& r) {
    return std::to_string(r.x1) + "-" + std::to_string(r.x2) + "," + std::to_string(r.y1) + "-" +
           std::to_string(r.y2) + ":" + std::to_string(r.marks);
}

std::string Evaluate(const velmora::BoardGrid& board, int column, int row,
                     LineRecord result = {7, 7, 7, 7, 7}) {
    velmora::evaluateMove(board, column, row, result);
    return Text(result);
}

TEST(evaluateMove, EmptyBoardScoresNowhereAndKeepsTheCoordinates) {
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            EXPECT_EQ(Evaluate(BoardFromRows({}), c, r), "7-7,7-7:0") << c << "," << r;
        }
    }
}

TEST(evaluateMove, OnlyRunsOfAMultipleOfThreeScore) {
    EXPECT_EQ(Evaluate(BoardFromRows({".........", "xx......."}), 3, 2), "1-3,2-2:3");
    // Two on the left, three on the right of column 3: a run of six.
    EXPECT_EQ(Evaluate(BoardFromRows({"xx.xxx..."}), 3, 1), "1-6,1-1:6");
    EXPECT_EQ(Evaluate(BoardFromRows({".........", "xxxx.xxxx"}), 5, 2), "1-9,2-2:9");
    // Four and seven earn nothing, and the record keeps its coordinates.
    EXPECT_EQ(Evaluate(BoardFromRows({".........", ".........", "xx.x....."}), 3, 3), "7-7,7-7:0");
    EXPECT_EQ(Evaluate(BoardFromRows({"xxx.xxx.."}), 4, 1), "7-7,7-7:0");
}

TEST(evaluateMove, CreditsTheLongerScoringRunTheVerticalOneOnATie) {
    // Three each way.
    EXPECT_EQ(Evaluate(BoardFromRows({"....x....", "....x....", "..xx....."}), 5, 3), "5-5,1-3:3");
    // Horizontal six against vertical three, and the other way round.
    EXPECT_EQ(Evaluate(BoardFromRows({".........", "..x......", "xx.xxx...", "..x......"}), 3, 3),
              "1-6,3-3:6");
    const auto verticalSix = BoardFromRows(
        {"...x.....", "...x.....", "...x.....", "..x.x....", "...x.....", "...x....."});
    EXPECT_EQ(Evaluate(verticalSix, 4, 4), "4-4,1-6:6");
    // Horizontal four, which earns nothing, against vertical three.
    EXPECT_EQ(Evaluate(BoardFromRows({"..x......", "..x......", "xx.x....."}), 3, 3), "3-3,1-3:3");
    // Nine each way, whether the cell itself is still empty or already filled.
    auto full = FullBoard();
    EXPECT_EQ(Evaluate(full, 5, 5), "5-5,1-9:9");
    full[5][5].cellState = 0;
    EXPECT_EQ(Evaluate(full, 5, 5), "5-5,1-9:9");
}

TEST(anyScoringMove, ExaminesColumnByColumnTopToBottom) {
    // Scoring cells at (2, 9) and (3, 1): column 2 comes first.
    const auto board =
        BoardFromRows({"...xx....", ".........", ".........", ".........", ".........", ".........",
                       ".........", ".x.......", "x.x......"});
    LineRecord result;
    EXPECT_TRUE(velmora::anyScoringMove(board, result));
    EXPECT_EQ(Text(result), "1-3,9-9:3");
}

TEST(anyScoringMove, FindsNoScoringCellAndOnAFullBoardEvaluatesNothing) {
    LineRecord result{1, 2, 3, 4, 5};
    EXPECT_FALSE(velmora::anyScoringMove(BoardFromRows({"x..x..x..", "........."}), result));
    EXPECT_EQ(Text(result), "1-2,3-4:0");
    result.marks = 9;
    EXPECT_FALSE(velmora::anyScoringMove(FullBoard(), result));
    EXPECT_EQ(Text(result), "1-2,3-4:9");
}

}  // namespace
