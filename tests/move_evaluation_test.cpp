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

TEST(evaluateMove, ScoresTheLongerRunOfAMultipleOfThreeTheVerticalOneOnATie) {
    std::string fullButMiddle(kFullBoard);
    fullButMiddle[44] = '.';
    // Each board with the cell evaluated and the record it gives; a record
    // that earns nothing keeps its coordinates.
    const struct {
        std::string board;
        int column, row;
        const char* record;
    } cases[] = {
        {"", 1, 1, "7-7,7-7:0"},
        {"", 9, 9, "7-7,7-7:0"},
        {"........./xx......./", 3, 2, "1-3,2-2:3"},
        {"xx.xxx.../", 3, 1, "1-6,1-1:6"},  // two on the left, three on the right
        {"........./xxxx.xxxx/", 5, 2, "1-9,2-2:9"},
        {"........./........./xx.x...../", 3, 3, "7-7,7-7:0"},  // four
        {"xxx.xxx../", 4, 1, "7-7,7-7:0"},                      // seven
        {"....x..../....x..../..xx...../", 5, 3, "5-5,1-3:3"},  // three each way
        {"........./..x....../xx.xxx.../..x....../", 3, 3, "1-6,3-3:6"},
        {"...x...../...x...../...x...../..x.x..../...x...../...x...../", 4, 4, "4-4,1-6:6"},
        {"..x....../..x....../xx.x...../", 3, 3, "3-3,1-3:3"},  // four across earns nothing
        {std::string(kFullBoard), 5, 5, "5-5,1-9:9"},           // nine each way, the cell filled
        {fullButMiddle, 5, 5, "5-5,1-9:9"},
    };
    for (const auto& c : cases) {
        LineRecord result{7, 7, 7, 7, 7};
        velmora::evaluateMove(BoardFromRows(c.board), c.column, c.row, result);
        EXPECT_EQ(Text(result), c.record) << c.board << " at " << c.column << "," << c.row;
    }
}

TEST(anyScoringMove, ExaminesColumnByColumnTopToBottomAndLeavesTheRecordWhenNoneScores) {
    // Scoring cells at (2, 9) and (3, 1): column 2 comes first.
    LineRecord result;
    EXPECT_TRUE(velmora::anyScoringMove(
        BoardFromRows("...xx..../........./........./........./........./........./........./"
                      ".x......./x.x....../"),
        result));
    EXPECT_EQ(Text(result), "1-3,9-9:3");

    result = {1, 2, 3, 4, 5};
    EXPECT_FALSE(velmora::anyScoringMove(BoardFromRows("x..x..x../........./"), result));
    EXPECT_EQ(Text(result), "1-2,3-4:0");
    result.marks = 9;
    EXPECT_FALSE(velmora::anyScoringMove(BoardFromRows(kFullBoard), result));
    EXPECT_EQ(Text(result), "1-2,3-4:9") << "a full board evaluates nothing";
}

}  // namespace
