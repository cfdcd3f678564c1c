// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the game on the simulated network, from fresh seeds or from
// one given seed. Prints games played, divergences, stalls, messages swallowed by
// a chat line and chat lines shown in pieces; a failure prints its seed, which replays it:
//   two_copies_sim [games [seed]]
#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <random>

#include "two_copies.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const long games = argc > 1 ? std::atol(argv[1]) : 100000;
    const bool replay = argc > 2;
    const std::uint64_t firstSeed =
        replay ? std::strtoull(argv[2], nullptr, 10)
               : std::random_device{}() * 4294967296ULL + std::random_device{}();
    // A run of fresh seeds is many short runs, so that a failure's seed
    // replays it in seconds.
    const long perSeed = replay ? games : 500;
    sim::Figures total;
    long runs = 0;
    long failures = 0;
    QElapsedTimer elapsed;
    elapsed.start();
    for (std::uint64_t seed = firstSeed; total.finishedGames < games; ++seed, ++runs) {
        const sim::Figures f =
            sim::playTwoCopies(seed, std::min(perSeed, games - total.finishedGames));
        total.games += f.games;
        total.finishedGames += f.finishedGames;
        total.connections += f.connections;
        total.divergences += f.divergences;
        total.stalls += f.stalls;
        total.chatLines += f.chatLines;
        total.chatLinesNotWhole += f.chatLinesNotWhole;
        total.swallowedSentTooSoon += f.swallowedSentTooSoon;
        total.swallowedHeldUp += f.swallowedHeldUp;
        total.cutWrites += f.cutWrites;
        total.gluedWrites += f.gluedWrites;
        if (!f.failure.isEmpty()) {
            ++failures;
            std::printf("FAILED %s\n", qPrintable(f.failure));
            if (replay || f.finishedGames == 0) {
                break;
            }
        }
    }
    std::printf("seeds %llu.. (%ld runs), %.1f s\n", static_cast<unsigned long long>(firstSeed),
                runs, elapsed.elapsed() / 1000.0);
    std::printf("games started %ld, played to the end %ld, connections %ld\n", total.games,
                total.finishedGames, total.connections);
    std::printf("divergences %ld, stalls %ld, failed runs %ld\n", total.divergences, total.stalls,
                failures);
    std::printf("chat lines %ld, shown in more than one piece %ld\n", total.chatLines,
                total.chatLinesNotWhole);
    std::printf(
        "messages swallowed by a chat line: sent too soon behind it %ld, held up by "
        "the network %ld\n",
        total.swallowedSentTooSoon, total.swallowedHeldUp);
    std::printf("writes cut %ld, glued to the one before %ld\n", total.cutWrites,
                total.gluedWrites);
    return failures == 0 ? 0 : 1;
}
