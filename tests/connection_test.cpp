// SPDX-License-Identifier: GPL-3.0-or-later
// The connection to the other copy, on a transport the test plays: what it
// calls and answers, the bytes it writes, and how it reads what arrives.
#include <QSignalSpy>
#include <QTest>

#include "connection.h"
#include "game.h"
#include "game_link.h"
#include "scripted_random.h"
#include "test_doubles.h"
#include "transport.h"

using velmora::Connection;
using velmora::Game;
using velmora::Transport;

namespace {

struct FakeTransport : Transport {
    State state() const override { return status; }
    void close() override { status = State::Closed; }
    void setLocalPort(quint16 port) override { port_ = port; }
    quint16 localPort() const override { return port_; }
    void listen() override { status = State::Listening; }
    void connectTo(const QString& host, quint16 port) override {
        called = QString("%1:%2 from %3").arg(host).arg(port).arg(port_);
        status = State::Connecting;
    }
    void accept(int) override { status = State::Connected; }
    QString callerAddress(int) const override { return "192.0.2.9"; }
    void sendData(std::string_view bytes) override {
        sent += QByteArray(bytes.data(), qsizetype(bytes.size()));
    }
    // As a socket hands them over: a buffer's worth at a time.
    QByteArray takeData() override {
        const QByteArray taken = inbox.left(4096);
        inbox.remove(0, taken.size());
        return taken;
    }
    bool bytesWaiting() const override { return !inbox.isEmpty(); }
    int unacknowledgedBytes() const override { return unacknowledged; }
    QString localIp() const override { return {}; }
    void arrive(const QByteArray& bytes) {
        inbox += bytes;
        while (!inbox.isEmpty()) {
            emit dataArrival();
        }
    }

    QString called;
    QByteArray sent;
    QByteArray inbox;
    int unacknowledged = 0;
    State status = State::Closed;
    quint16 port_ = 0;
};

struct Rig {
    FakeTransport transport;
    TestPause hold;
    TestPause spacing;
    ScriptedRandom random;
    TestPause pause;
    Game game{random, pause};
    Connection connection{transport, hold, spacing, 5000};
    QStringList chat;

    Rig() {
        velmora::linkGameAndConnection(game, connection);
        QObject::connect(&connection, &Connection::chatArrived,
                         [this](const QString& line) { chat << line; });
        game.newGame();
        connection.hangUpAndListen();
        emit transport.connectionRequest(3);
    }
    void arrive(const QByteArray& bytes) {
        transport.arrive(bytes);
        pause.finish();
    }
    void press(int column, int row) {
        game.play({column, row});
        pause.finish();
    }
};

}  // namespace

class ConnectionTest : public QObject {
    Q_OBJECT

private slots:
    // The answerer of a call is on move. A caller, from the port above, may not move from dialling
    // until the answerer's first move has come: a click before its "RESET" would be on one board
    // only. To a side that left nothing goes. Ports are 1 to 65530, other than the one in use.
    void theAnswererMovesFirstAndTheCallerWaitsFromDialling() {
        Rig rig;
        QVERIFY(rig.connection.answeredCall() && rig.game.display().boardOpen);
        rig.connection.hangUpAndListen();
        for (const char* refused : {"example.org", "0.0.0.0", "256.1.1.1", "256.0.0.1"}) {
            QVERIFY(!rig.connection.call(refused));
        }
        for (const char* refused : {"65531", "0", "-5", "port", "5000"}) {
            QVERIFY(!rig.connection.changePort(refused));
        }
        QVERIFY(rig.connection.changePort("1") && rig.connection.changePort("65530.9"));
        QCOMPARE(rig.connection.remoteAddress(), QString("256.0.0.1"));
        QVERIFY(rig.connection.call("0.5"));
        QCOMPARE(rig.transport.called, QString("0.5:65530 from 65531"));
        rig.transport.status = Transport::State::Connected;
        emit rig.transport.connected();
        QCOMPARE(rig.connection.state(), Connection::State::Connected);
        rig.press(5, 5);
        rig.arrive("RESET");
        rig.press(5, 5);
        rig.arrive("55");
        QVERIFY(rig.game.moveCount() == 1 && rig.game.display().boardOpen);
        emit rig.transport.error(Transport::kIgnoredError, "ignored");
        QVERIFY(!rig.connection.idle());
        rig.transport.status = Transport::State::PeerClosing;
        emit rig.transport.closed();
        QVERIFY(rig.connection.idle());
        QCOMPARE(rig.transport.sent, QByteArray("RESETCLOSE"));
        for (int caller = 4; caller < 6; ++caller) {  // "Link lost" until the next call, either way
            emit rig.transport.connectionRequest(caller);
            QVERIFY(!rig.connection.linkLost());
            emit rig.transport.error(10053, "gone");
        }
        QVERIFY(rig.connection.linkLost() && rig.connection.call("0.5") &&
                !rig.connection.linkLost());
    }

