// Two windows over loopback: what the user sees of calling, a whole remote
// game, chat, the Remote menu's boxes and hanging up. The connection's own
// rules and bytes are tested on their own (connection_test, two_copies_test).
#include <QAction>
#include <QNetworkInterface>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include "clip_control.h"
#include "window_rig.h"

using velmora::Game;
using velmora::WinSock;

namespace {

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    return probe.serverPort();
}

// A window whose animations run on by themselves, listening on a port of
// its own.
struct Player : WindowRig {
    Player() { timer.held = false; }
    void listenOn(int port) {
        dialogs.inputs << QString::number(port);
        trigger("m_PortNum");
        QCOMPARE(window->portNumber(), port);
    }
    // Calls `other` at 127.0.0.1; both end up connected.
    void call(Player& other) {
        listenOn(other.window->portNumber());
        dialogs.inputs << "127.0.0.1";
        QSignalSpy newGames(&game(), &Game::boardCleared);
        QTest::mouseClick(find("cmcConnect"), Qt::LeftButton);
        // The call goes out from the event loop; the status is read once it has.
        QString whileCalling;
        QTimer::singleShot(0, [this, &whileCalling] { whileCalling = text("lblStatus"); });
        QTRY_COMPARE(whileCalling, QString("Connecting"));
        QTRY_COMPARE(window->socketState(), 7);
        QTRY_COMPARE(other.window->socketState(), 7);
        QTRY_COMPARE(text("lblStatus"), QString("Connected"));
        // Its own new game, then the one the other's "RESET" asks for.
        QTRY_COMPARE(newGames.size(), 2);
    }
    void enter(const QString& line) {
        auto* box = find<QLineEdit>("txtTX");
        box->setText(line);
        QTest::keyClick(box, Qt::Key_Return);
    }
    bool settled() { return !game().drawing(); }
    QString transcript() { return find<QPlainTextEdit>("txtRX")->toPlainText(); }
    QString cells() {
        QString all;
        for (int i = 0; i < 81; ++i) {
            all += game().board()[i / 9 + 1][i % 9 + 1].cellState ? 'x' : '.';
        }
        return all;
    }
    // The idle view, where the computer plays, or the connected one.
    void checkView(bool connected) {
        QCOMPARE(window->windowHeightTwips(), connected ? 7000 : 5700);
        QCOMPARE(find<QPushButton>("cmcConnect")->text(),
                 QString(connected ? "Disconnect" : "Connect"));
        for (const char* idleOnly : {"m_Connect", "m_Listening", "m_PortNum", "m_Pass"}) {
            QCOMPARE(find<QAction>(idleOnly)->isEnabled(), !connected);
        }
        QCOMPARE(find<QAction>("m_Disconnect")->isEnabled(), connected);
        QCOMPARE(find("txtRX")->geometry().bottom() < window->centralWidget()->height(), connected);
        QVERIFY(find<QAction>("m_Local")->isEnabled());
    }
};

// A plain TCP socket standing in for the other copy.
struct RawPeer {
    QTcpSocket socket;
    QByteArray received;
    explicit RawPeer(Player& player) {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { received += socket.readAll(); });
        socket.connectToHost("127.0.0.1", quint16(player.window->portNumber()));
        QTRY_COMPARE(player.window->socketState(), 7);
        QTRY_COMPARE(received, QByteArray("RESET"));  // a caller gets a new game
        received.clear();
    }
    void send(const QByteArray& bytes) {
        socket.write(bytes);
        socket.flush();
    }
};

}  // namespace

class RemotePlayTest : public QObject {
    Q_OBJECT

private slots:
    void connectingChattingAndHangingUp() {
        Player a;
        Player b;
        a.enter("not yet");  // not connected: the text stays, nothing goes
        QCOMPARE(a.text("txtTX"), QString("not yet"));
        a.find<QPlainTextEdit>("txtRX")->setPlainText("an earlier talk");
        a.call(b);
        a.checkView(true);
        b.checkView(true);
        QCOMPARE(b.text("lblStatus"), QString("Connected"));
        QVERIFY(a.text("txtTX").isEmpty());
        QVERIFY(a.transcript().isEmpty());
        a.enter(QString::fromUtf8("h\u00e9llo 12 \u20ac"));
        QCOMPARE(a.text("txtTX"), QString());
        // In ISO 8859-1 on the wire, and the same line on both sides.
        const QString line = QString::fromUtf8("h\u00e9llo 12 ?\n");
        QTRY_COMPARE(b.transcript(), line);
        QVERIFY(b.find<velmora::ClipControl>("AniLight")->isPlaying());
        QCOMPARE(a.transcript(), line);
        QCOMPARE(b.game().moveCount(), 0);  // digits in a chat line are no move
        b.enter("");
        QTRY_COMPARE(a.transcript(), line + "\n");

        // Every line ends in CR LF, two characters: ten lines of 2498 letters
        // make exactly 25000, which stays; one letter more and it starts again.
        auto* transcript = b.find<QPlainTextEdit>("txtRX");
        for (int extra : {0, 1}) {
            transcript->setPlainText(QString(QString(2498, 'x') + "\n").repeated(9) +
                                     QString(2498 + extra, 'x') + "\n");
            transcript->moveCursor(QTextCursor::End);
            a.enter("one");
            QTRY_VERIFY(b.transcript().endsWith("one\n"));
            QCOMPARE(b.transcript().startsWith("x"), extra == 0);
        }

        // Hanging up: back to the idle view, the chat kept but out of view. (The
        // caller took the other's port, so only one of them can listen on it.)
        const QString kept[] = {a.transcript(), b.transcript()};
        b.trigger("m_Disconnect");
        QCOMPARE(b.text("lblStatus"), QString("Listening"));
        QTRY_COMPARE(a.window->windowHeightTwips(), 5700);
        a.checkView(false);
        b.checkView(false);
        QCOMPARE(a.transcript(), kept[0]);
        QCOMPARE(b.transcript(), kept[1]);
    }

