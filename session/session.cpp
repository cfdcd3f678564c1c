// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include "game_link.h"
#include "main_window.h"

namespace velmora {

Session::Session(SessionServices services, QStringList clipFolders, int port, QObject* parent)
    : QObject(parent),
      game_(services.random, services.pauses),
      connection_(socket_, holdTimer_, spacingTimer_, port) {
    game_.setChooser(&chooser_);
    linkGameAndConnection(game_, connection_, [this](const QString& address) {
        return window_->askToTakeCaller(address);
    });
    connect(&connection_, &Connection::finished, this, &Session::finished);
    window_ = std::make_unique<MainWindow>(WindowServices{services.dialogs, services.links},
                                           std::move(clipFolders), game_, connection_);
    connect(window_.get(), &MainWindow::firstActivated, this, [this] {
        game_.newGame();
        // Listen on the port, in the idle view.
        connection_.hangUpAndListen();
    });
    // Before anyone else hears the window has gone: nothing more is drawn,
    // no computer move starts for a peer left behind, and a peer in the
    // middle of a game is told.
    connect(window_.get(), &MainWindow::unloaded, this, [this] {
        game_.stop();
        connection_.end();
    });
}

Session::~Session() = default;

}  // namespace velmora
