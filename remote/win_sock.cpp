// SPDX-License-Identifier: GPL-3.0-or-later
#include "win_sock.h"

#include <QHostAddress>
#include <QMetaObject>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>

#include <linux/sockios.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

namespace velmora {

namespace {

struct ErrorText {
    int number;
    const char* description;
};

ErrorText describe(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            return {10061,
                    QT_TRANSLATE_NOOP("velmora::WinSock", "Connection is forcefully rejected")};
        case QAbstractSocket::HostNotFoundError:
            return {11001, QT_TRANSLATE_NOOP("velmora::WinSock", "Host not found")};
        case QAbstractSocket::SocketTimeoutError:
            return {10060, QT_TRANSLATE_NOOP("velmora::WinSock", "Connection timed out")};
        case QAbstractSocket::NetworkError:
            return {10051, QT_TRANSLATE_NOOP("velmora::WinSock", "Network is unreachable")};
        case QAbstractSocket::SocketAccessError:
            return {10013, QT_TRANSLATE_NOOP("velmora::WinSock", "Permission denied")};
        case QAbstractSocket::AddressInUseError:
            return {10048, QT_TRANSLATE_NOOP("velmora::WinSock", "Address in use")};
        default:
            return {10053,
                    QT_TRANSLATE_NOOP("velmora::WinSock",
                                      "Connection is aborted due to timeout or other failure")};
    }
}

void watchLink(qintptr descriptor, const Transport::LinkWatch& watch) {
    if (descriptor < 0) {
        return;
    }
    const int fd = int(descriptor);
    const int on = 1;
    const unsigned int unacknowledged = unsigned(watch.unacknowledgedSeconds) * 1000;
    // Each failure leaves the connection as it was without the watch; nothing to tell.
    ::setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &watch.idleSeconds, sizeof watch.idleSeconds);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &watch.intervalSeconds,
                 sizeof watch.intervalSeconds);
    // With a user timeout set, Linux ends a link whose probes go unanswered once
    // that timeout has passed, whatever the count; the count holds where it is not.
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &watch.probes, sizeof watch.probes);
    ::setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &unacknowledged, sizeof unacknowledged);
}

}  // namespace

WinSock::WinSock(QObject* parent) : Transport(parent) {}

WinSock::~WinSock() {
    close();
    qDeleteAll(pending_);
}

void WinSock::post(void (WinSock::*member)()) {
    const quint64 generation = generation_;
    QMetaObject::invokeMethod(
        this,
        [this, member, generation] {
            if (generation == generation_) {
                (this->*member)();
            }
        },
        Qt::QueuedConnection);
}

void WinSock::close() {
    ++generation_;
    arrivalScheduled_ = false;
    if (server_ != nullptr) {
        server_->close();
        server_->deleteLater();
        server_ = nullptr;
    }
    dropConnection();
    state_ = State::Closed;
}

void WinSock::dropConnection() {
    if (connection_ == nullptr) {
        return;
    }
    QTcpSocket* socket = connection_;
    connection_ = nullptr;
    socket->disconnect(this);
    if (socket->state() == QAbstractSocket::ConnectedState) {
        // A graceful close: what sendData wrote just before still goes out.
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromHost();
    } else {
        // A call still going out is called off: on a slow network it would
        // otherwise reach the other side after the user hung up, and a socket
        // whose call then fails would never be deleted.
        socket->abort();
        socket->deleteLater();
    }
}

quint16 WinSock::localPort() const {
    if (server_ != nullptr && server_->isListening()) {
        return server_->serverPort();
    }
    if (connection_ != nullptr && connection_->localPort() != 0) {
        return connection_->localPort();
    }
    return localPort_;
}

void WinSock::listen() {
    close();
    server_ = new QTcpServer(this);
    if (!server_->listen(QHostAddress::Any, localPort_)) {
        server_->deleteLater();
        server_ = nullptr;
        state_ = State::Error;
        return;
    }
    connect(server_, &QTcpServer::newConnection, this, &WinSock::onNewConnection);
    state_ = State::Listening;
}

void WinSock::onNewConnection() {
    while (server_ != nullptr && server_->hasPendingConnections()) {
        QTcpSocket* socket = server_->nextPendingConnection();
        socket->setParent(this);
        socket->setReadBufferSize(kReadBufferBytes);
        const int id = ++nextRequestId_;
        pending_.insert(id, socket);
        state_ = State::Pending;
        // Raised from the event loop; a request the handler did not accept, or
        // one that outlived the listener it came to, is refused.
        const quint64 generation = generation_;
        QMetaObject::invokeMethod(
            this,
            [this, id, generation] {
                if (generation == generation_) {
                    emit connectionRequest(id);
                }
                if (QTcpSocket* refused = pending_.take(id)) {
                    refused->abort();
                    refused->deleteLater();
                    if (state_ == State::Pending) {
                        state_ = server_ != nullptr ? State::Listening : State::Closed;
                    }
                }
            },
            Qt::QueuedConnection);
    }
}

