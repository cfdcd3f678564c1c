// SPDX-License-Identifier: GPL-3.0-or-later
// Remote play as the window shows it: the connection toggle, the two views,
// the Remote menu and its boxes. The connection decides; the window asks the
// user and shows what the connection holds.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "dialogs.h"
#include "main_window.h"

namespace velmora {

void MainWindow::connectCommand() {
    if (connection_.idle()) {
        callRemote();
    } else {
        connection_.hangUpAndListen();
    }
}

void MainWindow::callRemote() {
    const std::optional<QString> address =
        services_.dialogs.inputBox(tr("Input Remote IP Address   ( Format: 123.45.678.9 )"),
                                   tr("Remote IP"), connection_.remoteAddress());
    // Cancel calls nobody. A caller taken while the box stood open is kept:
    // the connection refuses to call out of a remote game.
    if (address) {
        connection_.call(*address);
    }
}

void MainWindow::showConnection(Connection::State state) {
    if (state == Connection::State::HangingUp) {
        return;  // on the way to listening again
    }
    const bool idle = state == Connection::State::Listening;
    if (!idle) {
        clearChat();  // a new call or connection starts with empty chat boxes
    }
    setWindowHeightTwips(idle ? kIdleHeightTwips : kConnectedHeightTwips);
    connectButton_->setText(idle ? tr("Connect") : tr("Disconnect"));
    connectAction_->setEnabled(idle);
    disconnectAction_->setEnabled(!idle);
    listenAction_->setEnabled(idle);
    portAction_->setEnabled(idle);
    status_->setText(idle && connection_.linkLost() ? tr("Link lost")
                                                    : socketStateText(connection_.socketState()));
}

bool MainWindow::askToTakeCaller(const QString& address) {
    const QString question =
        tr("A player at %1 is calling. Start a new game with them?").arg(address);
    return services_.dialogs.messageBox(question, tr("Remote Play"), Dialogs::Buttons::YesNo,
                                        Dialogs::Icon::Question,
                                        Dialogs::Answer::No) == Dialogs::Answer::Yes;
}

QString MainWindow::socketStateText(Transport::State state) {
    using State = Transport::State;
    switch (state) {
        case State::Closed:
            return tr("Closed");
        case State::Open:
            return tr("Open");
        case State::Listening:
            return tr("Listening");
        case State::Pending:
            return tr("Pending");
        case State::Resolving:
            return tr("Resolving");
        case State::Resolved:
            return tr("Resolved");
        case State::Connecting:
            return tr("Connecting");
        case State::Connected:
            return tr("Connected");
        case State::PeerClosing:
            return tr("Peer is closing");
        case State::Error:
            return tr("Error");
    }
    return QString();
}

void MainWindow::showPortBusy() {
    services_.dialogs.messageBox(tr("Port Busy, Wait a moment than call again"), QString(),
                                 Dialogs::Buttons::Ok, Dialogs::Icon::None, Dialogs::Answer::Ok);
}

void MainWindow::showConnectionFailure(const QString& description) {
    // Shown once the socket's event has been handled, from the event loop.
    QTimer::singleShot(0, this, [this, description] {
        if (!unloaded_) {
            services_.dialogs.messageBox(description, QString(), Dialogs::Buttons::Ok,
                                         Dialogs::Icon::Critical, Dialogs::Answer::Ok);
        }
    });
}

// --- the Remote menu

void MainWindow::portCommand() {
    const std::optional<QString> answer =
        services_.dialogs.inputBox(tr("Input New Port-Number ( 1-65530 )"), tr("Port Number"),
                                   QString::number(connection_.portNumber()));
    if (answer) {
        connection_.changePort(*answer);
    }
}

void MainWindow::localAddressCommand() {
    const QString text = tr("Your Local IP Address is") + "\r\n\r\n" + QString(10, ' ') +
                         connection_.localIp() + "\r\n\r\n" + tr("Port Number is   ") +
                         QString::number(connection_.portNumber());
    services_.dialogs.messageBox(text, tr("IP Address"), Dialogs::Buttons::Ok, Dialogs::Icon::None,
                                 Dialogs::Answer::Ok);
}

}  // namespace velmora
