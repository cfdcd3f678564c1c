// The rules, the search and the number reading, on their own: how a move
// scores, where a search starts and which cell it chooses, and the numbers
// read from texts the user and the peer type.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>

#include "computer_player.h"
#include "leading_number.h"
#include "move_evaluation.h"
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

// "x1-x2,y1-y2:marks", so that one comparison shows the whole record.
std::string Text(const velmora::LineRecord& r) {
    return std::to_string(r.x1) + "-" + std::to_string(r.x2) + "," + std::to_string(r.y1) + "-" +
           std::to_string(r.y2) + ":" + std::to_string(r.marks);
}

TEST(evaluateMove, ScoresTheLongerRunOfAMultipleOfThreeTheVerticalOneOnATie) {
    // Each board with the cell evaluated, 'o', and the record it gives; a
    // record that earns nothing keeps its coordinates.
    std::string full(kFullBoard);
    const std::pair<std::string, const char*> cases[] = {
        {"o......../", "7-7,7-7:0"},
        {std::string(88, '.') + "o/", "7-7,7-7:0"},  // (9, 9)
        {"........./xxo....../", "1-3,2-2:3"},
        {"xxoxxx.../", "1-6,1-1:6"},  // two on the left, three on the right
        {"........./xxxxoxxxx/", "1-9,2-2:9"},
        {"........./........./xxox...../", "7-7,7-7:0"},  // four
        {"xxxoxxx../", "7-7,7-7:0"},                      // seven
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
        // No safe cell: scan 6 passes column 4 and takes (5, 5), not scan 7's (5, 1).
        {"x..x...x./...x...x./.xxx.xxxx/xxxx...x./xxxx...../xxxx.xx.x/..xxxx.xx/.xxx.x.xx/"
         "xxxx...x./",
         {4, 5},
         {5, 5}},
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

// Compared exactly: a text reads as the nearest double, and an overflow as an
// infinity, never as the largest double.
struct Case {
    std::string text;
    double value;
};

void ExpectReads(std::initializer_list<Case> cases) {
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(velmora::leadingNumber(text), value) << "text: \"" << text.substr(0, 40) << "\"";
    }
}

TEST(leadingNumber, ReadsTheNumberAtTheStartOfAText) {
    ExpectReads({Case{"", 0}, Case{"abc", 0}, Case{"37", 37}, Case{"-5", -5}, Case{"+7", 7},
                 Case{".5", 0.5}, Case{"-", 0}, Case{".", 0}, Case{"@12", 0}, Case{"12abc", 12},
                 Case{"1234.9", 1234.9}, Case{"192.168.1.7", 192.168}, Case{"0.5.1.1", 0.5}});
    // Blanks, tabs and line feeds are skipped anywhere; a carriage return ends the number.
    ExpectReads({Case{"1 2 3", 123}, Case{"\t4\n5", 45}, Case{"- 3", -3}, Case{"1 . 5", 1.5},
                 Case{"7\r8", 7}, Case{"1 e 2", 100}, Case{" & H 1 0", 16}});
    // Exponents by E or D, hexadecimal and octal.
    ExpectReads({Case{"1E3", 1000}, Case{"2d2", 200}, Case{"2D-1", 0.2}, Case{"1.5e+2", 150},
                 Case{"3e", 3}, Case{"1e2e3", 100}, Case{"&HFF", 255}, Case{"&hff", 255},
                 Case{"&H1G", 1}, Case{"&O17", 15}, Case{"&o8", 0}, Case{"&H", 0}, Case{"&X1", 0}});
    // Huge numbers saturate instead of wrapping, judged by digits and exponent
    // together, even when the exponent is longer than any run of digits.
    const std::string zeros400(400, '0');
    const std::string zeros3000(3000, '0');
    ExpectReads({Case{"1e400", HUGE_VAL}, Case{"-1e400", -HUGE_VAL}, Case{"1e-400", 0},
                 Case{"9e99999999999999999999", HUGE_VAL}, Case{std::string(400, '9'), HUGE_VAL},
                 Case{"1" + std::string(300, '0'), 1e300}, Case{"1" + zeros400 + "e-1", HUGE_VAL},
                 Case{"-1" + zeros400 + "e-1", -HUGE_VAL},
                 Case{"0." + std::string(330, '0') + "1", 0}, Case{"0.0" + zeros400 + "1e+70", 0},
                 Case{"0.0" + zeros400 + "1e+800", HUGE_VAL},
                 Case{"1" + zeros3000 + "e-99999999999999999999", 0},
                 Case{"0." + zeros3000 + "1e99999999999999999999", HUGE_VAL}});
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
