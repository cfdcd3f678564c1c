// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>

#include "timer.h"

namespace velmora {

// A Timer on Qt's event loop. The drawing's pauses ask for Qt::PreciseTimer:
// ten milliseconds must be ten on the monotonic clock, whatever the time of day.
class QtTimer : public Timer {
public:
    explicit QtTimer(Qt::TimerType type = Qt::CoarseTimer);
    void start(int milliseconds, std::function<void()> done) override;
    void cancel() override;

private:
    QTimer timer_;
    std::function<void()> done_;
};

}  // namespace velmora
