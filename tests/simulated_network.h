#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <utility>

#include "hold_timer.h"
#include "pause_timer.h"
#include "transport.h"

// Two copies of the game in one process: a clock the simulation advances, the
// game's and the connection's timers on it, and a network that delays, cuts
// and glues bytes, all drawn from one seeded engine, so a seed replays a run.
namespace sim {

// Events at simulated milliseconds, in time order, and in the order they were
// set for the same moment. A quiet moment has no system event (network,
// timers) waiting; the users' actions do not count.
class Clock {
public:
    qint64 now() const { return now_; }
    void at(qint64 time, std::function<void()> event, bool system = true);
    bool step();  // runs the next event; false when there is none
    bool quiet() const { return systemEvents_ == 0; }

private:
    std::map<std::pair<qint64, std::uint64_t>, std::pair<std::function<void()>, bool>> events_;
    qint64 now_ = 0;
    std::uint64_t order_ = 0;
    int systemEvents_ = 0;
};

// The pauses of the animations (ten milliseconds) and the connection's hold.
class ClockTimer : public velmora::PauseTimer, public velmora::HoldTimer {
public:
    explicit ClockTimer(Clock& clock) : clock_(clock) {}
    void start(std::function<void()> done) override {
        start(velmora::TenMillisecondPause::kMilliseconds, std::move(done));
    }
    void start(int milliseconds, std::function<void()> done) override;
    void cancel() override { ++generation_; }

private:
    Clock& clock_;
    std::uint64_t generation_ = 0;
};

class Network;

// One copy's end: it listens at its address, calls the other's, and reads
// what came a buffer's worth at a time.
class Endpoint : public velmora::Transport {
    Q_OBJECT

public:
    Endpoint(Network& network, QString address) : network_(network), address_(std::move(address)) {}
    const QString& address() const { return address_; }

    int state() const override { return state_; }
    void close() override;
    void setLocalPort(quint16 port) override { localPort_ = port; }
    quint16 localPort() const override { return localPort_; }
    void listen() override;
    void connectTo(const QString& remoteHost, quint16 remotePort) override;
    void accept(int requestId) override;
    void sendData(std::string_view bytes) override;
    QByteArray takeData() override;
    bool bytesWaiting() const override { return !inbox_.isEmpty(); }
    QString localIp() const override { return address_; }

private:
    friend class Network;
    void deliver(const QByteArray& bytes);
    void raiseArrival(std::uint64_t link);

    Network& network_;
    QString address_;
    int state_ = Closed;
    quint16 localPort_ = 0;
    std::uint64_t link_ = 0;  // the connection or call this end holds; 0 for none
    QHash<int, std::pair<Endpoint*, std::uint64_t>> requests_;  // caller and its link
    int nextRequest_ = 0;
    QByteArray inbox_;
    bool arrivalRaised_ = false;
};

// Two endpoints, each its own machine. Every crossing takes 0 to 300 ms and
// the bytes of a direction keep their order; a write may be cut into pieces
// up to 200 ms apart, and glued to the one before it.
class Network {
public:
    static constexpr int kMostDelay = 300;
    static constexpr int kMostPieceGap = 200;

    Network(Clock& clock, std::mt19937_64& random) : clock_(clock), random_(random) {}
    void add(Endpoint& endpoint) { endpoints_.push_back(&endpoint); }
    int chance(int below) { return int(random_() % std::uint64_t(below)); }

    long writes = 0;
    long cutWrites = 0;
    long gluedWrites = 0;
    // Told of every delivery, for the story of a failure.
    std::function<void(const QString&)> trace;

private:
    friend class Endpoint;
    struct Direction {
        qint64 last = 0;  // the time of its last delivery
        bool lastWasChat = false;
    };
    Endpoint& other(const Endpoint& endpoint) const;
    qint64 delay() { return chance(kMostDelay + 1); }
    void call(Endpoint& caller, const QString& address, quint16 port);
    // Runs `event` on `to` after a crossing, behind everything sent that way
    // before, while the connection `link` still stands.
    void carry(Endpoint& to, std::uint64_t link, std::function<void()> event);
    void write(Endpoint& to, std::uint64_t link, const QByteArray& bytes);
    void hangUp(Endpoint& to, std::uint64_t link);

    Clock& clock_;
    std::mt19937_64& random_;
    std::vector<Endpoint*> endpoints_;
    std::map<std::pair<Endpoint*, std::uint64_t>, Direction> directions_;
    std::uint64_t lastLink_ = 0;
};

}  // namespace sim
