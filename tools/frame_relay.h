// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <string>
#include <thread>

// A slow, lossy wire in software, for a kernel with no netem: it takes every
// Ethernet frame that arrives on one of two interfaces of a network namespace
// and sends it out of the other, each after its own delay, in the order they
// came, and loses some. Runs on a thread of its own.
class FrameRelay {
public:
    struct Path {
        int delayMilliseconds = 100;
        // Each frame's delay is drawn evenly from delay - jitter to delay +
        // jitter; a frame never overtakes the one before it, so it may wait longer.
        int jitterMilliseconds = 50;
        int lossPercent = 5;  // of the IPv4 frames, each way
        unsigned seed = 1;
    };
    struct Figures {
        long relayed = 0;
        long lost = 0;
        long failed = 0;  // could not be sent on (too large, or the interface gone)
    };

    // `namespacePath` as under /run/netns; the two interfaces are in it.
    FrameRelay(const std::string& namespacePath, const std::string& first,
               const std::string& second, const Path& path);
    ~FrameRelay();
    FrameRelay(const FrameRelay&) = delete;
    FrameRelay& operator=(const FrameRelay&) = delete;

    // Once the thread has its sockets: false, with `why`, when it could not.
    bool running();
    const std::string& why() const { return why_; }
    Figures figures() const { return {relayed_, lost_, failed_}; }

private:
    void run(std::string namespacePath, std::string first, std::string second);

    Path path_;
    std::atomic<int> started_{0};  // 1 running, -1 failed
    std::atomic<bool> stop_{false};
    std::atomic<long> relayed_{0};
    std::atomic<long> lost_{0};
    std::atomic<long> failed_{0};
    std::string why_;
    std::thread thread_;
};
