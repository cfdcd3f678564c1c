// SPDX-License-Identifier: GPL-3.0-or-later
#include "move_chooser.h"

#include <QObject>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace velmora {

void ImmediateChooser::request(const BoardGrid& board, Strength strength, uint64_t seed,
                               Answer answer) {
    const std::atomic<bool> never{false};
    SeededRandom random(seed);
    answer(player_.choose(board, strength, random, never));
}

struct ThreadedChooser::Worker {
    struct Job {
        BoardGrid board;
        Strength strength;
        uint64_t seed;
        uint64_t generation;
        std::shared_ptr<std::atomic<bool>> cancelled;
    };

    // On the asker's thread: the answers are delivered through it, and die
    // with it when the chooser goes before they arrive.
    QObject context;
    // The asker's thread only: the newest request, and who hears of it.
    uint64_t generation = 0;
    Answer answer;

    std::mutex mutex;
    std::condition_variable wake;
    std::optional<Job> next;                        // under mutex
    std::shared_ptr<std::atomic<bool>> newestFlag;  // under mutex
    bool stopping = false;                          // under mutex

    ComputerPlayer player;  // the worker thread only, its tables kept from move to move
    std::thread thread;

    void run() {
        for (;;) {
            Job job;
            {
                std::unique_lock<std::mutex> lock(mutex);
                wake.wait(lock, [this] { return stopping || next.has_value(); });
                if (stopping) {
                    return;
                }
                job = std::move(*next);
                next.reset();
            }
            SeededRandom random(job.seed);
            const Cell cell = player.choose(job.board, job.strength, random, *job.cancelled);
            if (job.cancelled->load()) {
                continue;
            }
            QMetaObject::invokeMethod(
                &context, [this, cell, asked = job.generation] { deliver(asked, cell); },
                Qt::QueuedConnection);
        }
    }

    void deliver(uint64_t asked, Cell cell) {
        // A request or a cancel since: this answer is stale.
        if (asked != generation || !answer) {
            return;
        }
        std::exchange(answer, nullptr)(cell);
    }

    void cancelNewest() {
        ++generation;
        answer = nullptr;
        std::lock_guard<std::mutex> lock(mutex);
        next.reset();
        if (newestFlag) {
            newestFlag->store(true);
        }
    }
};

ThreadedChooser::ThreadedChooser() : worker_(std::make_unique<Worker>()) {
    worker_->thread = std::thread([worker = worker_.get()] { worker->run(); });
}

ThreadedChooser::~ThreadedChooser() {
    worker_->cancelNewest();
    {
        std::lock_guard<std::mutex> lock(worker_->mutex);
        worker_->stopping = true;
    }
    worker_->wake.notify_one();
    worker_->thread.join();
}

void ThreadedChooser::request(const BoardGrid& board, Strength strength, uint64_t seed,
                              Answer answer) {
    worker_->cancelNewest();
    auto flag = std::make_shared<std::atomic<bool>>(false);
    {
        std::lock_guard<std::mutex> lock(worker_->mutex);
        worker_->next = Worker::Job{board, strength, seed, worker_->generation, flag};
        worker_->newestFlag = flag;
    }
    worker_->answer = std::move(answer);
    worker_->wake.notify_one();
}

void ThreadedChooser::cancel() {
    worker_->cancelNewest();
}

}  // namespace velmora
