#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <utility>

#include "hold_timer.h"
#include "pause_timer.h"
#include "transport.h"

// Two copies of the game in one process: a clock the simulation advances, the
// timers of the game and the connection on that clock, and a network that
// delays, cuts and glues bytes, all driven by one seeded random engine, so
// that a seed replays a run exactly.
namespace sim {

// Events at simulated milliseconds, in time order, and in the order they were
// set for the same moment. System events (the network, the timers) are told
// apart from the users' actions: a quiet moment has none of the first kind.
class Clock {
public:
    qint64 now() const { return now_; }
    void at(qint64 time, std::function<void()> event, bool system = true);
    // Runs the next event; false when there is none.
    bool step();
    bool quiet() const { return systemEvents_ == 0; }

private:
    struct Event {
        std::function<void()> run;
        bool system;
    };
    std::map<std::pair<qint64, std::uint64_t>, Event> events_;
    qint64 now_ = 0;
    std::uint64_t order_ = 0;
    int systemEvents_ = 0;
};

// Ten simulated milliseconds a pause.
class ClockPause : public velmora::PauseTimer {
public:
    explicit ClockPause(Clock& clock) : clock_(clock) {}
    void start(std::function<void()> done) override;
    void cancel() override { ++generation_; }

private:
    Clock& clock_;
    std::uint64_t generation_ = 0;
};

class ClockHold : public velmora::HoldTimer {
public:
    explicit ClockHold(Clock& clock) : clock_(clock) {}
    void start(int milliseconds, std::function<void()> done) override;
    void cancel() override { ++generation_; }

private:
    Clock& clock_;
    std::uint64_t generation_ = 0;
};

class Network;

// One copy's end of the network: it listens on its address, calls the
// other's, and reads what arrived a buffer's worth at a time.
class Endpoint : public velmora::Transport {
    Q_OBJECT

public:
    static constexpr int kReadBufferBytes = 4096;

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
    struct Request {
        Endpoint* caller = nullptr;
        std::uint64_t link = 0;
    };
    Endpoint* peer() const;
    void deliver(const QByteArray& bytes);
    void raiseArrival(std::uint64_t link);

    Network& network_;
    QString address_;
    int state_ = Closed;
    quint16 localPort_ = 0;
    // The connection or call this end holds; 0 for none.
    std::uint64_t link_ = 0;
    QHash<int, Request> requests_;
    int nextRequest_ = 0;
    QByteArray inbox_;
    bool arrivalRaised_ = false;
};

// What the network did to the bytes, for the figures.
struct NetworkFigures {
    long writes = 0;
    long cutWrites = 0;
    long gluedWrites = 0;
};

// Two endpoints, each its own machine. Every crossing takes 0 to 300 ms; the
// bytes of one direction keep their order.
class Network {
public:
    static constexpr int kMostDelay = 300;
    static constexpr int kMostPieceGap = 200;

    Network(Clock& clock, std::mt19937_64& random) : clock_(clock), random_(random) {}
    void add(Endpoint& endpoint) { endpoints_.push_back(&endpoint); }
    int chance(int below) { return int(random_() % std::uint64_t(below)); }
    const NetworkFigures& figures() const { return figures_; }
    // Told of every write and delivery, for the story of a failure.
    std::function<void(const QString&)> trace;

private:
    friend class Endpoint;
    // A direction of a connection: the time of its last delivery keeps the
    // bytes in order, and whether the last write was a chat line.
    struct Direction {
        qint64 last = 0;
        bool lastWasChat = false;
    };
    Endpoint* other(const Endpoint& endpoint) const;
    qint64 delay();
    void call(Endpoint& caller, const QString& address, quint16 port);
    // Runs `event` on `to` after the network's delay, behind everything sent
    // that way before, and only while the connection `link` still stands.
    void carry(Endpoint& to, std::uint64_t link, qint64 delay, std::function<void()> event);
    void write(Endpoint& from, Endpoint& to, std::uint64_t link, const QByteArray& bytes);
    void hangUp(Endpoint& from, Endpoint& to, std::uint64_t link);
    std::uint64_t newLink() { return ++lastLink_; }

    Clock& clock_;
    std::mt19937_64& random_;
    std::vector<Endpoint*> endpoints_;
    std::map<std::pair<Endpoint*, std::uint64_t>, Direction> directions_;
    std::uint64_t lastLink_ = 0;
    NetworkFigures figures_;
};

}  // namespace sim
