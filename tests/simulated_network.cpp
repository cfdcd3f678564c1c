#include "simulated_network.h"

namespace sim {

void Clock::at(qint64 time, std::function<void()> event, bool system) {
    events_.emplace(std::make_pair(std::max(time, now_), order_++),
                    Event{std::move(event), system});
    systemEvents_ += system ? 1 : 0;
}

bool Clock::step() {
    if (events_.empty()) {
        return false;
    }
    auto first = events_.begin();
    now_ = first->first.first;
    Event event = std::move(first->second);
    events_.erase(first);
    systemEvents_ -= event.system ? 1 : 0;
    event.run();
    return true;
}

void ClockPause::start(std::function<void()> done) {
    const std::uint64_t generation = ++generation_;
    clock_.at(clock_.now() + velmora::TenMillisecondPause::kMilliseconds,
              [this, generation, done = std::move(done)] {
                  if (generation == generation_) {
                      done();
                  }
              });
}

void ClockHold::start(int milliseconds, std::function<void()> done) {
    const std::uint64_t generation = ++generation_;
    clock_.at(clock_.now() + milliseconds, [this, generation, done = std::move(done)] {
        if (generation == generation_) {
            done();
        }
    });
}

// --- an endpoint

void Endpoint::close() {
    if (link_ != 0) {
        // Also a call still going out: the other side may have taken it already.
        network_.hangUp(*this, *peer(), link_);
    }
    link_ = 0;
    inbox_.clear();
    state_ = Closed;
}

void Endpoint::listen() {
    close();
    state_ = Listening;
}

void Endpoint::connectTo(const QString& remoteHost, quint16 remotePort) {
    close();
    state_ = Connecting;
    link_ = network_.newLink();
    network_.call(*this, remoteHost, remotePort);
}

void Endpoint::accept(int requestId) {
    const Request request = requests_.take(requestId);
    if (request.caller == nullptr) {
        return;
    }
    state_ = Connected;
    link_ = request.link;
    Endpoint& caller = *request.caller;
    const std::uint64_t link = request.link;
    network_.carry(caller, link, network_.delay(), [&caller, link] {
        caller.state_ = Connected;
        emit caller.connected();
    });
    if (caller.link_ != link || caller.state_ != Connecting) {
        network_.hangUp(caller, *this, link);  // the caller gave up meanwhile
    }
}

void Endpoint::sendData(std::string_view bytes) {
    if (state_ == Connected) {
        network_.write(*this, *peer(), link_, QByteArray(bytes.data(), qsizetype(bytes.size())));
    }
}

QByteArray Endpoint::takeData() {
    const QByteArray taken = inbox_.left(kReadBufferBytes);
    inbox_.remove(0, taken.size());
    return taken;
}

Endpoint* Endpoint::peer() const {
    return network_.other(*this);
}

void Endpoint::deliver(const QByteArray& bytes) {
    inbox_ += bytes;
    if (!arrivalRaised_) {
        arrivalRaised_ = true;
        // Like a socket's readyRead, from the event loop once the bytes are in.
        network_.clock_.at(network_.clock_.now(), [this, link = link_] { raiseArrival(link); });
    }
}

void Endpoint::raiseArrival(std::uint64_t link) {
    arrivalRaised_ = false;
    if (link != link_ || inbox_.isEmpty()) {
        return;
    }
    emit dataArrival();
    if (link == link_ && !inbox_.isEmpty() && !arrivalRaised_) {
        arrivalRaised_ = true;
        network_.clock_.at(network_.clock_.now(), [this, link] { raiseArrival(link); });
    }
}

// --- the network

Endpoint* Network::other(const Endpoint& endpoint) const {
    for (Endpoint* candidate : endpoints_) {
        if (candidate != &endpoint) {
            return candidate;
        }
    }
    return nullptr;
}

qint64 Network::delay() {
    return chance(kMostDelay + 1);
}

void Network::call(Endpoint& caller, const QString& address, quint16 port) {
    Endpoint* target = nullptr;
    for (Endpoint* candidate : endpoints_) {
        if (candidate->address() == address) {
            target = candidate;
        }
    }
    const std::uint64_t link = caller.link_;
    clock_.at(clock_.now() + delay(), [this, &caller, target, port, link] {
        if (caller.link_ != link || caller.state_ != Endpoint::Connecting) {
            return;
        }
        if (target == nullptr || target->state_ != Endpoint::Listening ||
            target->localPort_ != port) {
            // Refused: the answer comes back after another crossing of the network.
            carry(caller, link, delay(), [&caller] {
                caller.state_ = Endpoint::Error;
                emit caller.error(10061, QStringLiteral("Connection is forcefully rejected"));
            });
            return;
        }
        const int id = ++target->nextRequest_;
        target->requests_.insert(id, {&caller, link});
        target->state_ = Endpoint::Pending;
        emit target->connectionRequest(id);
    });
}

void Network::carry(Endpoint& to, std::uint64_t link, qint64 delay, std::function<void()> event) {
    Direction& direction = directions_[{&to, link}];
    const qint64 time = std::max(clock_.now() + delay, direction.last + 1);
    direction.last = time;
    clock_.at(time, [&to, link, event = std::move(event)] {
        if (to.link_ == link) {
            event();
        }
    });
}

void Network::write(Endpoint& from, Endpoint& to, std::uint64_t link, const QByteArray& bytes) {
    Q_UNUSED(from);
    ++figures_.writes;
    Direction& direction = directions_[{&to, link}];
    const bool chat = bytes.startsWith('@');
    // A chat line has no end: whatever is glued behind one is read as more of
    // it by any reader, so the network here never glues a message to one.
    const bool glue =
        direction.last >= clock_.now() && (!direction.lastWasChat || chat) && chance(4) == 0;
    qint64 time = glue ? direction.last : std::max(clock_.now() + delay(), direction.last + 1);
    figures_.gluedWrites += glue ? 1 : 0;
    direction.lastWasChat = chat;
    // Cut into up to three pieces, each within 200 ms of the one before.
    int pieces = bytes.size() > 1 && chance(4) == 0 ? 2 + chance(2) : 1;
    pieces = std::min<int>(pieces, int(bytes.size()));
    figures_.cutWrites += pieces > 1 ? 1 : 0;
    qsizetype start = 0;
    for (int piece = 0; piece < pieces; ++piece) {
        const qsizetype left = bytes.size() - start;
        const qsizetype size =
            piece == pieces - 1 ? left : 1 + qsizetype(chance(int(left - (pieces - piece - 1))));
        const QByteArray part = bytes.mid(start, size);
        start += size;
        if (piece > 0) {
            time += chance(kMostPieceGap + 1);
        }
        direction.last = std::max(direction.last, time);
        clock_.at(time, [this, &to, link, part] {
            if (to.link_ == link) {
                if (trace) {
                    trace(QStringLiteral("%1 gets %2")
                              .arg(to.address(), QString::fromLatin1(part.left(12))));
                }
                to.deliver(part);
            }
        });
    }
}

void Network::hangUp(Endpoint& from, Endpoint& to, std::uint64_t link) {
    Q_UNUSED(from);
    carry(to, link, delay(), [&to] {
        to.state_ = Endpoint::PeerClosing;
        emit to.closed();
    });
}

}  // namespace sim
