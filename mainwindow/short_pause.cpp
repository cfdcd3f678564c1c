#include "short_pause.h"

#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace velmora {

void HandleEventsFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

int ShortPause(const DayClock& clock, const EventHandling& handleEvents) {
    const float deadline = static_cast<float>(clock.SecondsSinceMidnight() + 0.01);
    int rounds = 0;
    while (true) {
        const float now = static_cast<float>(clock.SecondsSinceMidnight());
        if (now > deadline || now < 0.1f) {
            return rounds;
        }
        // At least a millisecond: late in the day the single-precision clock
        // moves in steps of 1/128 s, and the deadline may be a step away.
        const int left = static_cast<int>(std::ceil((deadline - now) * 1000.0f));
        handleEvents(std::max(1, left));
        ++rounds;
    }
}

}  // namespace velmora
