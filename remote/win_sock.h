#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <string_view>

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
class WinSock : public QObject {
    Q_OBJECT

public:
    enum State : int {
        Closed = 0,
        Open = 1,  // a connection attempt that could not bind its local port
        Listening = 2,
        Pending = 3,  // a request waits for its handler
        Resolving = 4,
        Resolved = 5,
        Connecting = 6,
        Connected = 7,
        PeerClosing = 8,  // the peer has closed its end
        Error = 9,
    };

    explicit WinSock(QObject* parent = nullptr);
    ~WinSock() override;

    // What one dataArrival can hand over at most: a peer that floods the
    // connection is read in pieces small enough to show one at a time without
    // holding up the window (a piece of chat becomes one line of the
    // transcript, and a long line is costly to lay out).
    static constexpr qint64 kReadBufferBytes = 4 * 1024;

    int state() const { return state_; }

    // Ends any connection or listener. Requests not yet accepted survive until
    // their connectionRequest handler has returned, so it can close() and accept().
    void close();

    // The port the next listen() or connectTo() binds; 0 lets the system choose.
    // Read back, it is the port actually bound while listening or connected.
    void setLocalPort(quint16 port) { localPort_ = port; }
    quint16 localPort() const;

    void listen();
    // Binds localPort (reusable while an earlier connection is in TIME_WAIT)
    // and starts the attempt: state 6, or 1 when the port cannot be bound.
    void connectTo(const QString& remoteHost, quint16 remotePort);
    void accept(int requestId);

    // The bytes as they are, sent at once; nothing while not connected.
    void sendData(std::string_view bytes);
    // Every byte waiting, up to kReadBufferBytes.
    QByteArray takeData();

    QString localIp() const;

signals:
    void connectionRequest(int requestId);
    void connected();
    void dataArrival(qint64 bytesTotal);
    void closed();
    // A failed connection. The component shows nothing itself: the handler
    // decides what the user sees.
    void error(int number, const QString& description);

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

    int state_ = 0;
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
