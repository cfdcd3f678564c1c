// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

// Two copies of the game on a simulated network and clock, their users acting
// at random moments; at every quiet moment the two must agree. All is drawn
// from one seeded engine, so a seed replays a run.
namespace sim {

struct Figures {
    long games = 0;          // remote games started
    long finishedGames = 0;  // of those, played to the last cell
    long connections = 0;
    long divergences = 0;  // the boards, totals or turns disagree
    long stalls = 0;       // both sides wait, and nothing is on its way
    long chatLines = 0;
    // Where the unframed protocol cannot tell: glued to a message, cut with a pause.
    long chatLinesNotWhole = 0;
    long cutWrites = 0;
    long gluedWrites = 0;
    QString failure;  // empty, or what broke, when, and the seed
};

// Plays until `games` remote games have been finished, or an invariant breaks.
Figures playTwoCopies(std::uint64_t seed, long games);

}  // namespace sim
