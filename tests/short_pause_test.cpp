#include "short_pause.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class ManualClock : public velmora::DayClock {
public:
    explicit ManualClock(double start) : now(start) {}
    double SecondsSinceMidnight() const override { return now; }
    void Advance(double seconds) {
        now += seconds;
        if (now >= 86400.0) {
            now -= 86400.0;
        }
    }
    double now;
};

// Handles "events" by letting the clock run on by what was asked.
struct Recorder {
    ManualClock& clock;
    std::vector<int> waits;
    void operator()(int ms) {
        waits.push_back(ms);
        clock.Advance(ms / 1000.0);
    }
};

TEST(ShortPause, WaitsAboutAHundredthOfASecondWithoutSpinning) {
    ManualClock clock(3600.0);
    Recorder recorder{clock, {}};
    const int rounds = velmora::ShortPause(clock, std::ref(recorder));
    EXPECT_EQ(rounds, int(recorder.waits.size()));
    EXPECT_GE(rounds, 1);
    EXPECT_GT(clock.now, 3600.0099);
    EXPECT_LT(clock.now, 3600.0125);
    for (int wait : recorder.waits) {
        EXPECT_GE(wait, 1) << "every round waits for events";
    }
}

TEST(ShortPause, LateInTheDayTheClockMovesInStepsOfA128th) {
    // In single precision 86000 s ticks by 1/128 s: the pause ends at the
    // first tick past the deadline, never before the hundredth.
    ManualClock clock(86000.0);
    Recorder recorder{clock, {}};
    velmora::ShortPause(clock, std::ref(recorder));
    EXPECT_GE(clock.now - 86000.0, 0.0099);
    EXPECT_LE(clock.now - 86000.0, 0.010 + 2.0 / 128 + 0.001);
    for (int wait : recorder.waits) {
        EXPECT_GE(wait, 1);
    }
}

TEST(ShortPause, APauseBegunBeforeMidnightEndsWhenTheClockWraps) {
    ManualClock clock(86399.995);
    Recorder recorder{clock, {}};
    velmora::ShortPause(clock, std::ref(recorder));
    EXPECT_LT(clock.now, 0.1) << "the clock wrapped and the pause ended";
}

TEST(ShortPause, APauseBegunJustAfterMidnightReturnsAtOnce) {
    ManualClock clock(0.05);
    Recorder recorder{clock, {}};
    EXPECT_EQ(velmora::ShortPause(clock, std::ref(recorder)), 0);
    EXPECT_TRUE(recorder.waits.empty());
}

TEST(ShortPause, TheTimeIsTestedBeforeEventsAreHandled) {
    // A clock that has moved past the deadline by the second reading.
    class JumpingClock : public velmora::DayClock {
    public:
        double SecondsSinceMidnight() const override { return reads++ == 0 ? 500.0 : 500.5; }
        mutable int reads = 0;
    } clock;
    int handled = 0;
    EXPECT_EQ(velmora::ShortPause(clock, [&](int) { ++handled; }), 0);
    EXPECT_EQ(handled, 0);
}

}  // namespace
