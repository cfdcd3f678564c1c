#include "hold_timer.h"

namespace velmora {

QtHoldTimer::QtHoldTimer() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        std::function<void()> done = std::move(done_);
        done_ = nullptr;
        if (done) {
            done();
        }
    });
}

void QtHoldTimer::start(int milliseconds, std::function<void()> done) {
    done_ = std::move(done);
    timer_.start(milliseconds);
}

void QtHoldTimer::cancel() {
    timer_.stop();
    done_ = nullptr;
}

}  // namespace velmora
