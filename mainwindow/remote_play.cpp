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
    const QString address =
        services_.dialogs.inputBox("Input Remote IP Address   ( Format: 123.45.678.9 )",
                                   "Remote IP", connection_.remoteAddress());
    // A caller taken while the box stood open is kept: the connection refuses
    // to call out of a remote game.
    connection_.call(address);
}

void MainWindow::showConnectionView(bool idle) {
    setWindowHeightTwips(idle ? kIdleHeightTwips : kConnectedHeightTwips);
    connectButton_->setText(idle ? "Connect" : "Disconnect");
    connectAction_->setEnabled(idle);
    disconnectAction_->setEnabled(!idle);
    listenAction_->setEnabled(idle);
    portAction_->setEnabled(idle);
    status_->setText(socketStateText(connection_.socketState()));
}

QString MainWindow::socketStateText(int state) {
    static const char* const kTexts[] = {"Closed",          "Open",     "Listening",  "Pending",
                                         "Resolving",       "Resolved", "Connecting", "Connected",
                                         "Peer is closing", "Error"};
    return state >= 0 && state < int(std::size(kTexts)) ? kTexts[state] : QString();
}

void MainWindow::showPortBusy() {
    services_.dialogs.messageBox("Port Busy, Wait a moment than call again", QString(),
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
    const QString answer =
        services_.dialogs.inputBox("Input New Port-Number ( 1-65530 )", "Port Number",
                                   QString::number(connection_.portNumber()));
    connection_.changePort(answer);
}

void MainWindow::localAddressCommand() {
    const QString text = "Your Local IP Address is\r\n\r\n" + QString(10, ' ') +
                         connection_.localIp() + "\r\n\r\nPort Number is   " +
                         QString::number(connection_.portNumber());
    services_.dialogs.messageBox(text, "IP Address", Dialogs::Buttons::Ok, Dialogs::Icon::None,
                                 Dialogs::Answer::Ok);
}

}  // namespace velmora
