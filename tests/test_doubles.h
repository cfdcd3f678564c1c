#pragma once

#include <QList>
#include <QTimer>

#include <functional>
#include <utility>

#include "game.h"
#include "pause_timer.h"

// A pause that lasts until the test ends it, or, when not `held`, that ends
// from the event loop at once.
class TestPause : public velmora::PauseTimer {
public:
    TestPause() {
        shot_.setSingleShot(true);
        QObject::connect(&shot_, &QTimer::timeout, [this] { step(); });
    }
    void start(std::function<void()> done) override {
        done_ = std::move(done);
        if (!held) {
            shot_.start(0);
        }
    }
    void cancel() override {
        done_ = nullptr;
        shot_.stop();
    }
    bool pausing() const { return bool(done_); }
    // Ends the pause that runs; false when none does.
    bool step() {
        const std::function<void()> done = std::exchange(done_, nullptr);
        if (done) {
            done();
        }
        return bool(done);
    }
    // Ends pauses until the drawing is over; how many there were.
    int finish() {
        int pauses = 0;
        while (step()) {
            ++pauses;
        }
        return pauses;
    }
    bool held = true;

private:
    std::function<void()> done_;
    QTimer shot_;
};

// The connection as the game sees it: a line the test sets, and what was sent.
class FakePeer : public velmora::Peer {
public:
    enum class Line { Idle, Calling, Connected };
    bool connected() const override { return line == Line::Connected; }
    bool calling() const override { return line == Line::Calling; }
    bool answeredCall() const override { return answerer; }
    void sendMove(int column, int row) override { sent << QByteArray::number(column * 10 + row); }
    void sendReset() override { sent << "RESET"; }
    void sendFinish() override { sent << "FINISH"; }
    Line line = Line::Idle;  // the computer is the opponent
    bool answerer = true;
    QList<QByteArray> sent;
};
