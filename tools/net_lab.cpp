// SPDX-License-Identifier: GPL-3.0-or-later
#include "net_lab.h"

#include <QCoreApplication>
#include <QProcess>

#include <fcntl.h>
#include <linux/ethtool.h>
#include <linux/sockios.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

NetLab::NetLab() {
    make(false);
}

NetLab::NetLab(const FrameRelay::Path& relayed) {
    make(true);
    if (!made_) {
        return;
    }
    relay_ =
        std::make_unique<FrameRelay>(("/run/netns/" + middle_).toStdString(), "r0", "r1", relayed);
    made_ = relay_->running();
    if (!made_) {
        why_ = QString::fromStdString("relay: " + relay_->why());
    }
}

void NetLab::make(bool relayed) {
    home_ = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
    const QString stem = QStringLiteral("velmora%1").arg(QCoreApplication::applicationPid());
    names_ = {stem + "a", stem + "b"};
    if (::geteuid() != 0) {
        why_ = QStringLiteral("not root: network namespaces cannot be made");
        return;
    }
    const QString a = names_[0];
    const QString b = names_[1];
    const QString pair = QStringLiteral("ip link add %1 netns %2 type veth peer name %3 netns %4");
    if (relayed) {
        middle_ = stem + "r";
        made_ = run("ip netns add " + middle_) && run("ip netns add " + a) &&
                run("ip netns add " + b) && run(pair.arg("veth0", a, "r0", middle_)) &&
                run(pair.arg("veth1", b, "r1", middle_)) &&
                run("ip -n " + middle_ + " link set r0 up") &&
                run("ip -n " + middle_ + " link set r1 up") && writeChecksums(a, "veth0") &&
                writeChecksums(b, "veth1");
    } else {
        made_ = run("ip netns add " + a) && run("ip netns add " + b) &&
                run(pair.arg("veth0", a, "veth1", b));
    }
    for (int side = 0; made_ && side < 2; ++side) {
        const QString in = "ip -n " + names_[side];
        const QString device = QString("veth%1").arg(side);
        made_ = run(QString("%1 addr add %2/24 dev %3").arg(in, kAddress[side], device)) &&
                run(QString("%1 link set %2 up").arg(in, device)) && run(in + " link set lo up");
    }
    if (!made_ && why_.isEmpty()) {
        why_ = QStringLiteral("network namespaces could not be made here");
    }
}

bool NetLab::writeChecksums(const QString& name, const char* device) {
    const QByteArray path = "/run/netns/" + name.toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::setns(fd, CLONE_NEWNET) != 0) {
        why_ = name + ": cannot enter";
        return false;
    }
    ::close(fd);
    const int control = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ifreq request{};
    std::strncpy(request.ifr_name, device, IFNAMSIZ - 1);
    // Checksums and segments the system makes itself (large segments need
    // the hardware's checksum, so they go with it).
    bool done = control >= 0;
    for (const unsigned command : {ETHTOOL_STXCSUM, ETHTOOL_SGSO}) {
        ethtool_value value{command, 0};
        request.ifr_data = reinterpret_cast<char*>(&value);
        done = done && ::ioctl(control, SIOCETHTOOL, &request) == 0;
    }
    if (!done) {
        why_ =
            QStringLiteral("%1: checksum offload stays on: %2").arg(device, std::strerror(errno));
    }
    if (control >= 0) {
        ::close(control);
    }
    leave();
    return done;
}

NetLab::~NetLab() {
    leave();
    relay_.reset();
    for (const QString& name : {names_[0], names_[1], middle_}) {
        if (!name.isEmpty()) {
            QProcess::execute("ip", {"netns", "delete", name});
        }
    }
    if (home_ >= 0) {
        ::close(home_);
    }
}

bool NetLab::run(const QString& command) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.startCommand(command);
    const bool done = process.waitForFinished(10000) &&
                      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!done && why_.isEmpty()) {
        why_ = command + ": " + QString::fromLocal8Bit(process.readAll()).trimmed();
    }
    return done;
}

void NetLab::enter(int side) {
    const QByteArray path = "/run/netns/" + names_[side].toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::setns(fd, CLONE_NEWNET);
        ::close(fd);
    }
}

void NetLab::leave() {
    if (home_ >= 0) {
        ::setns(home_, CLONE_NEWNET);
    }
}

bool NetLab::cut() {
    return run("ip -n " + names_[1] + " link set veth1 down");
}