    // A whole game, a new one on both sides, a scoring move that waits for the
    // other's "FINISH", and a hang-up that hands the owed turn to the computer.
    void aWholeGameThenANewOneThenHangingUp() {
        Player a;
        Player b;
        a.call(b);
        QTRY_VERIFY(a.settled() && b.settled());
        int order = 7;
        for (int turns = 0; a.game().result() == Game::Result::None; ++turns) {
            QVERIFY(turns < 200);
            Player& mover = a.game().moveLock() ? b : a;
            QVERIFY(!mover.game().moveLock());
            do {
                order = (order * 37 + 11) % 81;
            } while (mover.game().board()[order / 9 + 1][order % 9 + 1].cellState != 0);
            mover.click(order / 9 + 1, order % 9 + 1);
            QTRY_VERIFY(a.settled() && b.settled() &&
                        a.game().moveCount() == b.game().moveCount() &&
                        (a.game().moveLock() != b.game().moveLock() ||
                         a.game().result() != Game::Result::None));
            QCOMPARE(a.cells(), b.cells());
            QCOMPARE(a.text("txtUserSig"), b.text("txtComSig"));
            QCOMPARE(a.text("txtComTot"), b.text("txtUserTot"));
            QCOMPARE((&mover == &a ? b : a).text("lblOtherSide"), QString("Remote:"));
        }
        QTRY_VERIFY(b.game().result() != Game::Result::None);
        QCOMPARE(a.game().moveCount(), 81);
        const QString results = a.text("lblMessage") + "/" + b.text("lblMessage");
        const QStringList ends = {"You WIN !!!/You Lost", "You Lost/You WIN !!!", "Level/Level"};
        QVERIFY2(ends.contains(results), qPrintable(results));
        QVERIFY(!a.game().moveLock() && !b.game().moveLock());

        QTest::mouseClick(b.find("cmcReset"), Qt::LeftButton);
        QTRY_COMPARE(a.game().moveCount(), 0);
        QCOMPARE(b.game().moveCount(), 0);
        QCOMPARE(a.cells(), QString(81, '.'));
        QCOMPARE(b.window->socketState(), 7);

        // The answerer opens every game after a finished one.
        QCOMPARE(a.text("lblMessage"), QString("Wait ......"));
        a.timer.held = true;  // a draws only when the test says so
        for (auto [column, row] : {std::pair{1, 1}, {2, 1}}) {
            b.click(column, row);
            QTRY_VERIFY(a.timer.pausing());
            a.timer.finish();
            a.click(column + 4, row + 4);
            QTRY_VERIFY(a.game().moveCount() == b.game().moveCount() && b.settled());
        }
        b.click(3, 1);  // scores
        QTRY_COMPARE(b.text("txtUserSig"), QString("3"));
        QTRY_COMPARE(b.text("lblMessage"), QString("Wait ......"));
        QTRY_VERIFY(a.timer.pausing());  // a is still drawing the move
        b.click(9, 9);
        QCOMPARE(b.game().moveCount(), 5);
        QVERIFY(!b.find<QPushButton>("cmcReset")->isEnabled());  // not while b waits
        a.timer.finish();  // a has drawn the award and answers "FINISH"
        QTRY_COMPARE(b.text("lblMessage"), QString("Your Turn"));
        QCOMPARE(a.text("txtComSig"), QString("3"));
        QCOMPARE(a.text("lblMessage"), QString("Wait ......"));
        b.click(9, 9);
        QTRY_COMPARE(a.game().moveCount(), 6);
        a.timer.held = false;
        a.timer.finish();
        QTest::mouseClick(a.find("cmcReset"), Qt::LeftButton);
        QTRY_COMPARE(b.game().moveCount(), 0);
        QCOMPARE(b.text("lblMessage"), QString("Wait ......"));

        a.random.startAt(9, 9);
        a.click(5, 5);
        QTRY_COMPARE(a.text("lblMessage"), QString("Wait ......"));
        QTRY_VERIFY(b.settled());
        QTest::mouseClick(a.find("cmcConnect"), Qt::LeftButton);
        QTRY_COMPARE(a.game().moveCount(), 2);  // the computer moves at once
        QCOMPARE(a.game().board()[9][9].cellState, int16_t(1));
        QTRY_COMPARE(a.text("lblMessage"), QString("Your Turn"));
        QCOMPARE(a.text("lblOtherSide"), QString("Computer:"));
        // b heard "CLOSE": back to the idle view, its user to move against the computer.
        QTRY_COMPARE(b.find<QPushButton>("cmcConnect")->text(), QString("Connect"));
        b.checkView(false);
        QCOMPARE(b.game().moveCount(), 1);
        QVERIFY(!b.game().moveLock());
    }

