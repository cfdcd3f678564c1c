// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_timer.h"

namespace velmora {

QtTimer::QtTimer(Qt::TimerType type) {
    timer_.setSingleShot(true);
    timer_.setTimerType(type);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // `done` may start the next one, which sets a new done_.
        std::function<void()> done = std::move(done_);
        done_ = nullptr;
        if (done) {
            done();
        }
    });
}

void QtTimer::start(int milliseconds, std::function<void()> done) {
    done_ = std::move(done);
    timer_.start(milliseconds);
}

void QtTimer::cancel() {
    timer_.stop();
    done_ = nullptr;
}

}  // namespace velmora
