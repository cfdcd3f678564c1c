// SPDX-License-Identifier: GPL-3.0-or-later
#include "game.h"

#include <algorithm>
#include <utility>

#include "computer_player.h"
#include "move_evaluation.h"
#include "timer.h"

namespace velmora {

Game::Game(RandomSource& random, Timer& pauses, QObject* parent)
    : QObject(parent), random_(random), animation_(pauses) {
    connect(&animation_, &AnimationQueue::finished, this, &Game::handleHeldInputs);
    connect(&animation_, &AnimationQueue::finished, this, &Game::updateCommands);
}

std::optional<Game::Side> Game::owner(Cell cell) const {
    if (!isPlayingCell(cell.column, cell.row) || board_[cell.column][cell.row].cellState == 0) {
        return std::nullopt;
    }
    return owners_[cell.column][cell.row];
}

std::optional<Result> Game::result() const {
    if (turn_ != Turn::Ended) {
        return std::nullopt;
    }
    return judgeGame(total(Side::Opponent), total(Side::User));
}

int Game::runSteps(int length, Pace pace) {
    // As the run shows on the board: a slow one grows by a little over four
    // fifths of a cell a pause, a quick one by four cells.
    const bool slow = pace == Pace::Slow;
    switch (length) {
        case 3:
            return slow ? 3 : 1;
        case 6:
            return slow ? 7 : 2;
        case 9:
            return slow ? 10 : 2;
        default:
            return 1;
    }
}

// --- the turn

void Game::setTurn(Turn turn, bool announceSame) {
    const TurnDisplay before = display();
    const bool changed = std::exchange(turn_, turn) != turn || announceSame;
    if (changed) {
        emit turnChanged(turn);
    }
    if (changed || display() != before) {
        emit displayChanged(display());
    }
    updateCommands();
}

void Game::setLink(Link link) {
    const TurnDisplay before = display();
    link_ = link;
    if (remote()) {
        remoteOnBoard_ = true;
    }
    if (display() != before) {
        emit displayChanged(display());
    }
    updateCommands();
}

void Game::setOpponent(Opponent opponent) {
    if (std::exchange(opponent_, opponent) != opponent) {
        emit opponentChanged(opponent);
    }
}

void Game::giveTurnBack() {
    // A game the other copy opened stays without New Game until the user has moved.
    const bool opening =
        remote() && (turn_ == Turn::AwaitingFirstMove || turn_ == Turn::UserFirstMove);
    setTurn(opening ? Turn::UserFirstMove : Turn::User);
}

// --- starting a game

void Game::newGame() {
    if (stopped_) {
        return;
    }
    // Whatever the last game was drawing goes, and so do inputs it held.
    animation_.clear();
    heldInputs_.clear();
    chooser().cancel();
    setSearching(false);
    history_.clear();
    fastTape_.clear();
    remoteOnBoard_ = remote();
    board_ = BoardGrid{};
    moveCount_ = 0;
    lastOpponentCell_ = {};
    emit boardCleared();
    for (Side side : {Side::User, Side::Opponent}) {
        totals_[index(side)] = 0;
        if (!awards_[index(side)].isEmpty()) {
            awards_[index(side)].clear();
            emit scoreChanged(side, awards_[index(side)], 0);
        }
    }
    // The very first game leaves the waiting display as it is.
    const bool firstGame = !std::exchange(started_, true);
    setTurn(Turn::User, !firstGame);
}

void Game::requestNewGame() {
    if (stopped_) {
        return;
    }
    if (!remote()) {
        newGame();
        return;
    }
    const bool afterFinishedGame = boardFull();
    emit resetToSend();
    resetUnanswered_ = true;
    newGame();
    if (afterFinishedGame && link_ == Link::Caller) {
        awaitFirstMove();
    }
}

void Game::awaitFirstMove() {
    if (accepting()) {
        setTurn(Turn::AwaitingFirstMove);
    }
}

void Game::callStarted() {
    setLink(Link::Calling);
    newGame();
    awaitFirstMove();
}

void Game::callerTaken() {
    // The answerer moves first, in a game of its own starting.
    setLink(Link::Answerer);
    requestNewGame();
}

void Game::callAnswered() {
    setLink(Link::Caller);
}

void Game::remoteGameEnded() {
    if (!accepting()) {
        return;
    }
    setLink(Link::Computer);
    resetUnanswered_ = false;
    // A turn the remote player still owed is the computer's, once whatever
    // is drawing has finished; a game nobody has moved in yet is the user's
    // to open, as any new game against the computer.
    auto takeOver = [this] {
        switch (turn_) {
            case Turn::UserFirstMove:
                setTurn(Turn::User);
                break;
            case Turn::Opponent:
            case Turn::AwaitingFinish:
            case Turn::AwaitingFirstMove:
                if (moveCount_ == 0) {
                    giveTurnBack();
                } else {
                    computerMove();
                }
                break;
            default:
                break;
        }
    };
    if (!holdWhileDrawing(takeOver)) {
        takeOver();
    }
}

// --- drawing

void Game::queueMark(Cell cell, Mark mark, std::optional<Side> filledBy) {
    if (!fastNow()) {
        const int steps = markSteps(mark);
        for (int step = 1; step <= steps; ++step) {
            animation_.add([=] { emit markGrowing(cell, mark, step, steps); });
            animation_.addPause();
        }
    }
    animation_.add([=] {
        emit markDrawn(cell, mark);
        if (filledBy) {
            emit cellFilled(cell, *filledBy);
        }
    });
}

void Game::queueAward(const LineRecord& record, Side side) {
    const Run run{{record.x1, record.y1}, {record.x2, record.y2}};
    const Pace pace = (remote() || side == Side::Opponent) ? Pace::Slow : Pace::Quick;
    if (!fastNow()) {
        const int length = std::max(record.x2 - record.x1, record.y2 - record.y1) + 1;
        const int steps = runSteps(length, pace);
        for (int step = 1; step <= steps; ++step) {
            animation_.add([=] { emit runGrowing(run, pace, step, steps); });
            animation_.addPause();
        }
    }
    animation_.add([=] { emit runDrawn(run); });
    const int marks = record.marks;
    animation_.add([=] { credit(side, run, marks); });
}

LineRecord Game::fill(Cell cell, Side side) {
    ++moveCount_;
    board_[cell.column][cell.row].cellState = 1;
    owners_[cell.column][cell.row] = side;
    LineRecord record;
    evaluateMove(board_, cell.column, cell.row, record);
    return record;
}

// --- the user's turn

void Game::play(Cell cell) {
    if (!accepting() || drawing() || !display().boardOpen ||
        !isPlayingCell(cell.column, cell.row) || board_[cell.column][cell.row].cellState != 0) {
        return;
    }
    chooser().cancel();  // a hint still searching is too late now
    history_.push_back({Step::Kind::UserMove, cell, fastTape_.size()});
    setTurn(Turn::UserMoving);
    const LineRecord record = fill(cell, Side::User);
    queueMark(cell, Mark::Yours, Side::User);
    animation_.add([=] { afterUserMark(cell, record); });
    animation_.play();
}

void Game::afterUserMark(Cell cell, LineRecord record) {
    // The other copy hears of the move once it shows here.
    if (remote()) {
        emit moveToSend(cell);
    }
    if (record.marks == 0) {
        handTurnOver();
        return;
    }
    // Against another copy New Game stays off until "FINISH" comes back.
    if (!remote()) {
        setTurn(Turn::UserAgain);
    }
    queueAward(record, Side::User);
    animation_.add([this] {
        // The other copy draws the award too and answers "FINISH"; the move
        // that ends the game leaves its result in place instead.
        if (turn_ != Turn::Ended) {
            setTurn(remote() ? Turn::AwaitingFinish : Turn::UserAgain);
        }
    });
}

Game::PassAnswer Game::pass() {
    if (!accepting() || drawing()) {
        return PassAnswer::Ignored;
    }
    if (turn_ == Turn::UserAgain) {
        return PassAnswer::MarksOwed;
    }
    if ((turn_ != Turn::User && turn_ != Turn::UserFirstMove) || !display().passEnabled) {
        return PassAnswer::Ignored;
    }
    chooser().cancel();
    history_.push_back({Step::Kind::UserPass, {}, fastTape_.size()});
    handTurnOver();
    return PassAnswer::Passed;
}

void Game::handTurnOver() {
    setTurn(Turn::Opponent);
    // A remote opponent moves when our move message reaches it.
    if (link_ == Link::Computer) {
        computerMove();
    }
}

void Game::setFastMode(bool on) {
    if (std::exchange(fastMode_, on) != on) {
        emit fastModeChanged(on);
    }
}

// --- the opponent's turn

void Game::computerMove() {
    if (replaying_ && replayAt_ < replaySteps_.size() &&
        replaySteps_[replayAt_].kind == Step::Kind::ComputerMove) {
        playComputerCell(replaySteps_[replayAt_++].cell);
        return;
    }
    if (strength_ == Strength::Normal) {
        // The described rule takes microseconds: its first arc follows the
        // user's move as it always has.
        playComputerCell(chooseComputerCell(board_, drawSearchStart(random_)));
        return;
    }
    setSearching(true);
    chooser().request(board_, strength_, drawSeed(), [this](Cell cell) {
        setSearching(false);
        if (accepting() && turn_ == Turn::Opponent && link_ == Link::Computer) {
            playComputerCell(cell);
        }
    });
}

void Game::playComputerCell(Cell cell) {
    if (cell.column == 0) {
        return;  // a full board: nothing to play
    }
    setOpponent(Opponent::Computer);
    history_.push_back({Step::Kind::ComputerMove, cell, fastTape_.size()});
    opponentMove(cell, Opponent::Computer);
}

void Game::setStrength(Strength strength) {
    if (std::exchange(strength_, strength) == strength || !searching_) {
        return;
    }
    chooser().cancel();
    setSearching(false);
    computerMove();
}

void Game::setSearching(bool searching) {
    const TurnDisplay before = display();
    searching_ = searching;
    if (display() != before) {
        emit displayChanged(display());
    }
}

void Game::setChooser(MoveChooser* chooser) {
    this->chooser().cancel();
    chooser_ = chooser;
}

uint64_t Game::drawSeed() {
    return uint64_t(random_.nextUniform() * 9007199254740992.0);  // 2^53
}

bool Game::fastNow() {
    const bool fast = replaying_ && replayTapeAt_ < replayTape_.size()
                          ? bool(replayTape_[replayTapeAt_++])
                          : fastMode_;
    fastTape_.push_back(fast);
    return fast;
}

// --- hint and undo

bool Game::hintAvailable() const {
    return accepting() && link_ == Link::Computer && !drawing() && !boardFull() &&
           userToMove(turn_);
}

bool Game::undoAvailable() const {
    return accepting() && link_ == Link::Computer && !remoteOnBoard_ &&
           std::any_of(history_.begin(), history_.end(),
                       [](const Step& step) { return step.kind != Step::Kind::ComputerMove; });
}

void Game::updateCommands() {
    if (replaying_) {
        return;
    }
    const bool hint = hintAvailable();
    const bool undo = undoAvailable();
    const bool hintChanged = std::exchange(hintWas_, hint) != hint;
    if (std::exchange(undoWas_, undo) != undo || hintChanged) {
        emit commandsChanged();
    }
}

void Game::requestHint() {
    if (!hintAvailable()) {
        return;
    }
    chooser().request(board_, Strength::Expert, drawSeed(), [this](Cell cell) {
        if (cell.column != 0 && hintAvailable()) {
            emit hintFound(cell);
        }
    });
}

void Game::undo() {
    if (!undoAvailable()) {
        return;
    }
    std::size_t last = history_.size() - 1;
    while (history_[last].kind == Step::Kind::ComputerMove) {
        --last;
    }
    replaySteps_.assign(history_.begin(), history_.begin() + std::ptrdiff_t(last));
    replayTape_.assign(fastTape_.begin(),
                       fastTape_.begin() + std::ptrdiff_t(history_[last].fastAt));
    // Replaying from the new board on: what it redraws is not news to anyone.
    replaying_ = true;
    replayAt_ = 0;
    replayTapeAt_ = 0;
    newGame();
    animation_.setInstant(true);
    while (replayAt_ < replaySteps_.size()) {
        // The computer's steps are taken by computerMove as the replay reaches them.
        const Step step = replaySteps_[replayAt_++];
        if (step.kind == Step::Kind::UserMove) {
            play(step.cell);
        } else if (step.kind == Step::Kind::UserPass) {
            pass();
        }
    }
    animation_.setInstant(false);
    replaying_ = false;
    replaySteps_.clear();
    replayTape_.clear();
    updateCommands();
}

void Game::opponentMove(Cell cell, Opponent opponent) {
    if (lastOpponentCell_.column != 0) {
        queueMark(lastOpponentCell_, Mark::Opponents, std::nullopt);  // the highlight moves on
    }
    lastOpponentCell_ = cell;
    const LineRecord record = fill(cell, Side::Opponent);
    queueMark(cell, Mark::OpponentsNewest, Side::Opponent);
    animation_.add([=] { afterOpponentMark(record, opponent); });
    animation_.play();
}

void Game::afterOpponentMark(LineRecord record, Opponent opponent) {
    if (record.marks == 0) {
        giveTurnBack();
        return;
    }
    queueAward(record, Side::Opponent);
    animation_.add([=] {
        // A move that came while the user was on move leaves the turn with
        // the user; the end of the game leaves nothing to answer.
        if (turn_ != Turn::Opponent && turn_ != Turn::AwaitingFinish &&
            turn_ != Turn::AwaitingFirstMove) {
            return;
        }
        if (remote()) {
            emit finishToSend();
        } else if (opponent == Opponent::Computer) {
            computerMove();
        }
    });
}

void Game::credit(Side side, Run run, int marks) {
    awards_[index(side)].append(marks);
    totals_[index(side)] += marks;
    emit awarded(side, run, marks);
    emit scoreChanged(side, awards_[index(side)], totals_[index(side)]);
    if (boardFull()) {
        endGame();
    }
}

void Game::endGame() {
    setTurn(Turn::Ended);
    emit ended(*result(), total(Side::User), total(Side::Opponent));
}

// --- the remote player

bool Game::holdWhileDrawing(std::function<void()> input) {
    if (drawing() || (!heldInputs_.empty() && !handlingHeld_)) {
        // A peer of the kind we play has a message or two outstanding; one
        // that floods is not allowed to grow this without end.
        if (heldInputs_.size() < kMostHeldInputs) {
            heldInputs_.push_back(std::move(input));
        }
        return true;
    }
    return false;
}

void Game::handleHeldInputs() {
    if (handlingHeld_) {
        return;
    }
    handlingHeld_ = true;
    while (!heldInputs_.empty() && !drawing()) {
        std::function<void()> input = std::move(heldInputs_.front());
        heldInputs_.pop_front();
        input();
    }
    handlingHeld_ = false;
}

void Game::receiveMove(Cell cell) {
    if (!accepting() || !isPlayingCell(cell.column, cell.row)) {
        return;
    }
    // Whatever crossed our "RESET" has come before this: the other side sent
    // this move after it.
    resetUnanswered_ = false;
    if (holdWhileDrawing([=] { receiveMove(cell); })) {
        return;
    }
    // Once the board is full and judged, nothing more is played.
    if (turn_ == Turn::Ended) {
        return;
    }
    if (board_[cell.column][cell.row].cellState != 0) {
        giveTurnBack();
        return;
    }
    setOpponent(Opponent::Remote);
    remoteOnBoard_ = true;
    opponentMove(cell, Opponent::Remote);
}

void Game::receiveReset() {
    if (!accepting()) {
        return;
    }
    const bool answerer = link_ == Link::Answerer;
    if (std::exchange(resetUnanswered_, false) && answerer) {
        return;  // the two new games crossed, and the answerer's stands
    }
    const bool afterFinishedGame = boardFull();
    newGame();
    if (!(afterFinishedGame && answerer)) {
        awaitFirstMove();
    }
}

void Game::receiveFinish() {
    if (!accepting() || holdWhileDrawing([this] { receiveFinish(); })) {
        return;
    }
    // Only the mover of a scoring move waits for it; a finished game stays so.
    if (turn_ == Turn::AwaitingFinish) {
        setTurn(Turn::UserAgain);
    }
}

void Game::stop() {
    stopped_ = true;
    chooser().cancel();
    searching_ = false;
    animation_.clear();
    heldInputs_.clear();
}

}  // namespace velmora
