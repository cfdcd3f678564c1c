#include "win_sock.h"

#include <QHostAddress>
#include <QMetaObject>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>

#include "dialogs.h"

namespace velmora {

namespace {

struct ErrorText {
    int number;
    const char* description;
};

ErrorText Describe(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            return {10061, "Connection is forcefully rejected"};
        case QAbstractSocket::HostNotFoundError:
            return {11001, "Host not found"};
        case QAbstractSocket::SocketTimeoutError:
            return {10060, "Connection timed out"};
        case QAbstractSocket::NetworkError:
            return {10051, "Network is unreachable"};
        case QAbstractSocket::SocketAccessError:
            return {10013, "Permission denied"};
        case QAbstractSocket::AddressInUseError:
            return {10048, "Address in use"};
        default:
            return {10053, "Connection is aborted due to timeout or other failure"};
    }
}

}  // namespace

WinSock::WinSock(Dialogs& dialogs, QObject* parent) : QObject(parent), dialogs_(dialogs) {}

WinSock::~WinSock() {
    Close();
    qDeleteAll(pending_);
}

void WinSock::Post(void (WinSock::*member)()) {
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

void WinSock::Close() {
    ++generation_;
    arrivalScheduled_ = false;
    if (server_ != nullptr) {
        server_->close();
        server_->deleteLater();
        server_ = nullptr;
    }
    DropConnection();
    state_ = 0;
}

void WinSock::DropConnection() {
    if (connection_ == nullptr) {
        return;
    }
    QTcpSocket* socket = connection_;
    connection_ = nullptr;
    socket->disconnect(this);
    // A graceful close: what SendData wrote just before still goes out.
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
    } else {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromHost();
    }
}

quint16 WinSock::LocalPort() const {
    if (server_ != nullptr && server_->isListening()) {
        return server_->serverPort();
    }
    if (connection_ != nullptr && connection_->localPort() != 0) {
        return connection_->localPort();
    }
    return localPort_;
}

void WinSock::Listen() {
    Close();
    server_ = new QTcpServer(this);
    if (!server_->listen(QHostAddress::Any, localPort_)) {
        server_->deleteLater();
        server_ = nullptr;
        state_ = 9;
        return;
    }
    connect(server_, &QTcpServer::newConnection, this, &WinSock::OnNewConnection);
    state_ = 2;
}

void WinSock::OnNewConnection() {
    while (server_ != nullptr && server_->hasPendingConnections()) {
        QTcpSocket* socket = server_->nextPendingConnection();
        socket->setParent(this);
        socket->setReadBufferSize(kReadBufferBytes);
        const int id = ++nextRequestId_;
        pending_.insert(id, socket);
        state_ = 3;
        // Raised from the event loop; a request the handler did not accept is
        // refused afterwards.
        QMetaObject::invokeMethod(
            this,
            [this, id] {
                emit ConnectionRequest(id);
                if (QTcpSocket* refused = pending_.take(id)) {
                    refused->abort();
                    refused->deleteLater();
                    if (state_ == 3) {
                        state_ = server_ != nullptr ? 2 : 0;
                    }
                }
            },
            Qt::QueuedConnection);
    }
}

void WinSock::Accept(int requestId) {
    QTcpSocket* socket = pending_.take(requestId);
    if (socket == nullptr) {
        return;
    }
    Close();
    AdoptConnection(socket);
    state_ = 7;
    if (socket->state() != QAbstractSocket::ConnectedState) {
        OnDisconnected();
    }
    if (socket->bytesAvailable() > 0) {
        ScheduleArrival();
    }
}

void WinSock::Connect(const QString& remoteHost, quint16 remotePort) {
    Close();
    auto* socket = new QTcpSocket(this);
    socket->setReadBufferSize(kReadBufferBytes);
    // Address reuse lets a new call bind the port of a connection that is only
    // in TIME_WAIT; a port held by a live socket still refuses.
    if (!socket->bind(QHostAddress(QHostAddress::AnyIPv4), localPort_,
                      QAbstractSocket::ReuseAddressHint)) {
        delete socket;
        state_ = 1;
        return;
    }
    AdoptConnection(socket);
    connect(socket, &QTcpSocket::connected, this, [this] {
        state_ = 7;
        Post(&WinSock::DeliverConnect);
    });
    state_ = 6;
    socket->connectToHost(remoteHost, remotePort);
}

void WinSock::AdoptConnection(QTcpSocket* socket) {
    connection_ = socket;
    connect(socket, &QTcpSocket::readyRead, this, &WinSock::ScheduleArrival);
    connect(socket, &QTcpSocket::errorOccurred, this, &WinSock::OnSocketError);
    connect(socket, &QTcpSocket::disconnected, this, &WinSock::OnDisconnected);
}

void WinSock::OnSocketError() {
    if (connection_ == nullptr || connection_->error() == QAbstractSocket::RemoteHostClosedError) {
        return;  // the close itself is reported by OnDisconnected
    }
    const ErrorText text = Describe(connection_->error());
    errorNumber_ = text.number;
    errorDescription_ = QString::fromLatin1(text.description);
    state_ = 9;
    Post(&WinSock::DeliverError);
}

void WinSock::OnDisconnected() {
    if (state_ == 7) {
        state_ = 8;
        Post(&WinSock::DeliverClose);
    }
}

void WinSock::ScheduleArrival() {
    if (arrivalScheduled_) {
        return;
    }
    arrivalScheduled_ = true;
    Post(&WinSock::DeliverArrival);
}

void WinSock::DeliverArrival() {
    arrivalScheduled_ = false;
    if (connection_ == nullptr || connection_->bytesAvailable() == 0) {
        return;
    }
    const quint64 generation = generation_;
    readDuringArrival_ = false;
    emit DataArrival(connection_->bytesAvailable());
    const bool handlerRead = readDuringArrival_;
    // Bytes that came while the handler ran, and that Qt will not announce
    // again, get their own event. A handler that read nothing is not pressed.
    if (generation == generation_ && handlerRead && connection_ != nullptr &&
        connection_->bytesAvailable() > 0) {
        ScheduleArrival();
    }
}

void WinSock::DeliverConnect() {
    emit ConnectEvent();
}

void WinSock::DeliverClose() {
    emit CloseEvent();
}

void WinSock::DeliverError() {
    const int number = errorNumber_;
    const QString description = errorDescription_;
    emit Error(number, description);
    dialogs_.MessageBox(description, QString(), Dialogs::Buttons::Ok, Dialogs::Icon::Critical,
                        Dialogs::Answer::Ok);
}

void WinSock::SendData(const QString& text) {
    if (connection_ == nullptr || state_ != 7) {
        return;
    }
    connection_->write(text.toLatin1());
    // Handed to the system at once, so a close or exit right after loses nothing.
    connection_->flush();
}

QString WinSock::GetData() {
    readDuringArrival_ = true;
    if (connection_ == nullptr) {
        return QString();
    }
    return QString::fromLatin1(connection_->readAll());
}

QString WinSock::LocalIP() const {
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) {
            return address.toString();
        }
    }
    return QStringLiteral("127.0.0.1");
}

}  // namespace velmora
