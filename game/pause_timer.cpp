#include "pause_timer.h"

namespace velmora {

TenMillisecondPause::TenMillisecondPause() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kMilliseconds);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // `done` may start the next pause, which sets a new done_.
        std::function<void()> done = std::move(done_);
        done_ = nullptr;
        if (done) {
            done();
        }
    });
}

void TenMillisecondPause::start(std::function<void()> done) {
    done_ = std::move(done);
    timer_.start();
}

void TenMillisecondPause::cancel() {
    timer_.stop();
    done_ = nullptr;
}

}  // namespace velmora
