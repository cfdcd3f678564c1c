// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies on the simulated network, from a fixed seed: a thousand games in
// which the boards, the totals and the turn never disagree at a quiet moment.
#include <QTest>

#include "two_copies.h"

class TwoCopiesTest : public QObject {
    Q_OBJECT

private slots:
    void aThousandGamesStayInStep() {
        const sim::Figures figures = sim::playTwoCopies(20261207, 1000);
        QVERIFY2(figures.failure.isEmpty(), qPrintable(figures.failure));
        QCOMPARE(figures.finishedGames, 1000L);
        // The run met hang-ups, new calls, abandoned games and a network that cut and glued.
        QVERIFY(figures.connections > 10 && figures.games > figures.finishedGames);
        QVERIFY(figures.cutWrites > 100 && figures.gluedWrites > 100);
        QVERIFY(figures.chatLinesNotWhole > 0 && figures.chatLinesNotWhole < figures.chatLines / 2);
        // Glued behind chat lines too, yet none swallowed a message.
        QCOMPARE(figures.swallowedSentTooSoon + figures.swallowedHeldUp, 0L);
    }
};

QTEST_GUILESS_MAIN(TwoCopiesTest)
#include "two_copies_test.moc"
