// SPDX-License-Identifier: GPL-3.0-or-later
// How a move scores, which cell the computer takes, and how halves round. The
// numbers read from texts are checked by fuzz/leading_number_fuzz's corpus.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "computer_player.h"
#include "move_evaluation.h"
#include "rounding.h"
#include "scripted_random.h"

namespace {

using ColumnRow = std::pair<int, int>;

// Up to nine rows of nine characters, top row first, each row ended by '/':
// 'x' a filled cell, any other an empty one.
velmora::BoardGrid BoardFromRows(std::string_view rows) {
    velmora::BoardGrid board{};
    for (int row = 1; !rows.empty(); ++row, rows.remove_prefix(velmora::kBoardCells + 1)) {
        for (int column = 1; column <= velmora::kBoardCells; ++column) {
            board[column][row].cellState = rows.at(std::size_t(column - 1)) == 'x' ? 1 : 0;
        }
    }
    return board;
}

const std::string kFullBoard(90, 'x');  // every tenth character taken as the row's end
const std::string kNoSafeCell =
    "x..x...x./...x...x./.xxx.xxxx/xxxx...x./xxxx...../xxxx.xx.x/..xxxx.xx/.xxx.x.xx/xxxx...x./";

// "x1-x2,y1-y2:marks", so that one comparison shows the whole record.
std::string Text(const velmora::LineRecord& r) {
    return std::to_string(r.x1) + "-" + std::to_string(r.x2) + "," + std::to_string(r.y1) + "-" +
           std::to_string(r.y2) + ":" + std::to_string(r.marks);
}

TEST(evaluateMove, ScoresTheLongerRunOfAMultipleOfThreeTheVerticalOneOnATie) {
    // The cell evaluated is 'o'; a record that earns nothing keeps its coordinates.
    std::string full(kFullBoard);
    const std::pair<std::string, const char*> cases[] = {
        {"o......../", "7-7,7-7:0"},
        {"........./xxo....../", "1-3,2-2:3"},
        {"xxoxxx.../", "1-6,1-1:6"},                      // two on the left, three on the right
        {"....x..../....x..../..xxo..../", "5-5,1-3:3"},  // three each way
        {"........./..x....../xxoxxx.../..x....../", "1-6,3-3:6"},
        {"...x...../...x...../...x...../..xox..../...x...../...x...../", "4-4,1-6:6"},
        {"..x....../..x....../xxox...../", "3-3,1-3:3"},  // four across earns nothing
        {full.replace(44, 1, "o"), "5-5,1-9:9"},          // nine each way
    };
    for (const auto& [board, record] : cases) {
        velmora::LineRecord result{7, 7, 7, 7, 7};
        const int at = int(board.find('o'));
        velmora::evaluateMove(BoardFromRows(board), at % 10 + 1, at / 10 + 1, result);
        EXPECT_EQ(Text(result), record) << board;
    }
}

struct FixedClock : velmora::DayClock {
    double seconds = 0;
    double secondsSinceMidnight() const override { return seconds; }
};

// The program's own source, which every other test replaces: whatever the time
// of day, a search starts on the board, and over the day on every cell of it.
TEST(SearchStartDraw, TheTimeSeededSourceStartsEverySearchOnTheBoard) {
    FixedClock clock;
    velmora::TimeSeededRandom random(clock);
    std::set<ColumnRow> starts;
    for (int i = 0; i < 5000; ++i) {
        clock.seconds = i * 17.28;
        const velmora::SearchStart start = velmora::drawSearchStart(random);
        starts.insert({start.startColumn, start.startRow});
    }
    // The 81 cells, from (1, 1) to (9, 9), and none off the board.
    EXPECT_TRUE(starts.size() == 81 && *starts.begin() == ColumnRow(1, 1) &&
                *starts.rbegin() == ColumnRow(9, 9));
}

TEST(chooseComputerCell, FollowsItsEightScansInTurn) {
    const struct {
        std::string board;
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
        // No safe cell: scan 6 passes column 4 and takes (5, 5), not scan 7's (5, 1);
        // from row 1, scan 4 ends there and does not stray above the board.
        {kNoSafeCell, {4, 5}, {5, 5}},
        {kNoSafeCell, {4, 1}, {5, 1}},
        {kFullBoard, {5, 5}, {0, 0}},
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

TEST(roundHalfEven, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {{222.5, 222}, {667.5, 668}, {444.444, 444},
                                               {0.5, 0},     {1.5, 2},     {-0.5, 0},
                                               {-1.5, -2},   {-2.6, -3}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(velmora::roundHalfEven(value), rounded) << value;
    }
}

}  // namespace
