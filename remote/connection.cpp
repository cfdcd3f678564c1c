// SPDX-License-Identifier: GPL-3.0-or-later
#include "connection.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "leading_number.h"
#include "timer.h"
#include "wire_messages.h"

namespace velmora {

namespace {

constexpr int kHighestPort = 65530;

double leadingNumberOf(const QString& text) {
    return leadingNumber(text.toStdString());
}

bool isChat(const std::string& message) {
    return !message.empty() && message.front() == wire::kChatMark;
}

}  // namespace

Connection::Connection(Transport& transport, Timer& holdTimer, Timer& spacingTimer, int port,
                       QObject* parent)
    : QObject(parent),
      transport_(transport),
      holdTimer_(holdTimer),
      spacingTimer_(spacingTimer),
      portNumber_(port) {
    connect(&transport_, &Transport::connectionRequest, this, &Connection::acceptCaller);
    connect(&transport_, &Transport::connected, this, &Connection::callAnswered);
    connect(&transport_, &Transport::dataArrival, this, &Connection::readArrival);
    connect(&transport_, &Transport::closed, this, &Connection::peerClosed);
    connect(&transport_, &Transport::error, this, &Connection::transportFailed);
}

Transport::State Connection::socketState() const {
    return transport_.state();
}

QString Connection::localIp() const {
    return transport_.localIp();
}

void Connection::setState(State state) {
    state_ = state;
    emit stateChanged(state);
}

// --- commands

bool Connection::call(const QString& address) {
    remoteAddress_ = address;
    // The first part of a dotted address must be 1..255 (or 0 and a second
    // part): host names and 0.0.0.0 are refused.
    const double leading = leadingNumberOf(address);
    if (ended_ || state_ != State::Listening || askingAboutCaller_ ||
        !(leading > 0 && leading < 256)) {
        return false;
    }
    transport_.close();
    resetReading();
    answered_ = false;
    linkLost_ = false;
    transport_.setLocalPort(quint16(portNumber_ + 1));
    transport_.connectTo(address, quint16(portNumber_));
    setState(State::Calling);
    if (transport_.state() == Transport::State::Open) {
        emit portBusy();
        if (!ended_) {
            hangUpAndListen();
        }
    }
    return true;
}

void Connection::hangUpAndListen() {
    endConnection(true);
}

void Connection::endConnection(bool sayClose) {
    if (ended_ || closeWaiting_) {
        return;
    }
    if (sayClose && connected() && spacing_) {
        // The line stays up until "CLOSE" has gone out on its own; the game is
        // told the connection is over once it has.
        waiting_.emplace_back(wire::kClose);
        closeWaiting_ = true;
        setState(State::HangingUp);
        sendCloseIfDue();
        return;
    }
    if (sayClose) {
        send(wire::kClose);
    }
    closeAndListen();
}

void Connection::closeAndListen() {
    setState(State::HangingUp);
    spacingTimer_.cancel();
    spacing_ = false;
    waiting_.clear();
    closeWaiting_ = false;
    transport_.close();
    resetReading();
    listenOnPort();
    setState(State::Listening);
}

bool Connection::changePort(const QString& answer) {
    const double port = std::floor(leadingNumberOf(answer));
    if (ended_ || state_ != State::Listening || !(port >= 1 && port <= kHighestPort) ||
        port == portNumber_) {
        return false;
    }
    portNumber_ = int(port);
    hangUpAndListen();
    return true;
}

bool Connection::sendChat(const QByteArray& latin1Text) {
    if (!connected()) {
        return false;
    }
    send(
        wire::encodeChat(std::string_view(latin1Text.constData(), std::size_t(latin1Text.size()))));
    return true;
}

void Connection::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    holdTimer_.cancel();
    if (connected() || closeWaiting_) {
        // The window has gone: what the user typed last is not worth holding
        // the end up for, "CLOSE" is.
        waiting_.erase(std::remove_if(waiting_.begin(), waiting_.end(), isChat), waiting_.end());
        if (!std::exchange(closeWaiting_, true)) {
            waiting_.emplace_back(wire::kClose);
        }
        sendCloseIfDue();
        return;
    }
    finishEnd();
}

void Connection::finishEnd() {
    spacingTimer_.cancel();
    transport_.close();
    emit finished();
}

void Connection::send(std::string_view message) {
    if (!connected()) {
        return;
    }
    if (spacing_) {
        waiting_.emplace_back(message);
    } else {
        write(std::string(message));
    }
}

void Connection::write(const std::string& message) {
    transport_.sendData(message);
    if (isChat(message)) {
        spacing_ = true;
        lineAgeMilliseconds_ = 0;
        acknowledgedAgeMilliseconds_ = -1;
        spacingTimer_.start(kAcknowledgementPollMilliseconds, [this] { spacingTick(); });
    }
}

void Connection::spacingTick() {
    lineAgeMilliseconds_ += kAcknowledgementPollMilliseconds;
    if (acknowledgedAgeMilliseconds_ >= 0) {
        acknowledgedAgeMilliseconds_ += kAcknowledgementPollMilliseconds;
    } else if (!closeWaiting_ && transport_.unacknowledgedBytes() == 0) {
        // The line's last bytes reached the reader at the latest now, which
        // may hold a lone digit among them as the start of a move: what
        // follows waits out that hold from here, not from the write.
        acknowledgedAgeMilliseconds_ = 0;
    }
    const bool lineOld = lineAgeMilliseconds_ >= kChatSpacingMilliseconds;
    if (lineOld && (closeWaiting_ || acknowledgedAgeMilliseconds_ >= kChatSpacingMilliseconds)) {
        sendWaiting();
    } else {
        spacingTimer_.start(kAcknowledgementPollMilliseconds, [this] { spacingTick(); });
    }
}

