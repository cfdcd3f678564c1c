// The connection to the other copy, on a transport the test plays: what it
// calls and answers, the bytes it writes, and how it reads what arrives.
#include <QSignalSpy>
#include <QTest>

#include <utility>

#include "connection.h"
#include "hold_timer.h"
#include "scripted_random.h"
#include "test_doubles.h"
#include "transport.h"

using velmora::Connection;
using velmora::Game;
using velmora::Transport;

namespace {

class FakeTransport : public Transport {
public:
    int state() const override { return state_; }
    void close() override {
        log << "close";
        state_ = Closed;
    }
    void setLocalPort(quint16 port) override { port_ = port; }
    quint16 localPort() const override { return port_ == 0 ? 40000 : port_; }
    void listen() override {
        log << QString("listen %1").arg(port_);
        state_ = Listening;
    }
    void connectTo(const QString& host, quint16 port) override {
        log << QString("call %1:%2 from %3").arg(host).arg(port).arg(port_);
        state_ = bindFails ? Open : Connecting;
    }
    void accept(int requestId) override {
        log << QString("accept %1").arg(requestId);
        state_ = Connected;
    }
    void sendData(std::string_view bytes) override {
        sent += QByteArray(bytes.data(), qsizetype(bytes.size()));
    }
    QByteArray takeData() override {
        const QByteArray taken = inbox.left(4096);
        inbox.remove(0, taken.size());
        return taken;
    }
    bool bytesWaiting() const override { return !inbox.isEmpty(); }
    QString localIp() const override { return "192.0.2.7"; }

    // Bytes come in; read as a socket hands them over, a buffer at a time.
    void arrive(const QByteArray& bytes) {
        inbox += bytes;
        while (!inbox.isEmpty()) {
            emit dataArrival();
        }
    }
    void setState(int state) { state_ = state; }

    QStringList log;
    QByteArray sent;
    QByteArray inbox;
    bool bindFails = false;

private:
    int state_ = Closed;
    quint16 port_ = 0;
};

class FakeHold : public velmora::HoldTimer {
public:
    void start(int milliseconds, std::function<void()> done) override {
        started << milliseconds;
        done_ = std::move(done);
    }
    void cancel() override { done_ = nullptr; }
    void fire() {
        if (auto done = std::exchange(done_, nullptr)) {
            done();
        }
    }
    QList<int> started;

private:
    std::function<void()> done_;
};

struct Rig {
    FakeTransport transport;
    FakeHold hold;
    ScriptedRandom random;
    TestPause pause;
    Game game{connection, random, pause};
    Connection connection{transport, hold, game, 5000};
    QSignalSpy views{&connection, &Connection::viewChanged};
    QSignalSpy chat{&connection, &Connection::chatReceived};

    explicit Rig(bool answer = true) {
        game.newGame();
        connection.hangUpAndListen();
        if (answer) {
            emit transport.connectionRequest(3);
            pause.finish();
            transport.sent.clear();
        }
    }
    void arrive(const QByteArray& bytes) {
        transport.arrive(bytes);
        pause.finish();
    }
    QStringList lines() const {
        QStringList all;
        for (const QList<QVariant>& signal : chat) {
            all << signal.at(0).toString();
        }
        return all;
    }
};

}  // namespace

class ConnectionTest : public QObject {
    Q_OBJECT

private slots:
    void aCallerIsTakenAndMovesFirst() {
        Rig rig(false);
        QCOMPARE(rig.transport.log, QStringList({"close", "listen 5000"}));
        QCOMPARE(rig.connection.state(), Connection::State::Listening);
        emit rig.transport.connectionRequest(3);
        QCOMPARE(rig.transport.log.mid(2), QStringList({"close", "accept 3"}));
        QCOMPARE(rig.transport.sent, QByteArray("RESET"));
        QCOMPARE(rig.views.last().at(0).toBool(), false);
        QVERIFY(rig.connection.answeredCall() && !rig.game.moveLock());
        QVERIFY(!rig.game.passEnabled());
    }

