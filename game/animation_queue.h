// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <deque>
#include <functional>

namespace velmora {

class Timer;

// The drawing of moves as a queue of steps played in order. A step is a
// piece of drawing or an action (what follows a move: the next move, the
// award, the credit); a pause lets the event loop run for kPauseMilliseconds
// before the next step. Nothing ever waits inside a step, so no input is ever
// handled in the middle of another.
class AnimationQueue : public QObject {
    Q_OBJECT

public:
    static constexpr int kPauseMilliseconds = 10;

    explicit AnimationQueue(Timer& timer, QObject* parent = nullptr);
    // A pause still running is cancelled: the timer outlives the queue.
    ~AnimationQueue() override;

    void add(std::function<void()> step);
    // Nothing while instant.
    void addPause();
    // Instant: every step queued from now on plays at once, without pauses
    // (an undo playing the game again).
    void setInstant(bool instant) { instant_ = instant; }
    // Plays queued steps up to the next pause, or to the end. Does nothing
    // while a pause runs or while the queue is already playing.
    void play();
    // Drops every step still queued and any pause that runs.
    void clear();
    // Something is queued, pausing or playing.
    bool busy() const { return !steps_.empty() || pausing_ || playing_; }

signals:
    // The queue has played its last step.
    void finished();

private:
    struct Step {
        std::function<void()> action;  // empty for a pause
    };

    Timer& timer_;
    std::deque<Step> steps_;
    bool pausing_ = false;
    bool playing_ = false;
    bool instant_ = false;
};

}  // namespace velmora
