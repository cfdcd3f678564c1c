// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game_end.h"

namespace velmora {

// Whose turn it is in the game in progress. Every state the game can be in
// is one of these; what the user may do and what the window shows follow
// from it alone (displayFor).
enum class Turn {
    User,               // the user may move
    UserFirstMove,      // the other copy opened this game: New Game waits for the user's move
    UserAgain,          // the user scored and moves again
    UserMoving,         // the user's move is drawing, and then its award
    Opponent,           // the computer or the remote player is to move
    AwaitingFinish,     // the user's award is drawing on the other copy, which answers "FINISH"
    AwaitingFirstMove,  // the other copy opens this game
    Ended,              // every cell is filled and judged
};

using Result = GameResult;

// What a turn allows and shows.
struct TurnDisplay {
    enum class Prompt { YourTurn, Wait, Result };
    // The waiting display: playing while the user waits, still on the user's
    // turn, hidden once the game has ended.
    enum class Waiting { Playing, Still, Hidden };

    bool boardOpen = false;  // a click on an empty cell is a move (once nothing draws)
    bool passEnabled = false;
    bool newGameEnabled = false;
    Prompt prompt = Prompt::YourTurn;
    Waiting waiting = Waiting::Still;

    friend bool operator==(const TurnDisplay& a, const TurnDisplay& b) {
        return a.boardOpen == b.boardOpen && a.passEnabled == b.passEnabled &&
               a.newGameEnabled == b.newGameEnabled && a.prompt == b.prompt &&
               a.waiting == b.waiting;
    }
    friend bool operator!=(const TurnDisplay& a, const TurnDisplay& b) { return !(a == b); }
};

// `computer`: the computer plays the other side (no call going out, no remote game).
constexpr TurnDisplay displayFor(Turn turn, bool computer) {
    using Prompt = TurnDisplay::Prompt;
    using Waiting = TurnDisplay::Waiting;
    switch (turn) {
        case Turn::User:
            return {true, computer, true, Prompt::YourTurn, Waiting::Still};
        case Turn::UserFirstMove:
            return {true, computer, false, Prompt::YourTurn, Waiting::Still};
        case Turn::UserAgain:
            return {true, false, true, Prompt::YourTurn, Waiting::Still};
        case Turn::UserMoving:
            // Against another copy a "RESET" now would follow a move that has
            // not yet gone out.
            return {false, computer, computer, Prompt::YourTurn, Waiting::Still};
        case Turn::Opponent:
            // Pass stays on against the computer, and is ignored.
            return {false, computer, false, Prompt::Wait, Waiting::Playing};
        case Turn::AwaitingFinish:
        case Turn::AwaitingFirstMove:
            return {false, false, false, Prompt::Wait, Waiting::Playing};
        case Turn::Ended:
            return {false, false, true, Prompt::Result, Waiting::Hidden};
    }
    return {};
}

// The user is to move: once nothing draws, a click on an empty cell is a move.
constexpr bool userToMove(Turn turn) {
    return displayFor(turn, true).boardOpen;
}

}  // namespace velmora
