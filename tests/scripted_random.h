#pragma once

#include <cstddef>
#include <vector>

#include "random_source.h"

// Hands out fixed values in turn and counts how often it was reseeded.
class ScriptedRandom : public velmora::RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<double> values) : values(std::move(values)) {}
    void seedFromTimeOfDay() override { ++seeds; }
    double nextUniform() override { return values.at(next++ % values.size()); }
    // Every search starts its scans at (column, row).
    void startAt(int column, int row) {
        values = {uniformFor(column), uniformFor(row)};
        next = 0;
    }
    // The value u that makes floor(u * 9) + 1 equal n.
    static double uniformFor(int n) { return (n - 0.5) / 9.0; }

    std::vector<double> values{0.5};
    std::size_t next = 0;
    int seeds = 0;
};
