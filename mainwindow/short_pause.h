#pragma once

#include <functional>

#include "day_clock.h"

namespace velmora {

// Lets the window handle its events for up to `milliseconds`, returning once
// the time is up (waiting for events, never spinning).
using EventHandling = std::function<void(int milliseconds)>;

// The real thing: a nested event loop that ends after `milliseconds`.
void HandleEventsFor(int milliseconds);

// About a hundredth of a second against the clock of seconds since midnight,
// kept, like the deadline, in single precision. The time is tested before
// events are handled, so a pause that begins past its deadline handles none.
// The clock restarts at midnight: a reading under 0.1 s ends the pause, so one
// begun just before midnight ends when the clock wraps.
// Returns how many times it handled events.
int ShortPause(const DayClock& clock, const EventHandling& handleEvents);

}  // namespace velmora
