#pragma once

#include <QTimer>

#include <functional>

namespace velmora {

// Paces the board's animations: one pause between two drawing steps. Tests
// put a timer they step by hand in its place.
class PauseTimer {
public:
    virtual ~PauseTimer() = default;
    // Calls `done` once, from the event loop, when the pause is over. A pause
    // started while another runs replaces it.
    virtual void start(std::function<void()> done) = 0;
    // The pause ends without calling its `done`.
    virtual void cancel() = 0;
};

// A QTimer that calls `done` once, from the event loop; a start while one
// runs replaces it, and cancel() stops it without the call.
class SingleShot {
public:
    explicit SingleShot(Qt::TimerType type = Qt::CoarseTimer);
    void start(int milliseconds, std::function<void()> done);
    void cancel();

private:
    QTimer timer_;
    std::function<void()> done_;
};

// Ten milliseconds on the monotonic clock, whatever the time of day.
class TenMillisecondPause : public PauseTimer {
public:
    static constexpr int kMilliseconds = 10;

    void start(std::function<void()> done) override { shot_.start(kMilliseconds, std::move(done)); }
    void cancel() override { shot_.cancel(); }

private:
    SingleShot shot_{Qt::PreciseTimer};
};

}  // namespace velmora