    void callsGoOutFromThePortAboveAndWaitForTheFirstMove() {
        Rig rig(false);
        for (const char* refused : {"example.org", "0.0.0.0", "256.1.1.1", "256.0.0.1"}) {
            QVERIFY(!rig.connection.call(refused));
            QCOMPARE(rig.connection.remoteAddress(), QString(refused));
        }
        QCOMPARE(rig.transport.log.size(), 2);
        QVERIFY(rig.connection.call("0.5"));
        QCOMPARE(rig.transport.log.last(), QString("call 0.5:5000 from 5001"));
        QCOMPARE(rig.connection.state(), Connection::State::Calling);
        QVERIFY(rig.game.moveLock());  // the answerer moves first
        rig.game.press(1, 2000, 2000);
        QCOMPARE(rig.game.moveCount(), 0);
        rig.transport.setState(Transport::Connected);
        emit rig.transport.connected();
        QCOMPARE(rig.connection.state(), Connection::State::Connected);
        rig.arrive("RESET");
        rig.game.press(1, 2000, 2000);  // still the answerer's move
        QCOMPARE(rig.game.moveCount(), 0);
        rig.arrive("55");
        QCOMPARE(rig.game.moveCount(), 1);
        QVERIFY(!rig.game.moveLock());
        QVERIFY(!rig.connection.answeredCall());
    }

    void aPortThatCannotBeBoundSaysSoAndListensAgain() {
        Rig rig(false);
        rig.transport.bindFails = true;
        QSignalSpy busy(&rig.connection, &Connection::portBusy);
        rig.connection.call("127.0.0.1");
        QCOMPARE(busy.size(), 1);
        QCOMPARE(rig.transport.log.last(), QString("listen 5000"));
        QVERIFY(rig.connection.idle());
        QVERIFY(!rig.game.moveLock());  // the new game is the user's again
    }

    void portsAreTakenFromOneTo65530() {
        Rig rig(false);
        for (const char* refused : {"65531", "0", "-5", "port", "5000"}) {
            QVERIFY(!rig.connection.changePort(refused));
        }
        QVERIFY(rig.connection.changePort("1234.9"));
        QCOMPARE(rig.transport.log.last(), QString("listen 1234"));
        QVERIFY(rig.connection.changePort("65530"));
        QCOMPARE(rig.connection.portNumber(), 65530);
    }

    void bytesOnTheWireAreExact() {
        Rig rig;
        auto play = [&rig](double x, double y) {
            rig.game.press(1, x, y);
            rig.pause.finish();
        };
        play(100, 3900);  // column 1, row 9
        QVERIFY(rig.connection.sendChat("@h\xe9"));
        rig.arrive("11");
        play(2000, 2000);
        rig.arrive("21");
        play(3900, 3900);
        rig.arrive("31");  // the remote player scores, is drawn here, and told
        QCOMPARE(rig.transport.sent, QByteArray("19@@h\xe9"
                                                "5599FINISH"));
        rig.arrive("CLOSE");  // answered in kind while still connected
        QVERIFY(rig.transport.sent.endsWith("FINISHCLOSE"));
        QVERIFY(rig.connection.idle());
        QVERIFY(!rig.connection.sendChat("late"));
        rig.connection.hangUpAndListen();  // no "CLOSE" once the line is down
        QVERIFY(rig.transport.sent.endsWith("FINISHCLOSE"));
    }

