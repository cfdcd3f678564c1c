#pragma once

#include <QObject>
#include <QString>
#include <QVector>

#include <deque>
#include <functional>
#include <optional>
#include <string_view>

#include "animation_queue.h"
#include "board.h"
#include "game_end.h"

namespace velmora {

class PauseTimer;
class RandomSource;

// The connection to the other copy of the game, as the game sees it, read
// afresh at every decision. Nothing is sent while it is not connected.
class Peer {
public:
    virtual ~Peer() = default;
    // The other copy plays the opponent.
    virtual bool connected() const = 0;
    // A call is going out: the board takes no click until it is answered.
    virtual bool calling() const = 0;
    // This copy took the other's call. Its game stands when two new games cross.
    virtual bool answeredCall() const = 0;
    virtual void sendMove(int column, int row) = 0;
    virtual void sendReset() = 0;
    virtual void sendFinish() = 0;
};

// The one game in progress: the board, the score rows, whose turn it is, and
// the drawing of every move. The windows only show what it holds and hand it
// their input.
//
// A move is made in one step: the cell is filled, counted and evaluated, and
// whose award it is and what it credits are fixed there. Its drawing (the
// mark's arcs, the growing white line, the black line, then the credit) is
// queued and played one step per pause; what follows the move (the move
// message, the award, the computer's next move, "Your Turn" or "Wait ......",
// the end of the game) runs when the drawing before it has finished.
//
// Against another copy, exactly one side may move at a time, or the game has
// ended: the messages carry no turn and no order, so each copy keeps to rules
// that leave no moment where both may move, nor one where both wait.
//   - The side that starts a game ("RESET") moves first; the other waits for
//     that move, its board locked and New Game off until it has moved itself.
//     A caller waits from the moment it dials.
//   - After a finished game the answerer of the call moves first, whichever
//     side starts the next one: both may press New Game then, and two
//     "RESET"s that cross must not leave both on move.
//   - A "RESET" that reaches the answerer before anything else has come back
//     since its own crossed it, and is dropped: the answerer's game stands.
//   - New Game is off from the user's click until the turn comes back (the
//     move, then "FINISH" after a scoring one): a "RESET" then would cross a
//     message already on its way, or follow a move that never went out.
//   - A move that reaches a side already on move (from a peer that lets
//     either side click first) is played, and the turn comes back to it.
//
// Signals: boardCleared, then lineDrawn, arcDrawn and circleDrawn as the
// drawing plays; logoChanged whenever the waiting display starts, stops or
// hides; changed whenever a text, a total, the result or a command's state
// changes. Moves, "RESET" and "FINISH" go to the Peer while it is connected.
//
// Inputs and their answers while a move is drawing:
//   press (board)            ignored, as at any time the user may not move
//   pass                     ignored; also while the opponent is to move
//   newGame, requestNewGame  the queue is dropped; the new board shows at once
//   setFastMode              applies from the next mark or award on
//   receiveMove, receiveFinish, remotePlayEnded
//                            held, and handled in order once the drawing has
//                            finished
//   receiveReset, awaitFirstMove
//                            as newGame (a "RESET" that crossed the
//                            answerer's own changes nothing)
//   stop                     nothing more is drawn or answered
// Close, Exit, About and the chat belong to the windows and work at any time.
class Game : public QObject {
    Q_OBJECT

public:
    enum class Side { User, Opponent };
    enum class Result { None, Win, Lost, Level };
    // The logo clip: playing while the user waits; still (and shown) on the
    // user's turn; hidden at the end of a game.
    enum class Logo { Waiting, Still, Hidden };
    enum class PassAnswer { Ignored, MarksOwed, Passed };

    // Colours, 0x00BBGGRR.
    static constexpr quint32 kBlue = 0xFF0000;
    static constexpr quint32 kRed = 0xFF;
    static constexpr quint32 kWhite = 0xFFFFFF;
    static constexpr quint32 kBlack = 0x0;

    // `boardWidth`: side of the square board picture, twips.
    Game(Peer& peer, RandomSource& random, PauseTimer& timer, int boardWidth = 4000,
         QObject* parent = nullptr);

