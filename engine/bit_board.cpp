// SPDX-License-Identifier: GPL-3.0-or-later
#include "bit_board.h"

#include <algorithm>
#include <array>

namespace velmora {

LineTables::LineTables() {
    for (int mask = 0; mask < 512; ++mask) {
        scoring[mask] = 0;
        for (int p = 0; p < kBoardCells; ++p) {
            const int line = mask | (1 << p);
            int low = p;
            int high = p;
            while (low > 0 && ((line >> (low - 1)) & 1)) {
                --low;
            }
            while (high < kBoardCells - 1 && ((line >> (high + 1)) & 1)) {
                ++high;
            }
            run[mask][p] = uint8_t(high - low + 1);
            if (!((mask >> p) & 1) && run[mask][p] % 3 == 0) {
                scoring[mask] |= uint16_t(1 << p);
            }
        }
    }
    uint64_t state = 0x9e3779b97f4a7c15ull;
    for (uint64_t& z : zobrist) {
        // splitmix64: fixed values, so keys are the same in every run.
        uint64_t v = (state += 0x9e3779b97f4a7c15ull);
        v = (v ^ (v >> 30)) * 0xbf58476d1ce4e5b9ull;
        v = (v ^ (v >> 27)) * 0x94d049bb133111ebull;
        z = v ^ (v >> 31);
    }
    for (int s = 0; s < 8; ++s) {
        for (int x = 0; x < kBoardCells; ++x) {
            for (int y = 0; y < kBoardCells; ++y) {
                int ix = (s & 1) ? kBoardCells - 1 - x : x;
                int iy = (s & 2) ? kBoardCells - 1 - y : y;
                if (s & 4) {
                    std::swap(ix, iy);
                }
                image[s][cellIndex(x, y)] = uint8_t(cellIndex(ix, iy));
                preimage[s][cellIndex(ix, iy)] = uint8_t(cellIndex(x, y));
            }
        }
    }
}

const LineTables kLineTables;

BitBoard::BitBoard() : rows_{}, columns_{}, hashes_{}, empty_(kPlayingCells) {}

BitBoard::BitBoard(const BoardGrid& board) : BitBoard() {
    for (int x = 0; x < kBoardCells; ++x) {
        for (int y = 0; y < kBoardCells; ++y) {
            if (board[x + 1][y + 1].cellState != 0) {
                fill(x, y);
            }
        }
    }
}

bool BitBoard::anyScoring() const {
    for (int i = 0; i < kBoardCells; ++i) {
        if (kLineTables.scoring[rows_[i]] | kLineTables.scoring[columns_[i]]) {
            return true;
        }
    }
    return false;
}

uint64_t BitBoard::key(int& symmetry) const {
    symmetry = 0;
    for (int s = 1; s < kSymmetries; ++s) {
        if (hashes_[s] < hashes_[symmetry]) {
            symmetry = s;
        }
    }
    return hashes_[symmetry];
}

}  // namespace velmora
