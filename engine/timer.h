// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace velmora {

// One pending call after a delay: the pauses of the drawing, the hold on a
// message cut by the network. The program's runs on Qt's event loop; tests
// and the simulated network put a clock of their own in its place.
class Timer {
public:
    virtual ~Timer() = default;
    // Calls `done` once, from the event loop, after `milliseconds`; a start
    // while one runs replaces it.
    virtual void start(int milliseconds, std::function<void()> done) = 0;
    // Stops the one that runs, without calling its `done`.
    virtual void cancel() = 0;
};

}  // namespace velmora
