#pragma once

#include <QMainWindow>

#include "game.h"
#include "win_sock.h"
#include "wire_reader.h"

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
// holds and hands the Game the user's input; the socket's events go to the
// remote play handlers (remote_play.cpp). Every control's objectName is its
// name in the layout (PicMain, cmcPass, txtUserTot, m_FastMode, ...).
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kIdleHeightTwips = 5700;
    static constexpr int kConnectedHeightTwips = 7000;
    static constexpr int kDefaultPort = 16323;
    // The board picture is square, this many twips a side.
    static constexpr int kBoardTwips = 4000;

    // The clips are read from `clipFolders`, the first that has them.
    MainWindow(WindowServices services, QStringList clipFolders, QWidget* parent = nullptr);
    ~MainWindow() override;

    Game& game() { return game_; }
    int windowHeightTwips() const { return windowHeightTwips_; }
    int portNumber() const { return portNumber_; }
    int socketState() const { return socket_.state(); }

signals:
    // The window has closed and the program should end at once, with status 0.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The socket as the game sees it.
    class SocketPeer : public Peer {
    public:
        explicit SocketPeer(WinSock& socket) : socket_(socket) {}
        int state() const override { return socket_.state(); }
        void send(std::string_view message) override { socket_.sendData(message); }

    private:
        WinSock& socket_;
    };

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
    void listenCommand();
    void portCommand();
    void localAddressCommand();
    void callRemote();
    bool answeredWhileAsking() const;
    void placeCall();
    void hangUpAndListen();
    void showConnectionView(bool idle);
    QString socketStateText() const;
    void acceptCaller(int requestId);
    void callAnswered();
    void peerClosed();
    void socketFailed(int number, const QString& description);
    void readArrival();
    void flushHeldBytes();
    void handleMessages(const std::vector<wire::Message>& messages);

    // chat.cpp
    bool sendChatLine();
    void showChatLine(const QString& text);
    void addToTranscript(const QString& line);

    WindowServices services_;
    QStringList clipFolders_;
    WinSock socket_;
    SocketPeer peer_;
    Game game_;
    int windowHeightTwips_ = 0;
    bool firstActivate_ = true;
    bool unloaded_ = false;
    int portNumber_ = kDefaultPort;
    QString remoteIp_;
    QByteArray heldBytes_;
    // The last arrival filled a whole read and ended in a chat line: the
    // next arrival goes on with that line.
    bool chatContinues_ = false;

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
    QTimer* heldBytesTimer_ = nullptr;

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
