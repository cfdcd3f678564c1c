// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <string_view>

namespace velmora {

// One TCP endpoint that either listens for one caller or holds one
// connection: what the connection to the other copy needs of a socket. The
// program's is WinSock; a test puts a simulated network in its place.
//
// Events come from the event loop (or the simulated clock), never from inside
// a call the connection makes, and none comes for a connection or listener
// after close().
class Transport : public QObject {
    Q_OBJECT

public:
    // The ten states of the socket, each shown to the user by name.
    enum class State {
        Closed,
        Open,  // a connection attempt that could not bind its local port
        Listening,
        Pending,  // a request waits for its handler
        Resolving,
        Resolved,
        Connecting,
        Connected,
        PeerClosing,  // the peer has closed its end
        Error,
    };
    Q_ENUM(State)

    // The number of the error the program never acts on.
    static constexpr int kIgnoredError = 40017;

    // How the system watches a connection that is up, so that one whose other
    // end went silent (its network gone, its machine asleep) is ended: probes
    // after `idleSeconds` of quiet, every `intervalSeconds`, given up after
    // `probes` unanswered; and data left unacknowledged for
    // `unacknowledgedSeconds`. A user thinking for long is no silence: the
    // other machine's system answers the probes.
    struct LinkWatch {
        int idleSeconds = 10;
        int intervalSeconds = 5;
        int probes = 6;  // so a dead link is noticed within 45 s
        int unacknowledgedSeconds = 30;
    };

    using QObject::QObject;

    virtual State state() const = 0;
    // Ends any connection or listener.
    virtual void close() = 0;
    // The port the next listen() or connectTo() binds; 0 lets the system
    // choose. Read back, it is the port actually bound.
    virtual void setLocalPort(quint16 port) = 0;
    virtual quint16 localPort() const = 0;
    virtual void listen() = 0;
    // Connecting while the attempt runs, Open when the local port cannot be bound.
    virtual void connectTo(const QString& remoteHost, quint16 remotePort) = 0;
    // What the caller sent before it was taken belongs to no game and is dropped.
    virtual void accept(int requestId) = 0;
    // The address of a caller not yet accepted, as the system gives it.
    virtual QString callerAddress(int requestId) const = 0;
    // For connections made from now on; a transport with no system link under
    // it has nothing to watch.
    virtual void setLinkWatch(const LinkWatch& /*watch*/) {}
    // The bytes as they are, at once; nothing while not connected.
    virtual void sendData(std::string_view bytes) = 0;
    // Bytes written that the other side's system has not yet acknowledged
    // having received; none for a transport with no system link under it.
    virtual int unacknowledgedBytes() const { return 0; }
    // What one read hands over: the bytes waiting, up to a buffer's worth.
    virtual QByteArray takeData() = 0;
    // Bytes came that the last takeData() did not hand over.
    virtual bool bytesWaiting() const = 0;
    virtual QString localIp() const = 0;

signals:
    void connectionRequest(int requestId);
    void connected();
    void dataArrival();
    void closed();
    // A failed connection, with words for the user; shown by whoever handles it.
    void error(int number, const QString& description);
};

}  // namespace velmora
