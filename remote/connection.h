#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <vector>

#include "game.h"
#include "wire_reader.h"

namespace velmora {

class HoldTimer;
class Transport;

// The connection to the other copy of the game: it listens on the port,
// calls out, hangs up, and reads and writes the bytes of remote play. It is
// the game's Peer; the window shows its state and hands it the user's
// commands.
//
// While no remote game runs it listens. A caller is always taken: the
// answerer sends "RESET" and moves first, and the caller waits for that move
// from the moment it dials. Whenever the connection ends, whatever ends it,
// it listens again and the game goes on against the computer.
//
// Reading: every arrival is read by the wire reader. The start of a message
// cut at the end of an arrival is held back for a quarter of a second; a read
// that stopped with bytes still waiting in the middle of a chat line goes on
// with that line in the next.
class Connection : public QObject, public Peer {
    Q_OBJECT

public:
    enum class State {
        Listening,  // no remote game: listening, or trying to (the status tells)
        Calling,    // a call is going out
        Connected,  // a remote game runs
        HangingUp,  // between the end of a connection and listening again
    };
    static constexpr int kDefaultPort = 16323;
    static constexpr int kHoldMilliseconds = 250;

    // `port` 0 listens on a port the system picks, which becomes the port.
    Connection(Transport& transport, HoldTimer& holdTimer, Game& game, int port = kDefaultPort,
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
    // The program ends: "CLOSE" while connected, and nothing more happens.
    void end();

    // --- what to show
    State state() const { return state_; }
    bool idle() const { return state_ == State::Listening || state_ == State::HangingUp; }
    int socketState() const;
    int portNumber() const { return portNumber_; }
    QString localIp() const;
    // The address the user last typed, taken or not.
    const QString& remoteAddress() const { return remoteAddress_; }

    // --- Peer
    bool connected() const override;
    bool calling() const override;
    bool answeredCall() const override { return answered_; }
    void sendMove(int column, int row) override;
    void sendReset() override;
    void sendFinish() override;

signals:
    // The view to show: idle (listening) or connected (calling or in a game).
    // The status text is read afresh here and nowhere else.
    void viewChanged(bool idle);
    // A new connection or call: the chat boxes start empty.
    void chatCleared();
    void chatReceived(const QString& line);
    // The local port could not be bound for a call; the connection has gone
    // back to listening.
    void portBusy();
    // A failed connection, in words for the user.
    void failed(const QString& description);

private:
    void send(std::string_view message);
    void resetReading();
    void listenOnPort();
    void enterConnectedView();
    void acceptCaller(int requestId);
    void callAnswered();
    void peerClosed();
    void transportFailed(int number, const QString& description);
    void readArrival();
    void flushHeldBytes();
    void handle(const std::vector<wire::Message>& messages);

    Transport& transport_;
    HoldTimer& holdTimer_;
    Game& game_;
    State state_ = State::Listening;
    bool ended_ = false;
    bool answered_ = false;
    int portNumber_;
    QString remoteAddress_;
    QByteArray heldBytes_;
    wire::Follows follows_ = wire::Follows::Message;
};

}  // namespace velmora
