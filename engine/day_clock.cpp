// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_clock.h"

#include <chrono>
#include <ctime>

namespace velmora {

double SystemDayClock::secondsSinceMidnight() const {
    const auto now = std::chrono::system_clock::now();
    const std::time_t whole = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&whole, &local);
    const auto fraction = now - std::chrono::system_clock::from_time_t(whole);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
           std::chrono::duration<double>(fraction).count();
}

}  // namespace velmora
