// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

#include "random_source.h"

// Hands out fixed values in turn and counts how often it was reseeded.
class ScriptedRandom : public velmora::RandomSource {
public:
    void seedFromTimeOfDay() override { ++seeds; }
    double nextUniform() override { return values.at(next++ % values.size()); }
    // Every search starts its scans at (column, row): u = (n - 0.5) / 9 draws n.
    void startAt(int column, int row) {
        values = {(column - 0.5) / 9, (row - 0.5) / 9};
        next = 0;
    }

    std::vector<double> values{0.5};
    std::size_t next = 0;
    int seeds = 0;
};