    // --- input
    // An empty board, empty score rows, the user to move. The very first game
    // leaves the logo as it is.
    void newGame();
    // The user's New Game: "RESET" to a connected peer, then newGame.
    void requestNewGame();
    // A call goes out: a new game whose first move is the other side's.
    void awaitFirstMove();
    // A mouse press on the board; button 1 is the left one, x and y in twips.
    void press(int button, double x, double y);
    // The user hands the turn over. MarksOwed: the user scored and must move
    // again (the window says so).
    PassAnswer pass();
    void setFastMode(bool on);
    // From the remote player.
    void receiveMove(int column, int row);
    void receiveReset();
    void receiveFinish();
    // The connected view is shown: the Pass command is off.
    void remotePlayStarted();
    // Back to the computer as opponent: Pass comes back unless a move is owed,
    // and the computer takes a turn the remote player still owed.
    void remotePlayEnded();
    // The program ends: nothing more is drawn.
    void stop();

    // --- what to show
    const BoardGrid& board() const { return board_; }
    // Who filled cell (column, row), each 1..9; none while it is empty.
    std::optional<Side> owner(int column, int row) const;
    int cellSize() const { return cellSize_; }
    int moveCount() const { return moveCount_; }
    bool moveLock() const { return moveLock_; }
    bool extraTurn() const { return extraTurn_; }
    bool drawing() const { return animation_.busy(); }
    bool fastMode() const { return fastMode_; }
    const QString& message() const { return message_; }
    const QString& opponentName() const { return opponentName_; }
    // Awards of this game joined by "+", and their sum; both empty at the start.
    QString signs(Side side) const;
    QString totalText(Side side) const;
    int total(Side side) const { return totals_[index(side)]; }
    Result result() const { return result_; }
    bool passEnabled() const { return passEnabled_; }
    bool passButtonShown() const { return passButtonShown_; }
    bool newGameEnabled() const { return newGameEnabled_; }

signals:
    void boardCleared();
    void lineDrawn(int x1, int y1, int x2, int y2, quint32 colour);
    // The outline of a mark from angle 0 to `angle`, radians counter-clockwise
    // from 3 o'clock.
    void arcDrawn(int centreX, int centreY, double radius, double angle, quint32 colour);
    void circleDrawn(int centreX, int centreY, double radius, quint32 colour);
    void logoChanged(Game::Logo logo);
    void changed();
    // An award is credited: `marks` to `side`, just before the totals show it.
    void awarded(Game::Side side, int marks);

private:
    static constexpr std::size_t kMostHeldInputs = 64;

    static int index(Side side) { return side == Side::User ? 0 : 1; }
    bool connected() const { return peer_.connected(); }
    bool accepting() const { return started_ && !stopped_; }
    // Runs `input` now, or once the drawing has finished.
    bool holdWhileDrawing(std::function<void()> input);
    void handleHeldInputs();

    // Counts the move, fills its cell and says what the move scores.
    LineRecord fill(Cell cell, Side side);
    bool boardFull() const;
    void drawGrid();
    void queueMark(Cell cell, quint32 colour);
    void queueAward(const LineRecord& run, Side side);
    void afterUserMark(Cell cell, LineRecord run);
    void handTurnOver();
    void computerMove();
    void opponentMove(Cell cell, bool byComputer);
    void afterOpponentMark(LineRecord run, bool byComputer);
    void credit(Side side, int marks);
    void endGame();
    void giveTurnBack();
    void setLogo(Logo logo);

    Peer& peer_;
    RandomSource& random_;
    AnimationQueue animation_;
    std::deque<std::function<void()>> heldInputs_;
    bool handlingHeld_ = false;

    BoardGrid board_{};
    Side owners_[kBoardSpan][kBoardSpan]{};  // read only where a cell is filled
    int boardWidth_;
    int cellSize_ = 0;
    bool started_ = false;
    bool stopped_ = false;
    bool moveLock_ = false;
    bool extraTurn_ = false;
    int moveCount_ = 0;
    // Our "RESET" went out and nothing has come back since: a "RESET" that
    // arrives now crossed it.
    bool resetUnanswered_ = false;
    // The user started this game or has moved in it: New Game may come back.
    bool mayRestart_ = true;
    Cell lastOpponentCell_;
    QVector<int> signs_[2];
    int totals_[2] = {0, 0};
    Result result_ = Result::None;
    QString message_ = tr("Your Turn");
    QString opponentName_ = tr("Computer:");
    bool passEnabled_ = true;
    bool passButtonShown_ = true;
    bool newGameEnabled_ = true;
    bool fastMode_ = false;
};

}  // namespace velmora