    // The ends of a remote game: the other side leaves, the call fails, or
    // the program ends while connected.
    void theConnectionEndsAndTheComputerPlaysOn() {
        Rig rig;
        QSignalSpy failed(&rig.connection, &Connection::failed);
        emit rig.transport.error(Transport::kIgnoredError, "ignored");
        QVERIFY(!rig.connection.idle());
        rig.transport.setState(Transport::PeerClosing);
        emit rig.transport.closed();
        QVERIFY(rig.connection.idle());
        QCOMPARE(rig.transport.sent, QByteArray());
        rig.connection.call("192.0.2.9");
        emit rig.transport.error(10061, "Connection is forcefully rejected");
        QVERIFY(rig.connection.idle());
        QCOMPARE(failed.size(), 2);
        QCOMPARE(failed.last().at(0).toString(), QString("Connection is forcefully rejected"));
        Rig leaving;
        leaving.connection.end();
        QCOMPARE(leaving.transport.sent, QByteArray("CLOSE"));
        emit leaving.transport.connectionRequest(4);
        QVERIFY(!leaving.transport.log.contains("accept 4"));
        QCOMPARE(leaving.transport.sent, QByteArray("CLOSE"));
    }

    // How arrivals are read, cut and glued as a network may: a long chat line
    // that filled a read ends there; one read in pieces goes on as chat.
    void arrivalsAreReadWhateverTheirCut_data() {
        QTest::addColumn<QList<QByteArray>>("arrivals");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("moves");
        const QByteArray full = "@" + QByteArray(4095, 'x');
        QTest::newRow("a move after a line of one read")
            << QList<QByteArray>{full, "55"} << QStringList{QString(4095, 'x')} << 1;
        QTest::newRow("a move after a line of two reads")
            << QList<QByteArray>{full + QByteArray(4096, 'x'), "55"}
            << QStringList{QString(4095, 'x'), QString(4096, 'x')} << 1;
        QTest::newRow("a line longer than a read, rest in digits")
            << QList<QByteArray>{full + "55 o'clock"}
            << QStringList{QString(4095, 'x'), "55 o'clock"} << 0;
        QTest::newRow("a line cut by the network keeps its letters")
            << QList<QByteArray>{"@hel", "lo"} << QStringList{"hel", "lo"} << 0;
        QTest::newRow("a new game, a move and a line in one")
            << QList<QByteArray>{"RESET66@hi there"} << QStringList{"hi there"} << 1;
        QTest::newRow("a control word in two pieces")
            << QList<QByteArray>{"RES", "ET", "44"} << QStringList{} << 1;
    }
    void arrivalsAreReadWhateverTheirCut() {
        QFETCH(QList<QByteArray>, arrivals);
        QFETCH(QStringList, lines);
        QFETCH(int, moves);
        Rig rig;
        for (const QByteArray& bytes : arrivals) {
            rig.arrive(bytes);
        }
        QCOMPARE(rig.lines(), lines);
        QCOMPARE(rig.game.moveCount(), moves);
    }

    // A new connection is read afresh: nothing of the last one's chat goes on.
    void aNewConnectionIsReadAfresh() {
        Rig rig;
        rig.arrive("@hi");
        rig.connection.hangUpAndListen();
        emit rig.transport.connectionRequest(4);
        rig.arrive("xyz");
        QCOMPARE(rig.lines(), QStringList({"hi", "yz"}));
    }

    // The start of a message that never completes is read as it stands, a
    // quarter of a second on; a "FINISH" that comes while the scoring move
    // still draws is kept for after it.
    void heldBytesAndHeldInputs() {
        Rig rig;
        rig.arrive("11");
        rig.arrive("21");
        rig.game.press(1, 1110, 222);  // (3, 1) scores
        rig.pause.step();
        rig.pause.step();
        rig.arrive("FIN");
        QCOMPARE(rig.hold.started, QList<int>{250});
        rig.arrive("ISH");
        rig.pause.finish();
        QVERIFY(!rig.game.moveLock());
        QCOMPARE(rig.game.message(), QString("Your Turn"));
        rig.arrive("FIN");
        rig.hold.fire();
        rig.arrive("ALLY");  // a chat line it turned out to be, cut by the network
        QCOMPARE(rig.lines(), QStringList({"IN", "ALLY"}));
    }
};

QTEST_GUILESS_MAIN(ConnectionTest)
#include "connection_test.moc"
