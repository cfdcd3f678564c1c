#pragma once

#include <QMainWindow>

#include "connection.h"
#include "game.h"
#include "hold_timer.h"
#include "win_sock.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class BoardPicture;
class ClipControl;
class Dialogs;
class LinkOpener;
class PauseTimer;
class RandomSource;

// What the window cannot control in a test: boxes, chance, the pace of the
// animations and the link handler.
struct WindowServices {
    Dialogs& dialogs;
    RandomSource& random;
    PauseTimer& pauses;
    LinkOpener& links;
};

// `formVelmora`, the main window: the board, the score rows, the turn
// message, the buttons, the chat area and the menus. It shows what its Game
// holds and hands the Game the user's input; the Connection does the same for
// remote play (remote_play.cpp). Every control's objectName is its name in
// the layout (PicMain, cmcPass, txtUserTot, m_FastMode, ...).
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kIdleHeightTwips = 5700;
    static constexpr int kConnectedHeightTwips = 7000;
    // The board picture is square, this many twips a side.
    static constexpr int kBoardTwips = 4000;

    // The clips are read from `clipFolders`, the first that has them. The
    // window listens on `port`; 0 lets the system pick one.
    MainWindow(WindowServices services, QStringList clipFolders,
               int port = Connection::kDefaultPort, QWidget* parent = nullptr);
    ~MainWindow() override;

    Game& game() { return game_; }
    int windowHeightTwips() const { return windowHeightTwips_; }
    int portNumber() const { return connection_.portNumber(); }
    int socketState() const { return connection_.socketState(); }

signals:
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
    void showGame();
    void showLogo(Game::Logo logo);
    // A mark's last step, centre in twips: the cell's new name, and the
    // opponent's move announced.
    void showMarkDrawn(int x, int y, quint32 colour);
    void passCommand();
    void fastModeCommand();
    void aboutCommand();

    // window_lifecycle.cpp
    void firstActivation();
    void unload();

    // remote_play.cpp
    void connectCommand();
    void portCommand();
    void localAddressCommand();
    void callRemote();
    void showConnectionView(bool idle);
    static QString socketStateText(int state);
    void showPortBusy();
    void showConnectionFailure(const QString& description);

    // chat.cpp
    bool sendChatLine();
    void showChatLine(const QString& text);
    void clearChat();
    void addToTranscript(const QString& line);

    WindowServices services_;
    QStringList clipFolders_;
    WinSock socket_;
    QtHoldTimer holdTimer_;
    // The game plays against the connection, which plays into the game.
    Game game_;
    Connection connection_;
    int windowHeightTwips_ = 0;
    // The result the window shows, told to a screen reader once when it comes.
    Game::Result shownResult_ = Game::Result::None;
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
};

}  // namespace velmora
