// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "board.h"
#include "transport.h"
#include "wire_reader.h"

namespace velmora {

class Timer;

// The connection to the other copy of the game: it listens on the port,
// calls out, hangs up, and reads and writes the bytes of remote play. It
// says what arrived and what became of the connection, and sends what it is
// given while a remote game runs; it knows nothing of the game itself.
//
// While no remote game runs it listens. A caller is taken unless the caller
// check, asked first, says no. Whenever the connection ends, whatever ends
// it, it listens again.
//
// Sending: a chat line has no end on the wire, so whatever is sent right
// behind one would be read as more of it. After a chat line goes out, every
// later message waits, in order, until kChatSpacingMilliseconds have passed
// since the other side's system acknowledged the line (looked at every
// kAcknowledgementPollMilliseconds): bytes it has not may be sent again by
// ours, later, and what follows would go out with them; and the reader may
// hold the line's last bytes for a while once they come. "CLOSE" at a
// hang-up or at the end waits kChatSpacingMilliseconds after the line only.
//
// Reading: every arrival is read by the wire reader. The start of a message
// cut at the end of an arrival is held back for a quarter of a second; a read
// that stopped with bytes still waiting in the middle of a chat line goes on
// with that line in the next.
class Connection : public QObject {
    Q_OBJECT

public:
    enum class State {
        Listening,  // no remote game: listening, or trying to (the status tells)
        Calling,    // a call is going out
        Connected,  // a remote game runs
        HangingUp,  // between the end of a connection and listening again
    };
    Q_ENUM(State)
    static constexpr int kDefaultPort = 16323;
    static constexpr int kHoldMilliseconds = 250;
    static constexpr int kChatSpacingMilliseconds = 300;
    static constexpr int kAcknowledgementPollMilliseconds = 25;
    // Asked with the caller's address before a call is taken; false turns it away.
    using CallerCheck = std::function<bool(const QString& address)>;

    // `port` 0 listens on a port the system picks, which becomes the port.
    // `spacingTimer` paces what follows a chat line.
    Connection(Transport& transport, Timer& holdTimer, Timer& spacingTimer, int port = kDefaultPort,
               QObject* parent = nullptr);

    // --- commands
    // Calls `address` on the port from the port plus one. False, with nothing
    // changed, for an address whose first part is not 1..255.
    bool call(const QString& address);
    // Whatever is open ends ("CLOSE" first while connected), the port is
    // listened on afresh, and the computer takes a turn the other side owed.
    void hangUpAndListen();
    // The leading number of what the user typed, rounded down; a port of
    // 1..65530 other than the current one is taken and listened on.
    bool changePort(const QString& answer);
    // "@" and the text (ISO 8859-1); false, and nothing sent, unless connected.
    bool sendChat(const QByteArray& latin1Text);
    // The messages of a remote game; nothing is sent unless connected.
    void sendMove(Cell cell);
    void sendReset();
    void sendFinish();
    // The program ends: "CLOSE" while connected, and nothing more happens.
    // Behind a chat line it goes out once the spacing is over (finished()
    // tells when); the chat lines still waiting are dropped.
    void end();
    // While a caller check runs, another caller is turned away.
    void setCallerCheck(CallerCheck check) { callerCheck_ = std::move(check); }

    // --- what to show
    State state() const { return state_; }
    bool idle() const { return state_ == State::Listening || state_ == State::HangingUp; }
    bool connected() const { return state_ == State::Connected; }
    // This copy took the other's call (the last connection, until the next call).
    bool answeredCall() const { return answered_; }
    Transport::State socketState() const;
    int portNumber() const { return portNumber_; }
    QString localIp() const;
    // The address the user last typed, taken or not.
    const QString& remoteAddress() const { return remoteAddress_; }
    // The last connection ended because the system gave up on the link.
    bool linkLost() const { return linkLost_; }

signals:
    // Calling, Connected (with answeredCall() telling who called), Listening
    // again; also HangingUp, on the way. The socket's state may have changed
    // with it.
    void stateChanged(Connection::State state);
    // From the other copy, in the order they came.
    void moveArrived(Cell cell);
    void resetArrived();
    void finishArrived();
    void chatArrived(const QString& line);
    // The local port could not be bound for a call; the connection has gone
    // back to listening.
    void portBusy();
    // A failed call, in words for the user.
    void failed(const QString& description);
    // After end(): the last message has gone out.
    void finished();

private:
    void send(std::string_view message);
    void write(const std::string& message);
    void spacingTick();
    // "CLOSE" waits behind a chat line for the spacing only.
    void sendCloseIfDue();
    void sendWaiting();
    void finishEnd();
    void resetReading();
    void listenOnPort();
    void setState(State state);
    void acceptCaller(int requestId);
    void callAnswered();
    // `sayClose`: "CLOSE" goes out first, while the line is still up.
    void endConnection(bool sayClose);
    void closeAndListen();
    void peerClosed();
    void transportFailed(int number, const QString& description);
    void readArrival();
    void flushHeldBytes();
    void handle(const std::vector<wire::Message>& messages);

    Transport& transport_;
    Timer& holdTimer_;
    Timer& spacingTimer_;
    CallerCheck callerCheck_;
    State state_ = State::Listening;
    bool ended_ = false;
    bool answered_ = false;
    bool askingAboutCaller_ = false;
    bool linkLost_ = false;
    // A chat line's spacing runs: messages wait here.
    bool spacing_ = false;
    // How long ago the last chat line went out, and its acknowledgement was
    // first seen (-1 while it has not been), as counted by the spacing timer.
    int lineAgeMilliseconds_ = 0;
    int acknowledgedAgeMilliseconds_ = -1;
    std::deque<std::string> waiting_;
    // A hang-up whose "CLOSE" waits behind a chat line.
    bool closeWaiting_ = false;
    int portNumber_;
    QString remoteAddress_;
    QByteArray heldBytes_;
    wire::Follows follows_ = wire::Follows::Message;
};

}  // namespace velmora
