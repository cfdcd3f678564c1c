// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "board.h"
#include "computer_strengths.h"

namespace velmora {

// Where the game asks for the computer's cell at a strength other than the
// described rule, and for a hint. An Expert search may take a third of a
// second, which the window must never wait for: the answer comes back later,
// on the asker's thread, or at once where that does not matter (tests).
class MoveChooser {
public:
    using Answer = std::function<void(Cell)>;

    virtual ~MoveChooser() = default;
    // Chooses a cell on `board`, its chances drawn from `seed`, and calls
    // `answer` with it unless cancel() or another request comes first. Column
    // 0 when the board is full.
    virtual void request(const BoardGrid& board, Strength strength, uint64_t seed,
                         Answer answer) = 0;
    // The search in flight ends soon, and its answer is dropped.
    virtual void cancel() = 0;
};

// Answers inside request(), on the caller's stack.
class ImmediateChooser : public MoveChooser {
public:
    void request(const BoardGrid& board, Strength strength, uint64_t seed, Answer answer) override;
    void cancel() override {}

private:
    ComputerPlayer player_;
};

// Searches on a worker thread of its own and hands the answer back as an
// event to the thread that made it. One search at a time: a new request
// cancels the one before, and the worker takes the newest once the old one
// has stopped.
class ThreadedChooser : public MoveChooser {
public:
    ThreadedChooser();
    ~ThreadedChooser() override;
    ThreadedChooser(const ThreadedChooser&) = delete;
    ThreadedChooser& operator=(const ThreadedChooser&) = delete;

    void request(const BoardGrid& board, Strength strength, uint64_t seed, Answer answer) override;
    void cancel() override;

private:
    struct Worker;
    std::unique_ptr<Worker> worker_;
};

}  // namespace velmora
