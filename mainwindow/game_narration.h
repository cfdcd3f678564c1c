// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include "connection.h"
#include "game.h"

class QWidget;

namespace velmora {

class Announcer;

// What a player who cannot see the board hears of the game, in words, through
// the Announcer: each move with its cell and any award, then "Your turn." when
// the turn comes back, the end with both totals, refused presses, the remote
// player's arrival and departure, and each chat line received.
//
// A move is told once its drawing has settled or the next move fills, so a
// move and its award make one utterance, and a chain of the computer's moves
// one utterance each, in the order played. Nothing here touches the keyboard
// focus. The key S on the board says both totals and whose turn it is.
class GameNarration : public QObject {
    Q_OBJECT

public:
    GameNarration(Game& game, Connection& connection, Announcer& announcer, QWidget* board,
                  QObject* parent = nullptr);

    // The board's help for a screen reader, its description at every new game.
    static QString boardHelp();
    // The user pressed `cell` and the game did not take it: why.
    void tellRefused(Cell cell);
    // Both totals and whose turn it is.
    void tellState();
    // Undo has taken moves back: the state it left, instead of its replay.
    void tellUndone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void newBoard();
    void moveMade(Cell cell, Game::Side side);
    void add(const QString& text);
    // Says what is pending once the game has stopped drawing.
    void sayWhenSettled();
    void sayPending();
    // Out of turn: a refusal, the state, the connection, a chat line.
    void sayNow(const QString& text);
    void turnChanged(Turn turn);
    void connectionChanged(Connection::State state);
    QString endText() const;
    QString stateText() const;

    Game& game_;
    Announcer& announcer_;
    QWidget* board_;
    // The move being told, with what has followed it so far.
    QString pending_;
    bool checkQueued_ = false;
    bool firstBoard_ = true;
    bool userWaited_ = false;
    bool remotePlayer_ = false;
};

}  // namespace velmora
