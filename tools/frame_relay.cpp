// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame_relay.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <linux/if_packet.h>
#include <net/ethernet.h>
#include <net/if.h>
#include <poll.h>
#include <sched.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A raw socket that hears every frame arriving on `device`, none that it sends.
int openTap(const std::string& device, std::string& why) {
    const int fd = ::socket(AF_PACKET, SOCK_RAW | SOCK_CLOEXEC, htons(ETH_P_ALL));
    const unsigned index = ::if_nametoindex(device.c_str());
    if (fd < 0 || index == 0) {
        why = device + ": " + std::strerror(errno);
        if (fd >= 0) {
            ::close(fd);
        }
        return -1;
    }
    sockaddr_ll address{};
    address.sll_family = AF_PACKET;
    address.sll_protocol = htons(ETH_P_ALL);
    address.sll_ifindex = int(index);
    packet_mreq promiscuous{};
    promiscuous.mr_ifindex = int(index);
    promiscuous.mr_type = PACKET_MR_PROMISC;
    const int on = 1;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::setsockopt(fd, SOL_PACKET, PACKET_ADD_MEMBERSHIP, &promiscuous, sizeof promiscuous) !=
            0 ||
        ::setsockopt(fd, SOL_PACKET, PACKET_IGNORE_OUTGOING, &on, sizeof on) != 0) {
        why = device + ": " + std::strerror(errno);
        ::close(fd);
        return -1;
    }
    return fd;
}

struct Frame {
    Clock::time_point due;
    std::vector<char> bytes;
};

}  // namespace

FrameRelay::FrameRelay(const std::string& namespacePath, const std::string& first,
                       const std::string& second, const Path& path)
    : path_(path), thread_(&FrameRelay::run, this, namespacePath, first, second) {}

FrameRelay::~FrameRelay() {
    stop_ = true;
    thread_.join();
}

bool FrameRelay::running() {
    while (started_ == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return started_ > 0;
}

void FrameRelay::run(std::string namespacePath, std::string first, std::string second) {
    // Only this thread moves into the middle machine.
    const int ns = ::open(namespacePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (ns < 0 || ::setns(ns, CLONE_NEWNET) != 0) {
        why_ = namespacePath + ": " + std::strerror(errno);
        started_ = -1;
        return;
    }
    ::close(ns);
    const int taps[2] = {openTap(first, why_), openTap(second, why_)};
    if (taps[0] < 0 || taps[1] < 0) {
        for (const int fd : taps) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
        started_ = -1;
        return;
    }
    started_ = 1;
    std::mt19937 dice(path_.seed);
    std::uniform_int_distribution<int> delay(path_.delayMilliseconds - path_.jitterMilliseconds,
                                             path_.delayMilliseconds + path_.jitterMilliseconds);
    std::uniform_int_distribution<int> percent(0, 99);
    std::deque<Frame> queued[2];  // [from] to go out of the other interface
    std::vector<char> buffer(65536);
    while (!stop_) {
        const Clock::time_point now = Clock::now();
        int wait = 10;  // so a stop is seen soon
        for (int from = 0; from < 2; ++from) {
            while (!queued[from].empty() && queued[from].front().due <= now) {
                const std::vector<char>& bytes = queued[from].front().bytes;
                if (::send(taps[1 - from], bytes.data(), bytes.size(), 0) < 0) {
                    ++failed_;
                }
                queued[from].pop_front();
            }
            if (!queued[from].empty()) {
                const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    queued[from].front().due - now);
                wait = std::min(wait, int(left.count()) + 1);
            }
        }
        pollfd heard[2] = {{taps[0], POLLIN, 0}, {taps[1], POLLIN, 0}};
        if (::poll(heard, 2, wait) <= 0) {
            continue;
        }
        for (int from = 0; from < 2; ++from) {
            if ((heard[from].revents & POLLIN) == 0) {
                continue;
            }
            const ssize_t size = ::recv(taps[from], buffer.data(), buffer.size(), MSG_DONTWAIT);
            if (size < ETH_HLEN) {
                continue;
            }
            const bool ipv4 = buffer[12] == 0x08 && buffer[13] == 0x00;
            if (ipv4 && percent(dice) < path_.lossPercent) {
                ++lost_;
                continue;
            }
            Clock::time_point due = Clock::now() + std::chrono::milliseconds(delay(dice));
            if (!queued[from].empty()) {
                due = std::max(due, queued[from].back().due);
            }
            queued[from].push_back({due, {buffer.begin(), buffer.begin() + size}});
            ++relayed_;
        }
    }
    ::close(taps[0]);
    ::close(taps[1]);
}