void WinSock::accept(int requestId) {
    QTcpSocket* socket = pending_.take(requestId);
    if (socket == nullptr) {
        return;
    }
    close();
    adoptConnection(socket);
    state_ = State::Connected;
    // What Qt has read, then what the system still holds: a peer may have
    // clicked before it heard our "RESET".
    socket->readAll();
    char sink[4096];
    const qintptr descriptor = socket->socketDescriptor();
    while (descriptor >= 0 && ::recv(int(descriptor), sink, sizeof sink, MSG_DONTWAIT) > 0) {
    }
    if (socket->state() != QAbstractSocket::ConnectedState) {
        onDisconnected();
    }
}

QString WinSock::callerAddress(int requestId) const {
    const QTcpSocket* socket = pending_.value(requestId);
    if (socket == nullptr) {
        return QString();
    }
    bool isIpv4 = false;
    const quint32 ipv4 = socket->peerAddress().toIPv4Address(&isIpv4);
    return isIpv4 ? QHostAddress(ipv4).toString() : socket->peerAddress().toString();
}

void WinSock::connectTo(const QString& remoteHost, quint16 remotePort) {
    close();
    auto* socket = new QTcpSocket(this);
    socket->setReadBufferSize(kReadBufferBytes);
    // Address reuse lets a new call bind the port of a connection that is only
    // in TIME_WAIT; a port held by a live socket still refuses.
    if (!socket->bind(QHostAddress(QHostAddress::AnyIPv4), localPort_,
                      QAbstractSocket::ReuseAddressHint)) {
        delete socket;
        state_ = State::Open;
        return;
    }
    adoptConnection(socket);
    connect(socket, &QTcpSocket::connected, this, [this] {
        state_ = State::Connected;
        post(&WinSock::deliverConnect);
    });
    state_ = State::Connecting;
    socket->connectToHost(remoteHost, remotePort);
}

void WinSock::adoptConnection(QTcpSocket* socket) {
    connection_ = socket;
    // Each message goes out as it is written: a move held back behind a chat
    // line would reach the other side glued to it, and lost in it.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    watchLink(socket->socketDescriptor(), linkWatch_);
    connect(socket, &QTcpSocket::readyRead, this, &WinSock::scheduleArrival);
    connect(socket, &QTcpSocket::errorOccurred, this, &WinSock::onSocketError);
    connect(socket, &QTcpSocket::disconnected, this, &WinSock::onDisconnected);
}

void WinSock::onSocketError() {
    if (connection_ == nullptr || connection_->error() == QAbstractSocket::RemoteHostClosedError) {
        return;  // the close itself is reported by onDisconnected
    }
    const ErrorText text = describe(connection_->error());
    errorNumber_ = text.number;
    errorDescription_ = tr(text.description);
    state_ = State::Error;
    post(&WinSock::deliverError);
}

void WinSock::onDisconnected() {
    if (state_ == State::Connected) {
        state_ = State::PeerClosing;
        post(&WinSock::deliverClose);
    }
}

void WinSock::scheduleArrival() {
    if (arrivalScheduled_) {
        return;
    }
    arrivalScheduled_ = true;
    post(&WinSock::deliverArrival);
}

void WinSock::deliverArrival() {
    arrivalScheduled_ = false;
    if (connection_ == nullptr || connection_->bytesAvailable() == 0) {
        return;
    }
    const quint64 generation = generation_;
    readDuringArrival_ = false;
    emit dataArrival();
    const bool handlerRead = readDuringArrival_;
    // Bytes that came while the handler ran, and that Qt will not announce
    // again, get their own event. A handler that read nothing is not pressed.
    if (generation == generation_ && handlerRead && connection_ != nullptr &&
        connection_->bytesAvailable() > 0) {
        scheduleArrival();
    }
}

void WinSock::deliverConnect() {
    emit connected();
}

void WinSock::deliverClose() {
    emit closed();
}

void WinSock::deliverError() {
    const int number = errorNumber_;
    const QString description = errorDescription_;
    emit error(number, description);
}

void WinSock::sendData(std::string_view bytes) {
    if (connection_ == nullptr || state_ != State::Connected) {
        return;
    }
    connection_->write(bytes.data(), qint64(bytes.size()));
    // Handed to the system at once, so a close or exit right after loses nothing.
    connection_->flush();
}

int WinSock::unacknowledgedBytes() const {
    if (connection_ == nullptr) {
        return 0;
    }
    int inKernel = 0;
    const qintptr descriptor = connection_->socketDescriptor();
    if (descriptor < 0 || ::ioctl(int(descriptor), SIOCOUTQ, &inKernel) != 0) {
        inKernel = 0;
    }
    return int(connection_->bytesToWrite()) + inKernel;
}

QByteArray WinSock::takeData() {
    readDuringArrival_ = true;
    if (connection_ == nullptr) {
        return QByteArray();
    }
    return connection_->read(kReadBufferBytes);
}

bool WinSock::bytesWaiting() const {
    if (connection_ == nullptr) {
        return false;
    }
    int inKernel = 0;
    const qintptr descriptor = connection_->socketDescriptor();
    if (descriptor >= 0 && ::ioctl(int(descriptor), FIONREAD, &inKernel) != 0) {
        inKernel = 0;
    }
    return connection_->bytesAvailable() > 0 || inKernel > 0;
}

QString WinSock::localIp() const {
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) {
            return address.toString();
        }
    }
    return QStringLiteral("127.0.0.1");
}

}  // namespace velmora
