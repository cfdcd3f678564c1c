// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

#include "connection.h"
#include "game.h"

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class Announcer;
class BoardPicture;
class ClipControl;
class Dialogs;
class GameNarration;
class LinkOpener;

// What the window cannot control in a test: boxes and the link handler.
struct WindowServices {
    Dialogs& dialogs;
    LinkOpener& links;
};

// `formVelmora`, the main window: the board, the score rows, the turn
// message, the buttons, the chat area and the menus. It shows what the Game
// announces, in words, and hands the Game the user's input; it does the same
// with the Connection for remote play (remote_play.cpp). Every control's
// objectName is its name in the layout (PicMain, cmcPass, txtUserTot,
// m_FastMode, ...).
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kIdleHeightTwips = 5700;
    static constexpr int kConnectedHeightTwips = 7000;

    // The clips are read from `clipFolders`, the first that has them.
    MainWindow(WindowServices services, QStringList clipFolders, Game& game, Connection& connection,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    int windowHeightTwips() const { return windowHeightTwips_; }
    // What the status box says of each state of the socket.
    static QString socketStateText(Transport::State state);
    // Whether to leave the game in progress for the player calling from `address`.
    bool askToTakeCaller(const QString& address);

signals:
    // Shown and active for the first time, with its clips open: the game may start.
    void firstActivated();
    // The window has closed and the program should end at once, with status 0.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // main_window_layout.cpp
    void createControls();
    void createMenus();
    void setWindowHeightTwips(int twips);

    // main_window.cpp: showing the game, and the game's commands
    void showTurn();
    void showDisplay(const TurnDisplay& display);
    void showScore(Game::Side side, const QVector<int>& awards, int total);
    void showOpponent(Game::Opponent opponent);
    void showCellFilled(Cell cell, Game::Side side);
    static QString resultText(Result result);
    void passCommand();
    void fastModeCommand();
    void aboutCommand();

    // computer_commands.cpp: the computer's strength, hint, undo, how to play
    void connectComputerCommands();
    void showCommands();
    void showHint(Cell cell);
    void howToPlayCommand();

    // window_lifecycle.cpp
    void firstActivation();
    void unload();

    // remote_play.cpp
    void connectCommand();
    void portCommand();
    void localAddressCommand();
    void callRemote();
    void showConnection(Connection::State state);
    void showPortBusy();
    void showConnectionFailure(const QString& description);

    // chat.cpp
    bool sendChatLine();
    void showChatLine(const QString& text);
    void clearChat();
    void addToTranscript(const QString& line);

    WindowServices services_;
    QStringList clipFolders_;
    Game& game_;
    Connection& connection_;
    int windowHeightTwips_ = 0;
    // Characters in the transcript, each line counted with the CR LF that ends it.
    int transcriptLength_ = 0;
    bool firstActivate_ = true;
    bool unloaded_ = false;

    QWidget* client_ = nullptr;
    BoardPicture* board_ = nullptr;
    QLineEdit* userSigns_ = nullptr;
    QLineEdit* opponentSigns_ = nullptr;
    QLabel* userLabel_ = nullptr;
    QLabel* opponentLabel_ = nullptr;
    QLineEdit* userTotal_ = nullptr;
    QLineEdit* opponentTotal_ = nullptr;
    QPushButton* newGameButton_ = nullptr;
    QPushButton* connectButton_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* passButton_ = nullptr;
    ClipControl* logo_ = nullptr;
    QLineEdit* chatLine_ = nullptr;
    QPlainTextEdit* transcript_ = nullptr;
    QLabel* chatLabel_ = nullptr;
    ClipControl* lamp_ = nullptr;
    QLabel* winFace_ = nullptr;
    QLabel* lostFace_ = nullptr;
    QLabel* levelFace_ = nullptr;
    QFrame* rule_ = nullptr;
    Announcer* announcer_ = nullptr;
    GameNarration* narration_ = nullptr;

    QAction* passAction_ = nullptr;
    QAction* newGameAction_ = nullptr;
    QAction* fastModeAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* connectAction_ = nullptr;
    QAction* disconnectAction_ = nullptr;
    QAction* listenAction_ = nullptr;
    QAction* portAction_ = nullptr;
    QAction* localAddressAction_ = nullptr;
    QAction* aboutAction_ = nullptr;

    QActionGroup* levels_ = nullptr;  // m_LevelEasy .. m_LevelExpert, in the order of Strength
    QAction* hintAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* howToPlayAction_ = nullptr;
    QWidget* howToPlay_ = nullptr;
};

}  // namespace velmora
