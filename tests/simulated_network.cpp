#include "simulated_network.h"

namespace sim {

void Clock::at(qint64 time, std::function<void()> event, bool system) {
    events_.emplace(std::make_pair(std::max(time, now_), order_++),
                    std::make_pair(std::move(event), system));
    systemEvents_ += system ? 1 : 0;
}

bool Clock::step() {
    if (events_.empty()) {
        return false;
    }
    auto [when, event] = *events_.begin();
    events_.erase(events_.begin());
    now_ = when.first;
    systemEvents_ -= event.second ? 1 : 0;
    event.first();
    return true;
}

void ClockTimer::start(int milliseconds, std::function<void()> done) {
    clock_.at(clock_.now() + milliseconds, [this, generation = ++generation_, done] {
        if (generation == generation_) {
            done();
        }
    });
}

void Endpoint::close() {
    if (link_ != 0) {
        // Also a call still going out: the other side may have taken it already.
        network_.hangUp(network_.other(*this), link_);
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
    link_ = ++network_.lastLink_;
    network_.call(*this, remoteHost, remotePort);
}

void Endpoint::accept(int requestId) {
    const auto [caller, link] = requests_.take(requestId);
    state_ = Connected;
    link_ = link;
    network_.carry(*caller, link, [caller = caller] {
        caller->state_ = Connected;
        emit caller->connected();
    });
    if (caller->link_ != link) {
        network_.hangUp(*this, link);  // the caller gave up meanwhile
    }
}

void Endpoint::sendData(std::string_view bytes) {
    if (state_ == Connected) {
        network_.write(network_.other(*this), link_,
                       QByteArray(bytes.data(), qsizetype(bytes.size())));
    }
}

QByteArray Endpoint::takeData() {
    const QByteArray taken = inbox_.left(4096);
    inbox_.remove(0, taken.size());
    return taken;
}

void Endpoint::deliver(const QByteArray& bytes) {
    inbox_ += bytes;
    if (!arrivalRaised_) {
        // Like a socket's readyRead, once the bytes of this moment are in.
        arrivalRaised_ = true;
        network_.clock_.at(network_.clock_.now(), [this, link = link_] { raiseArrival(link); });
    }
}

void Endpoint::raiseArrival(std::uint64_t link) {
    arrivalRaised_ = false;
    if (link == link_ && !inbox_.isEmpty()) {
        emit dataArrival();
        if (link == link_ && !inbox_.isEmpty()) {
            deliver({});
        }
    }
}

Endpoint& Network::other(const Endpoint& endpoint) const {
    return *endpoints_[endpoints_[0] == &endpoint ? 1 : 0];
}

void Network::call(Endpoint& caller, const QString& address, quint16 port) {
    Endpoint& target = other(caller);
    clock_.at(clock_.now() + delay(), [this, &caller, &target, address, port, link = caller.link_] {
        if (caller.link_ != link) {
            return;
        }
        if (target.address() != address || target.state_ != Endpoint::Listening ||
            target.localPort_ != port) {
            carry(caller, link, [&caller] {
                caller.state_ = Endpoint::Error;
                emit caller.error(10061, QStringLiteral("Connection is forcefully rejected"));
            });
            return;
        }
        target.requests_.insert(++target.nextRequest_, {&caller, link});
        target.state_ = Endpoint::Pending;
        emit target.connectionRequest(target.nextRequest_);
    });
}

void Network::carry(Endpoint& to, std::uint64_t link, std::function<void()> event) {
    Direction& direction = directions_[{&to, link}];
    direction.last = std::max(clock_.now() + delay(), direction.last + 1);
    clock_.at(direction.last, [&to, link, event = std::move(event)] {
        if (to.link_ == link) {
            event();
        }
    });
}

void Network::write(Endpoint& to, std::uint64_t link, const QByteArray& bytes) {
    ++writes;
    Direction& direction = directions_[{&to, link}];
    const bool chat = bytes.startsWith('@');
    // A chat line has no end: a message glued behind one is read as more of
    // it by any reader of this protocol, so none is glued to one here.
    const bool glue =
        direction.last >= clock_.now() && (!direction.lastWasChat || chat) && chance(4) == 0;
    gluedWrites += glue ? 1 : 0;
    direction.lastWasChat = chat;
    qint64 time = glue ? direction.last : std::max(clock_.now() + delay(), direction.last + 1);
    const int pieces =
        std::min<int>(bytes.size() > 1 && chance(4) == 0 ? 2 + chance(2) : 1, int(bytes.size()));
    cutWrites += pieces > 1 ? 1 : 0;
    for (int piece = 0, start = 0; piece < pieces; ++piece) {
        const int left = int(bytes.size()) - start;
        const int size = piece == pieces - 1 ? left : 1 + chance(left - (pieces - piece - 1));
        time += piece > 0 ? chance(kMostPieceGap + 1) : 0;
        direction.last = std::max(direction.last, time);
        clock_.at(time, [this, &to, link, part = bytes.mid(start, size)] {
            if (to.link_ == link) {
                if (trace) {
                    trace(to.address() + " gets " + QString::fromLatin1(part.left(12)));
                }
                to.deliver(part);
            }
        });
        start += size;
    }
}

void Network::hangUp(Endpoint& to, std::uint64_t link) {
    carry(to, link, [&to] {
        to.state_ = Endpoint::PeerClosing;
        emit to.closed();
    });
}

}  // namespace sim
