#include "game.h"

#include <QStringList>

#include <cmath>

#include "computer_player.h"
#include "move_evaluation.h"
#include "pause_timer.h"

namespace velmora {

namespace {

// False also for a NaN: every comparison with one fails.
bool isPlayingCell(double column, double row) {
    return column >= 1 && column <= kBoardCells && row >= 1 && row <= kBoardCells;
}

}  // namespace

Game::Game(Peer& peer, RandomSource& random, PauseTimer& timer, int boardWidth, QObject* parent)
    : QObject(parent), peer_(peer), random_(random), animation_(timer), boardWidth_(boardWidth) {
    connect(&animation_, &AnimationQueue::finished, this, &Game::handleHeldInputs);
}

QString Game::signs(Side side) const {
    QStringList parts;
    for (int marks : signs_[index(side)]) {
        parts << QString::number(marks);
    }
    return parts.join('+');
}

std::optional<Game::Side> Game::owner(int column, int row) const {
    if (!isPlayingCell(column, row) || board_[column][row].cellState == 0) {
        return std::nullopt;
    }
    return owners_[column][row];
}

QString Game::totalText(Side side) const {
    return signs_[index(side)].isEmpty() ? QString() : QString::number(total(side));
}

// --- starting a game

void Game::newGame() {
    if (stopped_) {
        return;
    }
    // Whatever the last game was drawing goes, and so do inputs it held.
    animation_.clear();
    heldInputs_.clear();
    passButtonShown_ = false;
    cellSize_ = cellSizeFor(boardWidth_);
    layOutBoard(board_, cellSize_);
    emit boardCleared();
    drawGrid();
    for (int side = 0; side < 2; ++side) {
        signs_[side].clear();
        totals_[side] = 0;
    }
    moveLock_ = false;
    extraTurn_ = false;
    moveCount_ = 0;
    mayRestart_ = true;
    lastOpponentCell_ = {};
    if (!connected()) {
        passEnabled_ = true;
    }
    // The user is to move: New Game comes back even when the drawing that
    // would have handed the turn back was dropped.
    newGameEnabled_ = true;
    result_ = Result::None;
    message_ = tr("Your Turn");
    const bool firstGame = !started_;
    started_ = true;
    emit changed();
    if (!firstGame) {
        setLogo(Logo::Still);
    }
}

void Game::requestNewGame() {
    if (stopped_) {
        return;
    }
    if (!connected()) {
        newGame();
        return;
    }
    const bool afterFinishedGame = boardFull();
    peer_.sendReset();
    resetUnanswered_ = true;
    newGame();
    if (afterFinishedGame && !peer_.answeredCall()) {
        awaitFirstMove();
    }
}

void Game::awaitFirstMove() {
    if (!accepting()) {
        return;
    }
    moveLock_ = true;
    mayRestart_ = false;
    newGameEnabled_ = false;
    message_ = tr("Wait ......");
    emit changed();
    setLogo(Logo::Waiting);
}

bool Game::boardFull() const {
    return moveCount_ >= kPlayingCells;
}

void Game::drawGrid() {
    // Eight lines each way and no outer frame: the picture's border frames it.
    for (int i = 1; i < kBoardCells; ++i) {
        const int p = i * cellSize_;
        emit lineDrawn(0, p, boardWidth_, p, kBlack);
        emit lineDrawn(p, 0, p, boardWidth_, kBlack);
    }
}

// --- drawing

void Game::queueMark(Cell cell, quint32 colour) {
    const int x = board_[cell.column][cell.row].centreX;
    const int y = board_[cell.column][cell.row].centreY;
    const double radius = float(cellSize_) / 5.0f;
    if (!fastMode_) {
        // The opponent's newest mark grows slowly, in eight arcs; any other in two.
        const float step = colour == kRed ? 0.8f : 4.0f;
        for (float angle = 0.01f; angle <= 6.28f; angle += step) {
            animation_.add([=] { emit arcDrawn(x, y, radius, angle, colour); });
            animation_.addPause();
        }
    }
    animation_.add([=] { emit circleDrawn(x, y, radius, colour); });
}

void Game::queueAward(const LineRecord& run, Side side) {
    const int x1 = board_[run.x1][run.y1].centreX;
    const int y1 = board_[run.x1][run.y1].centreY;
    const int x2 = board_[run.x2][run.y2].centreX;
    const int y2 = board_[run.x2][run.y2].centreY;
    // The user's own lines against the computer appear almost at once.
    const int step = (connected() || side == Side::Opponent) ? 360 : 1800;
    if (!fastMode_) {
        const bool vertical = x1 == x2;
        for (int k = vertical ? y1 : x1; k <= (vertical ? y2 : x2); k += step) {
            animation_.add([=] {
                if (vertical) {
                    emit lineDrawn(x1, y1, x2, k, kWhite);
                } else {
                    emit lineDrawn(x1, y1, k, y2, kWhite);
                }
            });
            animation_.addPause();
        }
    }
    animation_.add([=] { emit lineDrawn(x1, y1, x2, y2, kBlack); });
    const int marks = run.marks;
    animation_.add([=] { credit(side, marks); });
}

LineRecord Game::fill(Cell cell, Side side) {
    ++moveCount_;
    board_[cell.column][cell.row].cellState = 1;
    owners_[cell.column][cell.row] = side;
    LineRecord run;
    evaluateMove(board_, cell.column, cell.row, run);
    return run;
}

void Game::setLogo(Logo logo) {
    emit logoChanged(logo);
}

// --- the user's turn

void Game::press(int button, double x, double y) {
    if (!accepting() || peer_.calling() || drawing() || button != 1 || moveLock_) {
        return;
    }
    // Compared as reals first: a point far outside never becomes an integer.
    const double column = std::floor(x / cellSize_) + 1;
    const double row = std::floor(y / cellSize_) + 1;
    if (!isPlayingCell(column, row)) {
        return;
    }
    const Cell cell{int(column), int(row)};
    if (board_[cell.column][cell.row].cellState != 0) {
        return;
    }
    moveLock_ = true;
    mayRestart_ = true;
    if (connected()) {
        // Until the other side has the move, a "RESET" would start a game
        // after a board the other side has not seen.
        newGameEnabled_ = false;
        emit changed();
    }
    const LineRecord run = fill(cell, Side::User);
    queueMark(cell, kBlue);
    animation_.add([=] { afterUserMark(cell, run); });
    animation_.play();
}

void Game::afterUserMark(Cell cell, LineRecord run) {
    // The peer hears of the move once it shows here.
    if (connected()) {
        peer_.sendMove(cell.column, cell.row);
    }
    if (run.marks == 0) {
        extraTurn_ = false;
        if (!connected()) {
            passEnabled_ = true;
        }
        handTurnOver();
        return;
    }
    moveLock_ = false;
    extraTurn_ = true;
    passEnabled_ = false;
    emit changed();
    queueAward(run, Side::User);
    animation_.add([this] {
        // A remote peer draws the award too and answers "FINISH"; the move
        // that ends the game leaves its result in place instead.
        if (connected() && result_ == Result::None) {
            setLogo(Logo::Waiting);
            moveLock_ = true;
            newGameEnabled_ = false;
            message_ = tr("Wait ......");
            emit changed();
        }
    });
}

Game::PassAnswer Game::pass() {
    if (!accepting() || drawing() || moveLock_) {
        return PassAnswer::Ignored;
    }
    if (extraTurn_) {
        return PassAnswer::MarksOwed;
    }
    handTurnOver();
    return PassAnswer::Passed;
}

void Game::handTurnOver() {
    newGameEnabled_ = false;
    setLogo(Logo::Waiting);
    moveLock_ = true;
    message_ = tr("Wait ......");
    emit changed();
    // A remote opponent moves when our move message reaches it.
    if (!connected()) {
        computerMove();
    }
}

void Game::setFastMode(bool on) {
    fastMode_ = on;
}

// --- the opponent's turn

void Game::computerMove() {
    const Cell cell = chooseComputerCell(board_, drawSearchStart(random_));
    if (cell.column == 0) {
        return;  // a full board: nothing to play
    }
    opponentName_ = tr("Computer:");
    emit changed();
    opponentMove(cell, true);
}

void Game::opponentMove(Cell cell, bool byComputer) {
    if (lastOpponentCell_.column != 0) {
        queueMark(lastOpponentCell_, kBlue);  // the red highlight moves on
    }
    lastOpponentCell_ = cell;
    const LineRecord run = fill(cell, Side::Opponent);
    queueMark(cell, kRed);
    animation_.add([=] { afterOpponentMark(run, byComputer); });
    animation_.play();
}

void Game::afterOpponentMark(LineRecord run, bool byComputer) {
    if (run.marks == 0) {
        giveTurnBack();
        return;
    }
    queueAward(run, Side::Opponent);
    animation_.add([=] {
        // The end of the game clears moveLock_: no "FINISH", no further move.
        if (!moveLock_) {
            return;
        }
        if (connected()) {
            peer_.sendFinish();
        } else if (byComputer) {
            computerMove();
        }
    });
}

void Game::giveTurnBack() {
    setLogo(Logo::Still);
    newGameEnabled_ = mayRestart_ || !connected();
    moveLock_ = false;
    message_ = tr("Your Turn");
    emit changed();
}

void Game::credit(Side side, int marks) {
    signs_[index(side)].append(marks);
    totals_[index(side)] += marks;
    emit awarded(side, marks);
    emit changed();
    if (moveCount_ >= kPlayingCells) {
        endGame();
    }
}

void Game::endGame() {
    switch (judgeGame(totals_[index(Side::Opponent)], totals_[index(Side::User)])) {
        case GameResult::Level:
            message_ = tr("Level");
            result_ = Result::Level;
            break;
        case GameResult::Win:
            message_ = tr("You WIN !!!");
            result_ = Result::Win;
            break;
        case GameResult::Lost:
            message_ = tr("You Lost");
            result_ = Result::Lost;
            break;
    }
    moveLock_ = false;
    extraTurn_ = true;
    passEnabled_ = false;
    newGameEnabled_ = true;
    emit changed();
    setLogo(Logo::Hidden);
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

void Game::receiveMove(int column, int row) {
    if (!accepting() || !isPlayingCell(column, row)) {
        return;
    }
    // Whatever crossed our "RESET" has come before this: the other side sent
    // this move after it.
    resetUnanswered_ = false;
    if (holdWhileDrawing([=] { receiveMove(column, row); })) {
        return;
    }
    // Both users may click the same cell at the start of a game: the second
    // arrival is not played again, and the turn is the local user's. Once
    // the board is full and judged, nothing more is played.
    if (result_ != Result::None) {
        return;
    }
    if (board_[column][row].cellState != 0) {
        giveTurnBack();
        return;
    }
    opponentName_ = tr("Remote:");
    emit changed();
    opponentMove({column, row}, false);
}

void Game::receiveReset() {
    if (!accepting()) {
        return;
    }
    if (resetUnanswered_ && peer_.answeredCall()) {
        resetUnanswered_ = false;
        return;  // the two new games crossed, and the answerer's stands
    }
    resetUnanswered_ = false;
    const bool afterFinishedGame = boardFull();
    newGame();
    if (!(afterFinishedGame && peer_.answeredCall())) {
        awaitFirstMove();
    }
}

void Game::receiveFinish() {
    if (!accepting() || holdWhileDrawing([this] { receiveFinish(); })) {
        return;
    }
    // Only the mover of a scoring move waits for it; a finished game stays so.
    if (!extraTurn_ || result_ != Result::None) {
        return;
    }
    setLogo(Logo::Still);
    moveLock_ = false;
    newGameEnabled_ = true;
    message_ = tr("Your Turn");
    emit changed();
}

void Game::remotePlayStarted() {
    passEnabled_ = false;
    emit changed();
}

void Game::remotePlayEnded() {
    if (!accepting()) {
        return;
    }
    resetUnanswered_ = false;
    mayRestart_ = true;
    if (!extraTurn_) {
        passEnabled_ = true;
        emit changed();
    }
    // A turn the remote player still owed is the computer's, once whatever
    // is drawing has finished; a game nobody has moved in yet is the user's
    // to open, as any new game against the computer.
    auto takeOver = [this] {
        if (!moveLock_ || result_ != Result::None) {
            newGameEnabled_ = true;
            emit changed();
        } else if (moveCount_ == 0) {
            giveTurnBack();
        } else {
            computerMove();
        }
    };
    if (!holdWhileDrawing(takeOver)) {
        takeOver();
    }
}

void Game::stop() {
    stopped_ = true;
    animation_.clear();
    heldInputs_.clear();
}

}  // namespace velmora
