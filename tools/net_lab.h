// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <memory>

#include "frame_relay.h"

// Two network namespaces of this process's own making, joined by a virtual
// Ethernet pair: two machines for the tests of real links, cut or lossy,
// with no traffic leaving this machine. Needs root and `ip`. Or joined
// through a third, whose FrameRelay delays, jitters and loses what passes: a
// slow, lossy network with no netem in the kernel.
class NetLab {
public:
    static constexpr std::array<const char*, 2> kAddress{"198.18.0.1", "198.18.0.2"};

    // `why` says what failed when made() is false.
    NetLab();
    explicit NetLab(const FrameRelay::Path& relayed);
    ~NetLab();
    NetLab(const NetLab&) = delete;
    NetLab& operator=(const NetLab&) = delete;

    bool made() const { return made_; }
    const QString& why() const { return why_; }

    // Sockets this thread makes from now on belong to `side`'s machine (0 or
    // 1); leave() returns it to the namespace it started in.
    void enter(int side);
    void leave();

    // Side 1's end goes down without a word: no reset, no close.
    bool cut();
    // What the relay did so far; nothing on a direct pair.
    FrameRelay::Figures relayed() const {
        return relay_ ? relay_->figures() : FrameRelay::Figures{};
    }

private:
    bool run(const QString& command);
    void make(bool relayed);
    // Frames leave `device` whole, checksums written: a relay that copies
    // them raw cannot finish what the system left to the hardware.
    bool writeChecksums(const QString& name, const char* device);

    bool made_ = false;
    QString why_;
    std::array<QString, 2> names_;
    QString middle_;
    std::unique_ptr<FrameRelay> relay_;
    int home_ = -1;
};
