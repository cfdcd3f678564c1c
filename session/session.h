// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

#include "connection.h"
#include "game.h"
#include "move_chooser.h"
#include "qt_timer.h"
#include "win_sock.h"

namespace velmora {

class Dialogs;
class LinkOpener;
class MainWindow;
class RandomSource;
class Timer;

// What the program cannot control in a test: boxes, chance, the pace of the
// drawing and the link handler.
struct SessionServices {
    Dialogs& dialogs;
    RandomSource& random;
    Timer& pauses;
    LinkOpener& links;
};

// The program's parts, built and wired in one place: the socket and the
// connection over it, the game, and the main window that shows them. The
// game and the connection never see each other: what one announces is
// handed to the other here.
class Session : public QObject {
    Q_OBJECT

public:
    // The clips are read from `clipFolders`, the first that has them. The
    // connection listens on `port` once the window first shows; 0 lets the
    // system pick one.
    Session(SessionServices services, QStringList clipFolders, int port = Connection::kDefaultPort,
            QObject* parent = nullptr);
    ~Session() override;

    MainWindow& window() { return *window_; }
    Game& game() { return game_; }
    Connection& connection() { return connection_; }
    Transport& socket() { return socket_; }

signals:
    // After the window has gone, the last words to a peer have been sent.
    void finished();

private:
    WinSock socket_;
    QtTimer holdTimer_;
    QtTimer spacingTimer_{Qt::PreciseTimer};
    Game game_;
    // After the game, so it goes first: no answer of its can reach a game that has gone.
    ThreadedChooser chooser_;
    Connection connection_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace velmora
