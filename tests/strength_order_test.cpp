// SPDX-License-Identifier: GPL-3.0-or-later
// The four strengths are in order, Expert's ending is exact, and a search stops when it is told to.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "computer_strengths.h"
#include "move_evaluation.h"

using namespace velmora;

namespace {

const std::atomic<bool> kGoOn{false};

// The mover's best final margin, by plain minimax over every order of moves.
int BruteForce(BoardGrid& board) {
    int best = -1000;
    for (int c = 1; c <= kBoardCells; ++c) {
        for (int r = 1; r <= kBoardCells; ++r) {
            if (board[c][r].cellState == 0) {
                LineRecord record;
                evaluateMove(board, c, r, record);
                board[c][r].cellState = 1;
                const int rest = BruteForce(board);
                board[c][r].cellState = 0;
                best = std::max(best, record.marks ? record.marks + rest : -rest);
            }
        }
    }
    return best == -1000 ? 0 : best;
}

// Wins of `a` over `b` in `games` seeded games, first move alternating.
int Wins(Strength a, Strength b, int games) {
    ComputerPlayer players[2];
    const Strength sides[2] = {a, b};
    int wins = 0;
    for (int g = 0; g < games; ++g) {
        SeededRandom random[2] = {SeededRandom(2 * g + 7), SeededRandom(2 * g + 8)};
        BoardGrid board{};
        int margin = 0;
        for (int filled = 0, mover = g % 2; filled < kPlayingCells; ++filled) {
            const Cell cell = players[mover].choose(board, sides[mover], random[mover], kGoOn);
            EXPECT_EQ(board.at(std::size_t(cell.column)).at(std::size_t(cell.row)).cellState, 0);
            board[cell.column][cell.row].cellState = 1;
            LineRecord record;
            evaluateMove(board, cell.column, cell.row, record);
            margin += mover == 0 ? record.marks : -record.marks;
            mover = record.marks ? mover : 1 - mover;
        }
        wins += margin > 0;
    }
    return wins;
}

TEST(Strengths, EachBeatsTheOneBelowInAFixedSeedTournament) {
    EXPECT_LE(Wins(Strength::Easy, Strength::Normal, 60), 15);
    EXPECT_GE(Wins(Strength::Strong, Strength::Normal, 60), 45);
    EXPECT_GE(Wins(Strength::Expert, Strength::Strong, 16), 11);
}

// On an open board Easy and Normal may start anywhere: over a few hundred seeds every column and
// every row comes up. Easy takes a run it is offered more often than not, yet not always.
TEST(Strengths, EasyAndNormalStartAnywhereAndEasyOftenScores) {
    ComputerPlayer player;
    BoardGrid offered{};  // three for the taking at column 3, row 1
    offered[1][1].cellState = offered[2][1].cellState = 1;
    int taken = 0;
    for (Strength strength : {Strength::Easy, Strength::Normal}) {
        std::string columns(9, '.'), rows(9, '.');
        for (uint64_t seed = 0; seed < 300; ++seed) {
            SeededRandom random(seed);
            const Cell cell = player.choose(BoardGrid{}, strength, random, kGoOn);
            columns.at(std::size_t(cell.column - 1)) = rows.at(std::size_t(cell.row - 1)) = '+';
            taken += strength == Strength::Easy &&
                     player.choose(offered, strength, random, kGoOn).column == 3;
        }
        EXPECT_EQ(columns + rows, std::string(18, '+')) << int(strength);
    }
    EXPECT_TRUE(taken > 120 && taken < 240) << taken;
}

TEST(Strengths, ExpertTakesACellOfTheBestMarginInSmallEndings) {
    SeededRandom random(3);
    ComputerPlayer player;
    for (int position = 0; position < 40; ++position) {
        // The ending of a game of Easy against itself, 4 to 9 cells left.
        BoardGrid board{};
        for (int filled = 0; filled < kPlayingCells - 4 - position % 6; ++filled) {
            const Cell cell = player.choose(board, Strength::Easy, random, kGoOn);
            board[cell.column][cell.row].cellState = 1;
        }
        const Cell cell = player.choose(board, Strength::Expert, random, kGoOn);
        ASSERT_EQ(board.at(std::size_t(cell.column)).at(std::size_t(cell.row)).cellState, 0);
        const int best = BruteForce(board);
        LineRecord record;
        evaluateMove(board, cell.column, cell.row, record);
        board[cell.column][cell.row].cellState = 1;
        const int rest = BruteForce(board);
        EXPECT_EQ(record.marks ? record.marks + rest : -rest, best) << "position " << position;
    }
}

TEST(Strengths, AFullBoardOrACancelledSearchGivesNoCell) {
    BoardGrid board{};
    const std::atomic<bool> cancelled{true};
    SeededRandom random(5);
    ComputerPlayer player;
    for (Strength s : {Strength::Easy, Strength::Normal, Strength::Strong, Strength::Expert}) {
        EXPECT_EQ(player.choose(board, s, random, cancelled).column, 0);
    }
    // An open board of 40 empty cells is far beyond what Expert solves at once.
    for (int i = 0; i < kPlayingCells; ++i) {
        board[i % 9 + 1][i / 9 + 1].cellState = (i % 9 * 7 + i / 9 * 3) % 2;
    }
    EXPECT_EQ(player.choose(board, Strength::Expert, random, cancelled).column, 0);
    for (int i = 0; i < kPlayingCells; ++i) {  // the border ring left empty
        board[i % 9 + 1][i / 9 + 1].cellState = 1;
    }
    EXPECT_EQ(player.choose(board, Strength::Expert, random, kGoOn).column, 0);
}

}  // namespace
