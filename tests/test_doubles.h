// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QTimer>

#include <functional>
#include <utility>

#include "timer.h"

// A timer that runs until the test ends it, or, when not `held`, that ends
// from the event loop at once. It notes how long each was asked to last.
class TestPause : public velmora::Timer {
public:
    TestPause() {
        shot_.setSingleShot(true);
        QObject::connect(&shot_, &QTimer::timeout, [this] { step(); });
    }
    void start(int milliseconds, std::function<void()> done) override {
        started << milliseconds;
        done_ = std::move(done);
        if (!held) {
            shot_.start(0);
        }
    }
    void cancel() override {
        done_ = nullptr;
        shot_.stop();
    }
    bool pausing() const { return bool(done_); }
    // Ends the one that runs; false when none does.
    bool step() {
        const std::function<void()> done = std::exchange(done_, nullptr);
        if (done) {
            done();
        }
        return bool(done);
    }
    // Ends pauses until the drawing is over; how many there were.
    int finish() {
        int pauses = 0;
        while (step()) {
            ++pauses;
        }
        return pauses;
    }
    bool held = true;
    QList<int> started;

private:
    std::function<void()> done_;
    QTimer shot_;
};
