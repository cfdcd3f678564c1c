#include "computer_player.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>

#include "board_text.h"
#include "scripted_random.h"

namespace {

using ColumnRow = std::pair<int, int>;

TEST(SearchStartDraw, MapsTheUnitIntervalOntoOneToNine) {
    ScriptedRandom random;
    random.values = {0.0, 0.999999999999, 0.11111, 0.11112};
    const velmora::SearchStart first = velmora::drawSearchStart(random);
    const velmora::SearchStart second = velmora::drawSearchStart(random);
    EXPECT_EQ(ColumnRow(first.startColumn, first.startRow), ColumnRow(1, 9));
    EXPECT_EQ(ColumnRow(second.startColumn, second.startRow), ColumnRow(1, 2));
}

struct FixedClock : velmora::DayClock {
    double seconds = 0;
    double secondsSinceMidnight() const override { return seconds; }
};

// The program's own source, which every other test replaces: whatever the time
// of day it is seeded from, a search starts on the board, and over the day on
// every column and row of it.
TEST(SearchStartDraw, TheTimeSeededSourceStartsEverySearchOnTheBoard) {
    FixedClock clock;
    velmora::TimeSeededRandom random(clock);
    std::set<ColumnRow> starts;
    for (int i = 0; i < 5000; ++i) {
        clock.seconds = i * 17.28;
        const velmora::SearchStart start = velmora::drawSearchStart(random);
        ASSERT_TRUE(start.startColumn >= 1 && start.startColumn <= 9 && start.startRow >= 1 &&
                    start.startRow <= 9)
            << start.startColumn << "," << start.startRow << " at " << clock.seconds << " s";
        starts.insert({start.startColumn, start.startRow});
    }
    EXPECT_EQ(starts.size(), 81u);
}

TEST(chooseComputerCell, FollowsItsEightScansInTurn) {
    const struct {
        const char* board;
        ColumnRow start;
        ColumnRow chosen;
    } cases[] = {
        // Scan 1 walks column 7 from the top: the first scoring cell, not the best.
        {"....xx.../........./........./........./xxxxxx.xx/", {6, 3}, {7, 1}},
        // Nothing right of column 8; scan 2 walks column 7 from the bottom.
        {"....xx.../........./........./........./xxxxxx.xx/", {8, 3}, {7, 5}},
        {"........./x......../x......../........./x......../", {5, 5}, {1, 1}},  // scan 2's far end
        // Scan 3: the start cell of an empty board is safe, also in the corner,
        {"", {4, 6}, {4, 6}},
        {"", {9, 1}, {9, 1}},
        // but not a cell that lets the user complete a three.
        {"........./........./........./....x..../", {5, 5}, {5, 7}},
        // (9, 9) is unsafe; scan 4 starts again at row 1, before scan 5's (9, 5).
        {"........./........./........./........./........./........./........./........x/",
         {9, 9},
         {9, 1}},
        // No safe cell: scan 6 passes column 4 and takes (5, 5), not scan 7's (5, 1).
        {"x..x...x./...x...x./.xxx.xxxx/xxxx...x./xxxx...../xxxx.xx.x/..xxxx.xx/.xxx.x.xx/"
         "xxxx...x./",
         {4, 5},
         {5, 5}},
        {kFullBoard.data(), {5, 5}, {0, 0}},
    };
    for (const auto& c : cases) {
        const velmora::BoardGrid board = BoardFromRows(c.board);
        velmora::BoardGrid searched = board;
        ScriptedRandom random;
        random.startAt(c.start.first, c.start.second);
        const velmora::Cell cell =
            velmora::chooseComputerCell(searched, velmora::drawSearchStart(random));
        EXPECT_EQ(ColumnRow(cell.column, cell.row), c.chosen) << c.board;
        EXPECT_EQ(random.seeds, 1) << "reseeded at the start of every search";
        EXPECT_EQ(std::memcmp(&searched, &board, sizeof board), 0) << "changed " << c.board;
    }
}

}  // namespace
