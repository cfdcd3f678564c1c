#pragma once

#include <functional>

#include "pause_timer.h"

namespace velmora {

// How long the connection waits for the rest of a message cut by the
// network. Tests and the simulated network put a clock of their own in its
// place.
class HoldTimer {
public:
    virtual ~HoldTimer() = default;
    // Calls `done` once, from the event loop, after `milliseconds`; a start
    // while one runs replaces it.
    virtual void start(int milliseconds, std::function<void()> done) = 0;
    // Stops the one that runs, without calling its `done`.
    virtual void cancel() = 0;
};

class QtHoldTimer : public HoldTimer {
public:
    void start(int milliseconds, std::function<void()> done) override {
        shot_.start(milliseconds, std::move(done));
    }
    void cancel() override { shot_.cancel(); }

private:
    SingleShot shot_;
};

}  // namespace velmora
