#pragma once

#include <QString>

#include <cstdint>

// Two copies of the game playing each other on the simulated network, their
// users clicking, starting new games, chatting, hanging up and calling again
// at random moments. At every quiet moment (nothing on the network, no timer
// running, nothing drawing) the two must agree.
namespace sim {

struct Figures {
    long games = 0;          // remote games started
    long finishedGames = 0;  // of those, played to the last cell
    long moves = 0;
    long connections = 0;
    long quietMoments = 0;
    long divergences = 0;  // the boards, totals or turns disagree
    long stalls = 0;       // both sides wait, and nothing is on its way
    long chatLines = 0;
    // Lines shown otherwise than sent where the unframed protocol cannot
    // tell: cut by the network with a pause, read in pieces, glued together.
    long chatLinesNotWhole = 0;
    long writes = 0;
    long cutWrites = 0;
    long gluedWrites = 0;
};

struct Run {
    Figures figures;
    QString failure;  // empty, or what broke, when, the seed and the last events
};

// Plays until `games` remote games have been finished, or an invariant breaks.
Run playTwoCopies(std::uint64_t seed, long games);

}  // namespace sim
