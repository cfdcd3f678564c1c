// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

// Seconds since local midnight, with their fraction. The board's pauses and
// the computer's random seed read the time through this, so tests can put
// the program at any moment of the day.
class DayClock {
public:
    virtual ~DayClock() = default;
    virtual double secondsSinceMidnight() const = 0;
};

class SystemDayClock : public DayClock {
public:
    double secondsSinceMidnight() const override;
};

}  // namespace velmora
