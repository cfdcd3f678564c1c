// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QVector>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "animation_queue.h"
#include "board.h"
#include "computer_strengths.h"
#include "move_chooser.h"
#include "turn.h"

namespace velmora {

class RandomSource;
class Timer;

// The one game in progress: the board, the awards, whose turn it is, and the
// pace at which every move is shown. It speaks only of cells, sides, runs and
// marks; how they look and what they are called belongs to the windows.
//
// A move is made in one step: the cell is filled, counted and evaluated, and
// whose award it is and what it credits are fixed there. Its showing (the
// mark growing, the run growing, then the credit) is queued and played one
// step per pause; what follows the move (the message to the other copy, the
// award, the computer's next move, the turn, the end of the game) runs when
// the drawing before it has finished.
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
//     either side click first) is played, and the turn comes back to it; one
//     onto a cell already filled (both users clicked it) is not played again,
//     and the turn is the local user's.
//
// Inputs and their answers while a move is drawing:
//   play                     ignored, as at any time the user may not move
//   pass                     ignored; also while the opponent is to move
//   newGame, requestNewGame  the queue is dropped; the new board shows at once
//   setFastMode              applies from the next mark or award on
//   receiveMove, receiveFinish, remoteGameEnded
//                            held, and handled in order once the drawing has
//                            finished
//   receiveReset, callStarted, callerTaken
//                            as newGame (a "RESET" that crossed the
//                            answerer's own changes nothing)
//   stop                     nothing more is drawn or answered
//   undo                     the queue is dropped, as for newGame
//   requestHint              ignored
//
// Against the computer at a strength other than Normal, its cell is searched
// for by the MoveChooser while the window goes on; New Game, a call, a
// caller taken, stop and a change of strength cancel the search, whose
// answer is then dropped. Each move of a scoring chain is searched for once
// the drawing of the one before has finished.
class Game : public QObject {
    Q_OBJECT

public:
    enum class Side { User, Opponent };
    // Who plays the other side: the computer, or another copy once a call is
    // going out (Calling) or a remote game runs.
    enum class Link { Computer, Calling, Answerer, Caller };
    // Who made the opponent's last move.
    enum class Opponent { Computer, Remote };
    // How a mark is shown: the opponent's newest move stands apart.
    enum class Mark { Yours, Opponents, OpponentsNewest };
    // How quickly a scoring run grows: the user's own against the computer
    // appears almost at once.
    enum class Pace { Slow, Quick };
    enum class PassAnswer { Ignored, MarksOwed, Passed };
    Q_ENUM(Side)
    Q_ENUM(Link)
    Q_ENUM(Opponent)
    Q_ENUM(Mark)
    Q_ENUM(Pace)

    // A scoring run from cell `from` to cell `to`, in one row or one column.
    struct Run {
        Cell from;
        Cell to;
    };

    Game(RandomSource& random, Timer& pauses, QObject* parent = nullptr);

    // --- input
    // An empty board, empty score rows, the user to move.
    void newGame();
    // The user's New Game: "RESET" to the other copy in a remote game, then newGame.
    void requestNewGame();
    // The user's click or key on a cell.
    void play(Cell cell);
    // The user hands the turn over. MarksOwed: the user scored and must move
    // again (the window says so).
    PassAnswer pass();
    void setFastMode(bool on);
    // From the computer's next move on; a search in flight starts again.
    void setStrength(Strength strength);
    // Where searches at Easy, Strong and Expert and hints run; nullptr puts
    // back the game's own, which answers at once. Normal, the described rule,
    // always chooses at once.
    void setChooser(MoveChooser* chooser);
    // Expert's cell for the user: hintFound, later, unless the user moves first.
    void requestHint();
    // Takes back the user's last move (or pass) and all the computer played
    // after it: the game is played again from an empty board up to there,
    // every step drawn as it was but without pauses.
    void undo();
    // The connection: a call goes out (a new game whose first move is the
    // other side's); a caller is taken (this copy opens with "RESET"); the
    // call is answered; the remote game is over, and the computer takes a
    // turn the remote player still owed.
    void callStarted();
    void callerTaken();
    void callAnswered();
    void remoteGameEnded();
    // From the remote player.
    void receiveMove(Cell cell);
    void receiveReset();
    void receiveFinish();
    // The program ends: nothing more is drawn.
    void stop();

    // --- what to show
    const BoardGrid& board() const { return board_; }
    // Who filled the cell; none while it is empty or off the board.
    std::optional<Side> owner(Cell cell) const;
    int moveCount() const { return moveCount_; }
    Turn turn() const { return turn_; }
    Link link() const { return link_; }
    // What the turn allows, with the other side as it is now.
    // While the computer searches, New Game may end the search.
    TurnDisplay display() const {
        TurnDisplay shown = displayFor(turn_, link_ == Link::Computer);
        shown.newGameEnabled = shown.newGameEnabled || searching_;
        return shown;
    }
    bool drawing() const { return animation_.busy(); }
    bool fastMode() const { return fastMode_; }
    Strength strength() const { return strength_; }
    // The computer is searching for its cell.
    bool thinking() const { return searching_; }
    // On the user's turn against the computer, with nothing drawing.
    bool hintAvailable() const;
    // Against the computer, in a game no remote player has moved in, once the user has moved.
    bool undoAvailable() const;
    // An undo is playing the game again: nothing of it is news.
    bool replaying() const { return replaying_; }
    // The awards of this game in order, and their sum.
    const QVector<int>& awards(Side side) const { return awards_[index(side)]; }
    int total(Side side) const { return totals_[index(side)]; }
    // Once the game has ended.
    std::optional<Result> result() const;

