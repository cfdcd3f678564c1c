#pragma once

#include <QList>

#include <functional>

#include "game.h"
#include "pause_timer.h"

// A pause that lasts until the test ends it.
class StepTimer : public velmora::PauseTimer {
public:
    void start(std::function<void()> done) override { done_ = std::move(done); }
    void cancel() override { done_ = nullptr; }
    bool pausing() const { return bool(done_); }
    // Ends the pause that runs; false when none does.
    bool step() {
        if (!done_) {
            return false;
        }
        std::function<void()> done = std::move(done_);
        done_ = nullptr;
        done();
        return true;
    }
    // Ends pauses until the drawing is over; how many there were.
    int finish() {
        int pauses = 0;
        while (step()) {
            ++pauses;
        }
        return pauses;
    }

private:
    std::function<void()> done_;
};

// The connection as the game sees it: a state the test sets, and what was sent.
class FakePeer : public velmora::Peer {
public:
    int state() const override { return socketState; }
    void send(const QByteArray& message) override { sent << message; }
    int socketState = 2;  // listening: the computer is the opponent
    QList<QByteArray> sent;
};