    // The boxes of the Remote menu, as the user sees them.
    void portsAddressesAndTheLocalAddressBox() {
        Player a;
        const int port = a.window->portNumber();
        a.dialogs.inputs << "65531";
        a.trigger("m_PortNum");
        QCOMPARE(a.dialogs.prompts.last(),
                 "Input New Port-Number ( 1-65530 )|Port Number|" + QString::number(port));
        a.listenOn(int(freePort()));
        QCOMPARE(a.text("lblStatus"), QString("Listening"));
        // A refused address changes nothing, and is offered the next time.
        for (const QString offered : {"", "256.0.0.1"}) {
            a.dialogs.inputs << "256.0.0.1";
            a.trigger("m_Connect");
            QCOMPARE(a.dialogs.prompts.last(),
                     "Input Remote IP Address   ( Format: 123.45.678.9 )|Remote IP|" + offered);
            QCOMPARE(a.text("lblStatus"), QString("Listening"));
        }

        const qsizetype asked = a.dialogs.prompts.size();
        a.trigger("m_Listening");  // listens afresh, asks nothing
        QCOMPARE(a.dialogs.prompts.size(), asked);
        QCOMPARE(a.text("lblStatus"), QString("Listening"));

        // A call that fails says why, and listens again.
        auto callFails = [&a](const QString& why) {
            const qsizetype shown = a.dialogs.shown.size();
            a.dialogs.inputs << "127.0.0.1";
            a.trigger("m_Connect");
            QTRY_COMPARE(a.dialogs.shown.size(), shown + 1);
            QCOMPARE(a.dialogs.shown.last().text, why);
            QVERIFY(a.dialogs.shown.last().title.isEmpty());
            QCOMPARE(a.text("lblStatus"), QString("Listening"));
            a.checkView(false);
        };
        callFails("Connection is forcefully rejected");  // nobody answers
        // The port a call goes out from, one above, is taken.
        QTcpServer holder;
        QVERIFY(holder.listen(QHostAddress::Any, quint16(a.window->portNumber() + 1)));
        callFails("Port Busy, Wait a moment than call again");

        a.trigger("m_Local");
        const QString box = a.dialogs.shown.last().text;
        QVERIFY2(
            box.startsWith("Your Local IP Address is\r\n\r\n          ") &&
                box.endsWith("\r\n\r\nPort Number is   " + QString::number(a.window->portNumber())),
            qPrintable(box));
        QCOMPARE(a.dialogs.shown.last().title, QString("IP Address"));
        // The address shown is one another machine can call, and the window
        // answers there, not on loopback alone.
        const QHostAddress shown(box.section("\r\n", 2, 2).trimmed());
        bool onlyLoopback = true;
        for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
            onlyLoopback &=
                address.isLoopback() || address.protocol() != QHostAddress::IPv4Protocol;
        }
        QCOMPARE(shown.isLoopback(), onlyLoopback);
        QVERIFY(QNetworkInterface::allAddresses().contains(shown));
        QTcpSocket caller;
        caller.connectToHost(shown, quint16(a.window->portNumber()));
        QTRY_COMPARE(a.window->socketState(), 7);
    }

    // A box for a call or a new port is open when the other side calls in:
    // the call taken meanwhile stays, and the box's answer is not acted on.
    void aCallerTakenWhileABoxIsOpenIsKept() {
        Player a;
        Player b;
        a.dialogs.whileAsking = [&] { b.call(a); };
        a.dialogs.inputs << "127.0.0.1";
        a.trigger("m_Connect");
        QCOMPARE(a.window->socketState(), 7);
        a.checkView(true);
        Player c;
        Player d;
        const int portOfC = c.window->portNumber();
        c.dialogs.whileAsking = [&] { d.call(c); };
        c.dialogs.inputs << QString::number(freePort());
        c.trigger("m_PortNum");
        QCOMPARE(c.window->portNumber(), portOfC);
        QCOMPARE(c.window->socketState(), 7);
    }

    // Exit while connected: "CLOSE" leaves before the program ends at once.
    void exitWhileConnectedSaysGoodbye() {
        Player a;
        RawPeer peer(a);
        a.trigger("m_Exit");
        a.window.reset();
        QTRY_COMPARE(peer.received, QByteArray("CLOSE"));
    }
};

QTEST_MAIN(RemotePlayTest)
#include "remote_play_test.moc"
