// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace velmora {
class Connection;
class Game;
}  // namespace velmora

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
    // Shown in more than one piece (or with more behind it): cut by the network.
    long chatLinesNotWhole = 0;
    // Messages glued behind a chat line, and so read as more of it: sent
    // before the spacing was over, or held up by the network past it.
    long swallowedSentTooSoon = 0;
    long swallowedHeldUp = 0;
    long cutWrites = 0;
    long gluedWrites = 0;
    QString failure;  // empty, or what broke, when, and the seed
};

// One copy as the checker sees it: its game, its connection, and the chat
// lines it sent and showed since the last quiet moment (emptied by the check).
struct CopySeen {
    const velmora::Game& game;
    const velmora::Connection& connection;
    QStringList& sent;
    QStringList& received;
};

// The invariants of two copies at a quiet moment (nothing on its way between them): both
// in a remote game or neither; every chat letter sent shown, in order; the same cells,
// moves, totals and end, one seen mirrored; until the end, exactly one side free to move.
// Empty when all hold, else what broke. Counts chat lines, divergences, stalls, and (once
// per game, with `finishCounted`) games played to the end.
QString brokenInvariant(const CopySeen& a, const CopySeen& b, Figures& figures,
                        bool& finishCounted);

// What a copy shows of its game; read mirrored, the other's must be the same.
QString view(const velmora::Game& game, bool mirrored);

// Plays until `games` remote games have been finished, or an invariant breaks.
Figures playTwoCopies(std::uint64_t seed, long games);

}  // namespace sim
