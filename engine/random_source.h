// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

#include "day_clock.h"

namespace velmora {

// Values uniform in [0, 1). The computer reseeds it from the time of day at
// the start of every search; tests put a fixed sequence in its place.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromTimeOfDay() = 0;
    virtual double nextUniform() = 0;
};

class TimeSeededRandom : public RandomSource {
public:
    explicit TimeSeededRandom(const DayClock& clock) : clock_(clock) {}
    void seedFromTimeOfDay() override;
    double nextUniform() override;

private:
    const DayClock& clock_;
    std::mt19937_64 engine_;
};

}  // namespace velmora