    // Moves, chat, "FINISH" and "CLOSE" as they go out. Once the program has
    // ended no caller is taken.
    void bytesOnTheWireAreExact() {
        Rig rig;
        rig.press(1, 9);
        QVERIFY(rig.connection.sendChat("@h\xe9"));
        rig.arrive("11");
        rig.press(5, 5);  // drawn, but sent only once the chat line is alone on the wire
        QVERIFY(rig.game.moveCount() == 3 && rig.transport.sent.endsWith("@@h\xe9"));
        while (rig.spacing.step()) {
        }
        rig.arrive("21");
        rig.press(9, 9);
        rig.arrive("31");     // the remote player scores, is drawn here, and told
        rig.arrive("CLOSE");  // answered in kind while still connected
        QVERIFY(rig.connection.idle() && !rig.connection.sendChat("late"));
        rig.connection.hangUpAndListen();  // no "CLOSE" once the line is down
        rig.connection.end();
        emit rig.transport.connectionRequest(4);
        QCOMPARE(rig.transport.sent, QByteArray("RESET19@@h\xe9"
                                                "5599FINISHCLOSE"));
        QCOMPARE(rig.transport.status, Transport::State::Closed);
    }

    // Behind a chat line, a move, another line, a hang-up and the end wait their turn, in order:
    // until 300 ms after the line's acknowledgement was seen, looked at every 25 ms; "CLOSE" 300 ms
    // after the line only. The end sends "CLOSE" without the chat still waiting.
    void whatFollowsAChatLineWaits() {
        Rig rig;
        QSignalSpy finished(&rig.connection, &Connection::finished);
        rig.transport.unacknowledged = 1;  // the last byte still out
        rig.connection.sendChat("a");
        rig.press(5, 5);
        rig.connection.sendChat("b");
        for (int poll = 0; poll < 14; ++poll) {
            QVERIFY(rig.spacing.step());
        }
        rig.transport.unacknowledged = 0;  // from here the reader may hold its last bytes
        for (int poll = 0; poll < 13; ++poll) {
            QCOMPARE(rig.transport.sent, QByteArray("RESET@a"));
            rig.spacing.step();
        }
        QCOMPARE(rig.transport.sent, QByteArray("RESET@a55@b"));
        QCOMPARE(rig.spacing.started, QList<int>(28, 25));
        rig.transport.unacknowledged = 4;
        for (int poll = 0; poll < 12; ++poll) {
            QVERIFY(rig.spacing.step());
        }
        rig.connection.hangUpAndListen();  // "@b" is 300 ms old: "CLOSE" waits no more
        QCOMPARE(rig.transport.sent, QByteArray("RESET@a55@bCLOSE"));
        QVERIFY(rig.connection.idle() && rig.transport.status == Transport::State::Listening);
        emit rig.transport.connectionRequest(4);
        rig.transport.unacknowledged = 0;
        rig.connection.sendChat("c");
        rig.press(4, 4);
        emit rig.transport.closed();  // what waits goes with the game
        emit rig.transport.connectionRequest(5);
        rig.connection.sendChat("c");
        rig.press(4, 4);
        rig.connection.sendChat("d");
        rig.connection.hangUpAndListen();  // "CLOSE" behind what waits
        rig.connection.end();              // and the end drops only the chat
        for (int poll = 0; poll < 12; ++poll) {
            QVERIFY(finished.count() == 0 && rig.transport.status == Transport::State::Connected);
            rig.spacing.step();
        }
        QCOMPARE(rig.transport.sent, QByteArray("RESET@a55@bCLOSERESET@cRESET@c44CLOSE"));
        QCOMPARE(finished.count(), 1);
    }

    // A chat line whose bytes were all read ends there, whatever its length; a
    // read that stopped with bytes waiting, or a line cut by the network, goes
    // on as chat. "(call)": a new caller is taken; "(hold)": the hold ends;
    // "(hang up)": a hang-up behind a chat line of ours, the line still up.
    void arrivalsAreReadWhateverTheirCut_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("seen");  // the chat lines, and the moves played
        const QString x4095(4095, 'x');
        QTest::newRow("a move after a line of 4096 bytes")
            << QStringList{"@" + x4095, "55"} << x4095 + " / 1";
        QTest::newRow("a move after a line of 8192 bytes")
            << QStringList{"@" + x4095 + 'x' + x4095, "55"} << x4095 + "|x" + x4095 + " / 1";
        QTest::newRow("a new connection is read afresh")
            << QStringList{"@hi", "(call)", "xyz"} << "hi|yz / 0";
        QTest::newRow("a held start is read as it stands, and the line goes on")
            << QStringList{"FIN", "(hold)", "ALLY"} << "IN|ALLY / 0";
        QTest::newRow("nothing after a hang-up") << QStringList{"(hang up)", "@e55"} << " / 0";
    }
    void arrivalsAreReadWhateverTheirCut() {
        QFETCH(QStringList, steps);
        QFETCH(QString, seen);
        Rig rig;
        for (const QString& step : steps) {
            if (step == "(call)") {
                rig.connection.hangUpAndListen();
                emit rig.transport.connectionRequest(4);
            } else if (step == "(hang up)") {
                rig.connection.sendChat("c"), rig.connection.hangUpAndListen();
            } else if (step == "(hold)") {
                QCOMPARE(rig.hold.started.value(0), 250);
                rig.hold.step();
            } else {
                rig.arrive(step.toLatin1());
            }
        }
        QCOMPARE(rig.chat.join('|') + QString(" / %1").arg(rig.game.moveCount()), seen);
    }
};

QTEST_GUILESS_MAIN(ConnectionTest)
#include "connection_test.moc"
