#pragma once

#include <QTimer>

#include <functional>

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
    QtHoldTimer();
    void start(int milliseconds, std::function<void()> done) override;
    void cancel() override;

private:
    QTimer timer_;
    std::function<void()> done_;
};

}  // namespace velmora