    // The pace of the drawing, in pauses: a mark grows in this many arcs,
    static int markSteps(Mark mark) { return mark == Mark::OpponentsNewest ? 8 : 2; }
    // and a run of `length` cells in this many pieces.
    static int runSteps(int length, Pace pace);

signals:
    // A new game: an empty board and empty score rows.
    void boardCleared();
    // A mark grows: arc `step` of `steps` (1-based) of its outline.
    void markGrowing(Cell cell, Game::Mark mark, int step, int steps);
    // A mark's whole outline, as it stays; also when the opponent's newest
    // mark becomes one of the others.
    void markDrawn(Cell cell, Game::Mark mark);
    // A move's mark is complete: the cell shows as filled from now on.
    void cellFilled(Cell cell, Game::Side side);
    // A scoring run grows: piece `step` of `steps` (1-based), and then drawn whole.
    void runGrowing(Game::Run run, Game::Pace pace, int step, int steps);
    void runDrawn(Game::Run run);
    // An award is credited: `marks` to `side` for `run`, just before the
    // score row shows it.
    void awarded(Game::Side side, Game::Run run, int marks);
    // A score row: its awards in order and their total.
    void scoreChanged(Game::Side side, const QVector<int>& awards, int total);
    // Whose turn it is, and with it what the user may do; also at every new
    // game but the first, so the waiting display starts afresh.
    void turnChanged(Turn turn);
    // The commands of the turn may have changed with the other side.
    void displayChanged(const TurnDisplay& display);
    void opponentChanged(Game::Opponent opponent);
    // The last cell is filled and its award credited.
    void ended(Result result, int userTotal, int opponentTotal);
    void fastModeChanged(bool on);
    // Expert's choice for the user.
    void hintFound(Cell cell);
    // hintAvailable() or undoAvailable() has changed.
    void commandsChanged();
    // To the other copy, while a remote game runs.
    void moveToSend(Cell cell);
    void resetToSend();
    void finishToSend();

private:
    static constexpr std::size_t kMostHeldInputs = 64;

    static int index(Side side) { return side == Side::User ? 0 : 1; }
    bool remote() const { return link_ == Link::Answerer || link_ == Link::Caller; }
    bool accepting() const { return started_ && !stopped_; }
    // Runs `input` now, or once the drawing has finished.
    bool holdWhileDrawing(std::function<void()> input);
    void handleHeldInputs();

    // The one place the turn changes: what the user may do and sees follows.
    void setTurn(Turn turn, bool announceSame = false);
    void setLink(Link link);
    void awaitFirstMove();
    // Counts the move, fills its cell and says what the move scores.
    LineRecord fill(Cell cell, Side side);
    bool boardFull() const { return moveCount_ >= kPlayingCells; }
    void queueMark(Cell cell, Mark mark, std::optional<Side> filledBy);
    void queueAward(const LineRecord& record, Side side);
    void afterUserMark(Cell cell, LineRecord record);
    void handTurnOver();
    void computerMove();
    void opponentMove(Cell cell, Opponent opponent);
    void afterOpponentMark(LineRecord record, Opponent opponent);
    void credit(Side side, Run run, int marks);
    void endGame();
    void giveTurnBack();
    void setOpponent(Opponent opponent);
    void playComputerCell(Cell cell);
    void setSearching(bool searching);
    MoveChooser& chooser() { return chooser_ ? *chooser_ : ownChooser_; }
    uint64_t drawSeed();
    // Fast Mode for the piece of drawing being queued, noted so an undo
    // queues it the same way again.
    bool fastNow();
    void updateCommands();

    // What the user and the computer did in this game, in order, for undo.
    struct Step {
        enum class Kind { UserMove, UserPass, ComputerMove };
        Kind kind;
        Cell cell;
        std::size_t fastAt;  // fastTape_ entries made before the step
    };

    RandomSource& random_;
    AnimationQueue animation_;
    std::deque<std::function<void()>> heldInputs_;
    bool handlingHeld_ = false;

    BoardGrid board_{};
    Side owners_[kBoardSpan][kBoardSpan]{};  // read only where a cell is filled
    bool started_ = false;
    bool stopped_ = false;
    Turn turn_ = Turn::User;
    Link link_ = Link::Computer;
    std::optional<Opponent> opponent_;
    int moveCount_ = 0;
    // Our "RESET" went out and nothing has come back since: a "RESET" that
    // arrives now crossed it.
    bool resetUnanswered_ = false;
    Cell lastOpponentCell_;
    QVector<int> awards_[2];
    int totals_[2] = {0, 0};
    bool fastMode_ = false;

    Strength strength_ = Strength::Normal;
    ImmediateChooser ownChooser_;
    MoveChooser* chooser_ = nullptr;
    bool searching_ = false;
    std::vector<Step> history_;
    std::vector<bool> fastTape_;
    // A remote player has moved on this board since the last new game: undo stays off.
    bool remoteOnBoard_ = false;
    bool replaying_ = false;
    std::vector<Step> replaySteps_;
    std::size_t replayAt_ = 0;
    std::vector<bool> replayTape_;
    std::size_t replayTapeAt_ = 0;
    bool hintWas_ = false;
    bool undoWas_ = false;
};

}  // namespace velmora

Q_DECLARE_METATYPE(velmora::Cell)
Q_DECLARE_METATYPE(velmora::Turn)
Q_DECLARE_METATYPE(velmora::TurnDisplay)
Q_DECLARE_METATYPE(velmora::Result)
Q_DECLARE_METATYPE(velmora::Game::Run)
