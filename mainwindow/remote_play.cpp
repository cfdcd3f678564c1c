// The connection to another copy of the game: the toggle that calls or hangs
// up, the two views, the socket's events and the Remote menu.
//
// The toggle (cmcConnect) acts on its caption alone: "Connect" calls,
// anything else hangs up and listens on the port. Every remote game starts
// with a new game on both sides: the caller starts one when it dials, the
// side that answers starts one and sends "RESET". When the connection ends
// for any reason the program listens again and the computer takes over the
// opponent's side of the same game.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <cmath>

#include "dialogs.h"
#include "leading_number.h"
#include "main_window.h"
#include "wire_messages.h"
#include "wire_reader.h"

namespace velmora {

namespace {

constexpr int kHoldMilliseconds = 250;

double leadingNumberOf(const QString& text) {
    return leadingNumber(text.toStdString());
}

}  // namespace

void MainWindow::connectCommand() {
    if (connectButton_->text() == tr("Connect")) {
        callRemote();
    } else {
        hangUpAndListen();
    }
}

void MainWindow::callRemote() {
    remoteIp_ = services_.dialogs.inputBox(tr("Input Remote IP Address   ( Format: 123.45.678.9 )"),
                                           tr("Remote IP"), remoteIp_);
    if (answeredWhileAsking()) {
        return;
    }
    // The first part of a dotted address must be 1..255 (or 0 and a second
    // part): host names and 0.0.0.0 are refused.
    const double leading = leadingNumberOf(remoteIp_);
    if (!(leading > 0 && leading < 256)) {
        return;
    }
    socket_.close();
    // Events run once before the call goes out, from the event loop itself.
    QTimer::singleShot(0, this, &MainWindow::placeCall);
}

// The listener goes on answering while a box is open. A caller taken in the
// meantime is kept: calling out or changing the port would drop that call
// without a word to the other side.
bool MainWindow::answeredWhileAsking() const {
    return connectButton_->text() != tr("Connect");
}

void MainWindow::placeCall() {
    if (unloaded_) {
        return;
    }
    socket_.setLocalPort(quint16(portNumber_ + 1));
    socket_.connectTo(remoteIp_, quint16(portNumber_));
    heldBytes_.clear();
    chatContinues_ = false;
    game_.requestNewGame();
    showConnectionView(false);
    status_->setText(socketStateText());
    if (socket_.state() == WinSock::Open) {
        services_.dialogs.messageBox(tr("Port Busy, Wait a moment than call again"), QString(),
                                     Dialogs::Buttons::Ok, Dialogs::Icon::None,
                                     Dialogs::Answer::Ok);
        connectCommand();
    }
}

void MainWindow::hangUpAndListen() {
    if (socket_.state() == WinSock::Connected) {
        socket_.sendData(wire::kClose);
    }
    socket_.close();
    heldBytes_.clear();
    chatContinues_ = false;
    heldBytesTimer_->stop();
    socket_.setLocalPort(quint16(portNumber_));
    socket_.listen();
    showConnectionView(true);
    game_.remotePlayEnded();
}

void MainWindow::showConnectionView(bool idle) {
    setWindowHeightTwips(idle ? kIdleHeightTwips : kConnectedHeightTwips);
    if (!idle) {
        transcript_->clear();
        chatLine_->clear();
    }
    connectButton_->setText(idle ? tr("Connect") : tr("Disconnect"));
    connectAction_->setEnabled(idle);
    disconnectAction_->setEnabled(!idle);
    listenAction_->setEnabled(idle);
    portAction_->setEnabled(idle);
    if (!idle) {
        game_.remotePlayStarted();
    }
    status_->setText(socketStateText());
}

QString MainWindow::socketStateText() const {
    static const char* const kTexts[] = {QT_TR_NOOP("Closed"),          QT_TR_NOOP("Open"),
                                         QT_TR_NOOP("Listening"),       QT_TR_NOOP("Pending"),
                                         QT_TR_NOOP("Resolving"),       QT_TR_NOOP("Resolved"),
                                         QT_TR_NOOP("Connecting"),      QT_TR_NOOP("Connected"),
                                         QT_TR_NOOP("Peer is closing"), QT_TR_NOOP("Error")};
    const int state = socket_.state();
    return state >= 0 && state < int(std::size(kTexts)) ? tr(kTexts[state]) : QString();
}

// --- the socket's events

void MainWindow::acceptCaller(int requestId) {
    // Every caller is taken, whoever it is: the listener makes way for it.
    socket_.close();
    socket_.accept(requestId);
    heldBytes_.clear();
    chatContinues_ = false;
    game_.requestNewGame();
    showConnectionView(false);
}

void MainWindow::callAnswered() {
    showConnectionView(false);
}

void MainWindow::peerClosed() {
    const int state = socket_.state();
    if (state == WinSock::PeerClosing || state == WinSock::Connected ||
        state == WinSock::Resolved) {
        connectCommand();
    }
}

void MainWindow::socketFailed(int number, const QString& description) {
    if (connectButton_->text() != tr("Connect") && number != 40017) {
        connectCommand();
    }
    // The socket shows nothing itself: its description comes once this event
    // has been handled, from the event loop.
    QTimer::singleShot(0, this, [this, description] {
        if (!unloaded_) {
            services_.dialogs.messageBox(description, QString(), Dialogs::Buttons::Ok,
                                         Dialogs::Icon::Critical, Dialogs::Answer::Ok);
        }
    });
}

void MainWindow::readArrival() {
    QByteArray arrived = socket_.takeData();
    const bool filledTheBuffer = arrived.size() >= WinSock::kReadBufferBytes;
    if (chatContinues_) {
        // A chat line longer than one read: the rest is chat too, not moves
        // or control words that happen to start a piece of it.
        arrived.prepend(wire::kChatMark);
    }
    heldBytesTimer_->stop();
    const wire::Reading reading =
        wire::readArrival(std::string_view(heldBytes_.constData(), std::size_t(heldBytes_.size())),
                          std::string_view(arrived.constData(), std::size_t(arrived.size())));
    heldBytes_ = QByteArray::fromStdString(reading.held);
    // A read that filled the buffer and ended in chat was most likely cut
    // inside a long line.
    chatContinues_ = filledTheBuffer && !reading.messages.empty() &&
                     reading.messages.back().kind == wire::Message::Kind::Chat;
    if (!heldBytes_.isEmpty()) {
        heldBytesTimer_->start(kHoldMilliseconds);
    }
    handleMessages(reading.messages);
}

void MainWindow::flushHeldBytes() {
    const wire::Reading reading = wire::flushHeldBytes(
        std::string_view(heldBytes_.constData(), std::size_t(heldBytes_.size())));
    heldBytes_.clear();
    handleMessages(reading.messages);
}

void MainWindow::handleMessages(const std::vector<wire::Message>& messages) {
    using Kind = wire::Message::Kind;
    for (const wire::Message& message : messages) {
        switch (message.kind) {
            case Kind::Move:
                game_.receiveMove(message.column, message.row);
                break;
            case Kind::Reset:
                game_.receiveReset();
                break;
            case Kind::Finish:
                game_.receiveFinish();
                break;
            case Kind::Chat:
                showChatLine(
                    QString::fromLatin1(message.text.data(), qsizetype(message.text.size())));
                break;
            case Kind::Close:
                // The toggle answers "CLOSE" while the socket still says
                // connected, and hangs up; nothing after it is for this game.
                connectCommand();
                return;
        }
    }
}

// --- the Remote menu

void MainWindow::listenCommand() {
    hangUpAndListen();
}

void MainWindow::portCommand() {
    const QString answer = services_.dialogs.inputBox(
        tr("Input New Port-Number ( 1-65530 )"), tr("Port Number"), QString::number(portNumber_));
    if (answeredWhileAsking()) {
        return;
    }
    const double port = std::floor(leadingNumberOf(answer));
    if (port >= 1 && port <= 65530 && port != portNumber_) {
        portNumber_ = int(port);
        hangUpAndListen();
    }
}

void MainWindow::localAddressCommand() {
    const QString text = tr("Your Local IP Address is") + "\r\n\r\n" + QString(10, ' ') +
                         socket_.localIp() + "\r\n\r\n" + tr("Port Number is   ") +
                         QString::number(portNumber_);
    services_.dialogs.messageBox(text, tr("IP Address"), Dialogs::Buttons::Ok, Dialogs::Icon::None,
                                 Dialogs::Answer::Ok);
}

}  // namespace velmora
