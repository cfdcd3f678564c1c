#pragma once

#include <QMainWindow>

#include "day_clock.h"
#include "game_state.h"
#include "random_source.h"
#include "short_pause.h"
#include "win_sock.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class BoardPicture;
class ClipControl;
class Dialogs;
class LinkOpener;

// What the window cannot control in a test: boxes, the time of day, chance,
// and how a pause lets events run.
struct WindowServices {
    Dialogs& dialogs;
    const DayClock& clock;
    RandomSource& random;
    LinkOpener& links;
    EventHandling handleEvents = HandleEventsFor;
};

// The main window: the board, the score rows, the turn message, the buttons,
// the chat area, the menus, and the state of the one game in progress.
//
// Turn flow. The user presses a cell (PicMain_MouseDown): MoveLock is set,
// the blue mark is drawn and evaluated. A scoring move is awarded and the
// user moves again (ExtraTurn); any other hands the turn over through
// cmcPass_Click, which runs ComputerMove while no peer is connected. The
// computer plays through OpponentMove (red mark, evaluation, award) and moves
// again while it scores; its first move that does not score clears MoveLock
// and shows "Your Turn". The award that fills the 81st cell ends the game
// (CheckGameEnd).
//
// Marks and awards pause between their steps (ShortPause) and let events run,
// so clicks, commands and socket events can arrive in the middle of a move.
// Board clicks are fenced by MoveLock and Animating. Every drawing step
// reports whether its game is still the current one: New Game and closing
// the window start a new one, and the interrupted move then stops where it
// is, leaving nothing behind on the new board.
class FormVelmora : public QMainWindow {
    Q_OBJECT

public:
    // `programFolder` is where the clips are read from.
    FormVelmora(WindowServices services, QString programFolder, QWidget* parent = nullptr);
    ~FormVelmora() override;

    // Colours of the marks and lines, 0x00BBGGRR.
    static constexpr uint32_t kBlue = 0xFF0000;
    static constexpr uint32_t kRed = 0xFF;
    static constexpr uint32_t kWhite = 0xFFFFFF;
    static constexpr uint32_t kBlack = 0x0;

    // --- lifecycle and menus
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void m_Exit_Click();
    void m_FastMode_Click();
    // Also run by a click on the logo animation.
    void m_About_Click();

    // --- turns
    void PicMain_MouseDown(int button, double x, double y);
    void cmcPass_Click();
    void m_Pass_Click();
    void ComputerMove();
    // False when the move was cut short by a new game or the end of the program.
    bool OpponentMove();
    void CheckGameEnd();

    // --- new game
    void NewGame();
    void cmcReset_Click();
    void m_Reset_Click();

    // --- drawing; each is false when its game ended while it paused
    void LayoutBoard();
    bool DrawMark(int column, int row, uint32_t colour);
    bool AwardMarks();
    bool ShortPause();

    bool FastMode() const;
    bool Connected() const { return WinSock.State() == 7; }
    int WindowHeightTwips() const { return windowHeightTwips_; }
    void SetWindowHeightTwips(int twips);
    // Pauses made since the window was created.
    int PauseCount() const { return pauseCount_; }
    bool Unloaded() const { return unloaded_; }

    GameState game;
    bool FirstActivate = false;
    int PortNumber = 0;

    // Controls, by the names the rest of the program uses.
    BoardPicture* PicMain = nullptr;
    QLineEdit* txtUserSig = nullptr;
    QLineEdit* txtComSig = nullptr;
    QLabel* lblUser = nullptr;
    QLabel* lblOtherSide = nullptr;
    QLineEdit* txtUserTot = nullptr;
    QLineEdit* txtComTot = nullptr;
    QPushButton* cmcReset = nullptr;
    QPushButton* cmcConnect = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblMessage = nullptr;
    QPushButton* cmcPass = nullptr;
    ClipControl* AniLogo = nullptr;
    QLineEdit* txtTX = nullptr;
    QPlainTextEdit* txtRX = nullptr;
    QLabel* lblChat = nullptr;
    ClipControl* AniLight = nullptr;
    QLabel* ImgWin = nullptr;
    QLabel* ImgLost = nullptr;
    QLabel* ImgLevel = nullptr;
    QFrame* Line1 = nullptr;
    velmora::WinSock WinSock;

    QMenu* m_Game = nullptr;
    QAction* m_Pass = nullptr;
    QAction* m_Line1 = nullptr;
    QAction* m_Reset = nullptr;
    QAction* m_FastMode = nullptr;
    QAction* m_Line2 = nullptr;
    QAction* m_Exit = nullptr;
    QMenu* m_Remote = nullptr;
    QAction* m_Connect = nullptr;
    QAction* m_Disconnect = nullptr;
    QAction* m_Listening = nullptr;
    QAction* m_Line3 = nullptr;
    QAction* m_PortNum = nullptr;
    QAction* m_Line4 = nullptr;
    QAction* m_Local = nullptr;
    QMenu* m_Help = nullptr;
    QAction* m_About = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void SetPassEnabled(bool enabled);
    void SetResetEnabled(bool enabled);

    WindowServices services_;
    QString programFolder_;
    QWidget* client_ = nullptr;
    int windowHeightTwips_ = 0;
    int pauseCount_ = 0;
    // Bumped by every new game and by unloading: a move that paused in an
    // earlier game sees the change and stops.
    int gameNumber_ = 0;
    bool computerMoving_ = false;
    bool unloaded_ = false;
};

}  // namespace velmora
