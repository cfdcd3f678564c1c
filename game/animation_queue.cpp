// SPDX-License-Identifier: GPL-3.0-or-later
#include "animation_queue.h"

#include "timer.h"

namespace velmora {

AnimationQueue::AnimationQueue(Timer& timer, QObject* parent) : QObject(parent), timer_(timer) {}

AnimationQueue::~AnimationQueue() {
    clear();
}

void AnimationQueue::add(std::function<void()> step) {
    steps_.push_back({std::move(step)});
}

void AnimationQueue::addPause() {
    if (instant_) {
        return;
    }
    steps_.push_back({});
}

void AnimationQueue::play() {
    if (playing_ || pausing_) {
        return;
    }
    playing_ = true;
    while (!steps_.empty()) {
        Step step = std::move(steps_.front());
        steps_.pop_front();
        if (!step.action) {
            pausing_ = true;
            playing_ = false;
            timer_.start(kPauseMilliseconds, [this] {
                pausing_ = false;
                play();
            });
            return;
        }
        // An action may queue further steps; they are played in this loop.
        step.action();
    }
    playing_ = false;
    emit finished();
}

void AnimationQueue::clear() {
    steps_.clear();
    if (pausing_) {
        timer_.cancel();
        pausing_ = false;
    }
}

}  // namespace velmora
