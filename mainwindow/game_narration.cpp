// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_narration.h"

#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include "announcer.h"

namespace velmora {

namespace {

bool userWaits(Turn turn) {
    return turn == Turn::Opponent || turn == Turn::AwaitingFinish ||
           turn == Turn::AwaitingFirstMove;
}

}  // namespace

GameNarration::GameNarration(Game& game, Connection& connection, Announcer& announcer,
                             QWidget* board, QObject* parent)
    : QObject(parent), game_(game), announcer_(announcer), board_(board) {
    connect(&game_, &Game::boardCleared, this, &GameNarration::newBoard);
    connect(&game_, &Game::cellFilled, this, &GameNarration::moveMade);
    connect(&game_, &Game::awarded, this, [this](Game::Side side, Game::Run, int marks) {
        if (game_.replaying()) {
            return;
        }
        const int total = game_.total(side);
        add(side == Game::Side::User ? tr("You score %1, total %2.").arg(marks).arg(total)
                                     : tr("Opponent scores %1, total %2.").arg(marks).arg(total));
    });
    connect(&game_, &Game::turnChanged, this, &GameNarration::turnChanged);
    connect(&game_, &Game::ended, this, [this] {
        if (!game_.replaying()) {
            add(endText());
        }
    });
    connect(&connection, &Connection::stateChanged, this, &GameNarration::connectionChanged);
    connect(&connection, &Connection::chatArrived, this,
            [this](const QString& line) { sayNow(tr("Remote player says: %1").arg(line)); });
    board_->installEventFilter(this);
}

QString GameNarration::boardHelp() {
    return tr(
        "Nine columns by nine rows: arrow keys, Home and End move, Space or Enter places "
        "your mark, S says the score and whose turn it is");
}

void GameNarration::newBoard() {
    if (game_.replaying()) {
        return;  // Undo redraws the game; it is told once it is done
    }
    // Old news is stale: what was not said yet, and any description left.
    pending_.clear();
    announcer_.clear();
    board_->setAccessibleDescription(boardHelp());
    userWaited_ = false;
    if (!std::exchange(firstBoard_, false)) {
        announcer_.say(tr("New game."));
    }
}

void GameNarration::moveMade(Cell cell, Game::Side side) {
    if (game_.replaying()) {
        return;
    }
    // The move before has had all its news.
    sayPending();
    add(side == Game::Side::User
            ? tr("Yours: column %1, row %2.").arg(cell.column).arg(cell.row)
            : tr("Opponent: column %1, row %2.").arg(cell.column).arg(cell.row));
}

void GameNarration::add(const QString& text) {
    pending_ += (pending_.isEmpty() ? QString() : QString(' ')) + text;
    sayWhenSettled();
}

void GameNarration::sayWhenSettled() {
    // Looked at once the game's step has run to its end: what the same step
    // adds (the award's total, the turn, the result) joins the utterance.
    if (std::exchange(checkQueued_, true)) {
        return;
    }
    QTimer::singleShot(0, this, [this] {
        checkQueued_ = false;
        // Still drawing: an award or the next move follows, and says this then.
        if (!game_.drawing()) {
            sayPending();
        }
    });
}

void GameNarration::sayPending() {
    announcer_.say(std::exchange(pending_, QString()));
}

void GameNarration::sayNow(const QString& text) {
    // After the last move's news, unless that move is still drawing.
    if (!game_.drawing()) {
        sayPending();
    }
    announcer_.say(text);
}

void GameNarration::turnChanged(Turn turn) {
    if (game_.replaying()) {
        return;
    }
    if (userToMove(turn) && userWaited_) {
        add(tr("Your turn."));
    }
    userWaited_ = userWaits(turn);
    if (userWaited_) {
        sayPending();  // the user's move is over: no award follows it
    } else {
        sayWhenSettled();
    }
}

void GameNarration::connectionChanged(Connection::State state) {
    const bool remote = state == Connection::State::Connected;
    if (remote != remotePlayer_) {
        remotePlayer_ = remote;
        sayNow(remote ? tr("The remote player has joined.") : tr("The remote player has gone."));
    }
}

QString GameNarration::endText() const {
    const int yours = game_.total(Game::Side::User);
    const int theirs = game_.total(Game::Side::Opponent);
    switch (game_.result().value_or(Result::Level)) {
        case Result::Win:
            return tr("You win, %1 to %2.").arg(yours).arg(theirs);
        case Result::Lost:
            return tr("You lose, %1 to %2.").arg(yours).arg(theirs);
        case Result::Level:
            break;
    }
    return tr("Level game, %1 to %2.").arg(yours).arg(theirs);
}

void GameNarration::tellRefused(Cell cell) {
    if (game_.owner(cell)) {
        sayNow(tr("That cell is taken."));
    } else if (userToMove(game_.turn()) || game_.turn() == Turn::UserMoving) {
        sayNow(tr("Wait: your move is being drawn."));
    } else {
        sayNow(tr("Wait: the opponent is moving."));
    }
}

void GameNarration::tellUndone() {
    pending_.clear();
    announcer_.clear();
    userWaited_ = false;
    sayNow(tr("Taken back.") + ' ' + stateText());
}

void GameNarration::tellState() {
    sayNow(stateText());
}

QString GameNarration::stateText() const {
    if (game_.result()) {
        return endText();
    }
    const QString score = tr("You have %1, the opponent %2.")
                              .arg(game_.total(Game::Side::User))
                              .arg(game_.total(Game::Side::Opponent));
    const bool yours = userToMove(game_.turn()) || game_.turn() == Turn::UserMoving;
    return score + ' ' + (yours ? tr("Your turn.") : tr("The opponent's turn."));
}

bool GameNarration::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_S && key->modifiers() == Qt::NoModifier) {
            tellState();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora
