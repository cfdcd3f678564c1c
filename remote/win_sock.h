// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

#include <string_view>

#include "transport.h"

class QTcpServer;
class QTcpSocket;

namespace velmora {

// One TCP socket that either listens for one caller or holds one connection,
// with the ten states the game reads (State below).
//
// Events are raised from the event loop, never from inside Qt's own signals,
// and none is raised for a connection or listener after close(): a handler
// may close the socket, or open a modal box, and still be handed every later
// arrival, close and error of what is open then. When a dataArrival handler
// that read the data returns with more bytes waiting, another dataArrival
// follows; no byte is left unread while the connection is open.
class WinSock : public Transport {
    Q_OBJECT

public:
    explicit WinSock(QObject* parent = nullptr);
    ~WinSock() override;

    // What one dataArrival can hand over at most: a peer that floods the
    // connection is read in pieces small enough to show one at a time without
    // holding up the window (a piece of chat becomes one line of the
    // transcript, and a long line is costly to lay out).
    static constexpr qint64 kReadBufferBytes = 4 * 1024;

    State state() const override { return state_; }

    // Requests not yet accepted survive until their connectionRequest handler
    // has returned, so it can close() and accept().
    void close() override;

    void setLocalPort(quint16 port) override { localPort_ = port; }
    quint16 localPort() const override;

    void listen() override;
    // Binds localPort (reusable while an earlier connection is in TIME_WAIT).
    void connectTo(const QString& remoteHost, quint16 remotePort) override;
    // Drops what the caller sent before.
    void accept(int requestId) override;
    // An IPv4 caller's address in dotted form, also on a listener for both kinds.
    QString callerAddress(int requestId) const override;
    // Applied on the connected socket's descriptor, as Qt only switches keep-alive on.
    void setLinkWatch(const LinkWatch& watch) override { linkWatch_ = watch; }

    void sendData(std::string_view bytes) override;
    // What Qt still holds as well as what the system sent and has not seen acknowledged.
    int unacknowledgedBytes() const override;
    // Every byte waiting, up to kReadBufferBytes.
    QByteArray takeData() override;
    // Counts what the system holds for the socket as well as Qt's buffer: a
    // read of a full buffer can leave the rest of a long line in the kernel.
    bool bytesWaiting() const override;

    QString localIp() const override;

private:
    void adoptConnection(QTcpSocket* socket);
    void dropConnection();
    void post(void (WinSock::*member)());
    void onNewConnection();
    void onSocketError();
    void onDisconnected();
    void scheduleArrival();
    void deliverArrival();
    void deliverConnect();
    void deliverClose();
    void deliverError();

    State state_ = State::Closed;
    LinkWatch linkWatch_;
    quint16 localPort_ = 0;
    QTcpServer* server_ = nullptr;
    QTcpSocket* connection_ = nullptr;
    QHash<int, QTcpSocket*> pending_;
    int nextRequestId_ = 0;
    // Bumped by close(): events posted for an earlier connection are dropped.
    quint64 generation_ = 0;
    bool arrivalScheduled_ = false;
    bool readDuringArrival_ = false;
    int errorNumber_ = 0;
    QString errorDescription_;
};

}  // namespace velmora