void Connection::sendCloseIfDue() {
    if (!spacing_ || lineAgeMilliseconds_ >= kChatSpacingMilliseconds) {
        spacingTimer_.cancel();
        sendWaiting();
    }
}

void Connection::sendWaiting() {
    spacing_ = false;
    while (!waiting_.empty() && !spacing_) {
        const std::string message = std::move(waiting_.front());
        waiting_.pop_front();
        write(message);
    }
    if (spacing_) {
        return;
    }
    if (ended_) {
        finishEnd();
    } else if (closeWaiting_) {
        closeAndListen();
    }
}

void Connection::sendMove(Cell cell) {
    send(wire::encodeMove(cell.column, cell.row));
}

void Connection::sendReset() {
    send(wire::kReset);
}

void Connection::sendFinish() {
    send(wire::kFinish);
}

// --- the transport's events

void Connection::resetReading() {
    heldBytes_.clear();
    follows_ = wire::Follows::Message;
    holdTimer_.cancel();
}

void Connection::listenOnPort() {
    transport_.setLocalPort(quint16(portNumber_));
    transport_.listen();
    if (portNumber_ == 0 && transport_.state() == Transport::State::Listening) {
        portNumber_ = transport_.localPort();
    }
}

void Connection::acceptCaller(int requestId) {
    // A caller not accepted here is turned away by the transport.
    if (ended_ || askingAboutCaller_ || state_ != State::Listening) {
        return;
    }
    if (callerCheck_) {
        askingAboutCaller_ = true;
        const bool take = callerCheck_(transport_.callerAddress(requestId));
        askingAboutCaller_ = false;
        if (!take || ended_ || state_ != State::Listening) {
            return;
        }
    }
    // The listener makes way for the caller.
    transport_.close();
    transport_.accept(requestId);
    resetReading();
    linkLost_ = false;
    if (transport_.state() != Transport::State::Connected) {
        // Gone before it was taken: nobody to play with, nothing to show.
        listenOnPort();
        return;
    }
    answered_ = true;
    setState(State::Connected);
}

void Connection::callAnswered() {
    if (state_ == State::Calling) {
        setState(State::Connected);
    }
}

void Connection::peerClosed() {
    using Socket = Transport::State;
    const Socket state = transport_.state();
    if (!idle() &&
        (state == Socket::PeerClosing || state == Socket::Connected || state == Socket::Resolved)) {
        endConnection(false);  // nothing more reaches the other side
    }
}

void Connection::transportFailed(int number, const QString& description) {
    if (ended_) {
        return;
    }
    if (state_ == State::Connected && number != Transport::kIgnoredError) {
        // The system gave up on a link that was up (the other machine went
        // silent): ended as a dropped connection is, and told in the status.
        linkLost_ = true;
        endConnection(false);
        return;
    }
    if (!idle() && number != Transport::kIgnoredError) {
        endConnection(false);  // nothing more reaches the other side
    }
    emit failed(description);
}

void Connection::readArrival() {
    if (ended_) {
        return;
    }
    const QByteArray arrived = transport_.takeData();
    // Whether the read stopped early, asked before anything below can read again.
    const bool cutRead = transport_.bytesWaiting();
    holdTimer_.cancel();
    const wire::Reading reading = wire::readArrival(
        std::string_view(heldBytes_.constData(), std::size_t(heldBytes_.size())),
        std::string_view(arrived.constData(), std::size_t(arrived.size())), follows_);
    heldBytes_ = QByteArray::fromStdString(reading.held);
    follows_ = !reading.endsInChat ? wire::Follows::Message
               : cutRead           ? wire::Follows::CutRead
                                   : wire::Follows::ChatLine;
    if (!heldBytes_.isEmpty()) {
        holdTimer_.start(kHoldMilliseconds, [this] { flushHeldBytes(); });
    }
    handle(reading.messages);
}

void Connection::flushHeldBytes() {
    const wire::Reading reading = wire::flushHeldBytes(
        std::string_view(heldBytes_.constData(), std::size_t(heldBytes_.size())));
    heldBytes_.clear();
    follows_ = reading.endsInChat ? wire::Follows::ChatLine : wire::Follows::Message;
    handle(reading.messages);
}

void Connection::handle(const std::vector<wire::Message>& messages) {
    using Kind = wire::Message::Kind;
    for (const wire::Message& message : messages) {
        if (idle()) {
            return;  // what came after a "CLOSE" belongs to no game
        }
        switch (message.kind) {
            case Kind::Move:
                emit moveArrived({message.column, message.row});
                break;
            case Kind::Reset:
                emit resetArrived();
                break;
            case Kind::Finish:
                emit finishArrived();
                break;
            case Kind::Chat:
                emit chatArrived(
                    QString::fromLatin1(message.text.data(), qsizetype(message.text.size())));
                break;
            case Kind::Close:
                hangUpAndListen();
                return;
        }
    }
}

}  // namespace velmora
