// Two copies of the game over loopback, and a raw peer that speaks the bytes
// itself: connection, moves, "FINISH", new games, chat and hanging up.
#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextCursor>

#include "clip_control.h"
#include "window_rig.h"

using velmora::Game;
using Side = Game::Side;

namespace {

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    return probe.serverPort();
}

// A window whose animations run on by themselves, listening on a port of
// its own.
struct Player : WindowRig {
    Player() {
        timer.held = false;
        listenOn(freePort());
    }
    void listenOn(int port) {
        dialogs.inputs << QString::number(port);
        trigger("m_PortNum");
        QCOMPARE(window->portNumber(), port);
    }
    // Calls `other` at 127.0.0.1; both end up connected.
    void call(Player& other) {
        listenOn(other.window->portNumber());
        dialogs.inputs << "127.0.0.1";
        QTest::mouseClick(find("cmcConnect"), Qt::LeftButton);
        QTRY_COMPARE(window->socketState(), 7);
        QTRY_COMPARE(other.window->socketState(), 7);
        QTRY_COMPARE(text("lblStatus"), QString("Connected"));
    }
    bool settled() { return !game().drawing(); }
    QString cells() {
        QString all;
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                all += game().board()[c][r].cellState ? 'x' : '.';
            }
        }
        return all;
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

void pressEnter(Player& player, const QString& line) {
    auto* box = player.find<QLineEdit>("txtTX");
    box->setText(line);
    QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace

class RemotePlayTest : public QObject {
    Q_OBJECT

private slots:
    void idleViewListensAndConnectedViewShowsTheChat();
    void aScriptedGameKeepsBothBoardsEqualToItsEnd();
    void aScoringMoveWaitsForFinish();
    void chatTravelsBothWays();
    void newGameOnOneSideStartsOneOnBoth();
    void hangingUpHandsAnOwedTurnToTheComputer();
    void portsAddressesAndTheLocalAddressBox();
    void bytesOnTheWireAreExact();
    void coalescedAndSplitMessagesLoseNothing();
    void anEarlyFinishIsRemembered();
};

void RemotePlayTest::idleViewListensAndConnectedViewShowsTheChat() {
    Player a;
    QCOMPARE(a.text("lblStatus"), QString("Listening"));
    QCOMPARE(a.find<QPushButton>("cmcConnect")->text(), QString("Connect"));
    QCOMPARE(a.window->windowHeightTwips(), 5700);
    Player b;
    a.find<QLineEdit>("txtTX")->setText("typed before");
    a.find<QPlainTextEdit>("txtRX")->setPlainText("an earlier talk");
    a.call(b);
    for (Player* p : {&a, &b}) {
        QCOMPARE(p->window->windowHeightTwips(), 7000);
        QCOMPARE(p->find<QPushButton>("cmcConnect")->text(), QString("Disconnect"));
        QCOMPARE(p->text("lblStatus"), QString("Connected"));
        QVERIFY(p->find("txtRX")->geometry().bottom() < p->window->centralWidget()->height());
        QVERIFY(!p->find<QAction>("m_Connect")->isEnabled());
        QVERIFY(p->find<QAction>("m_Disconnect")->isEnabled());
        QVERIFY(!p->find<QAction>("m_Listening")->isEnabled());
        QVERIFY(!p->find<QAction>("m_PortNum")->isEnabled());
        QVERIFY(p->find<QAction>("m_Local")->isEnabled());
        QVERIFY(!p->find<QAction>("m_Pass")->isEnabled());
        QVERIFY(p->text("txtTX").isEmpty());
        QVERIFY(p->find<QPlainTextEdit>("txtRX")->toPlainText().isEmpty());
    }
    // Hanging up: back to the idle view, the chat kept but out of view. (The
    // caller took the other's port, so only one of them can listen on it.)
    pressEnter(a, "bye");
    QTRY_COMPARE(b.find<QPlainTextEdit>("txtRX")->toPlainText(), QString("bye\n"));
    b.trigger("m_Disconnect");
    QCOMPARE(b.text("lblStatus"), QString("Listening"));
    QTRY_COMPARE(a.window->windowHeightTwips(), 5700);
    for (Player* p : {&a, &b}) {
        QCOMPARE(p->window->windowHeightTwips(), 5700);
        QCOMPARE(p->find<QPushButton>("cmcConnect")->text(), QString("Connect"));
        QVERIFY(p->find<QAction>("m_Connect")->isEnabled() &&
                !p->find<QAction>("m_Disconnect")->isEnabled());
        QVERIFY(p->find<QAction>("m_Pass")->isEnabled());
        QCOMPARE(p->find<QPlainTextEdit>("txtRX")->toPlainText(), QString("bye\n"));
    }
}

void RemotePlayTest::aScriptedGameKeepsBothBoardsEqualToItsEnd() {
    Player a;
    Player b;
    a.call(b);
    QTRY_VERIFY(a.settled() && b.settled());
    int order = 7;
    for (int turns = 0; a.game().result() == Game::Result::None; ++turns) {
        QVERIFY(turns < 200);
        Player& mover = a.game().moveLock() ? b : a;
        QVERIFY(!mover.game().moveLock());
        int column = 0;
        int row = 0;
        do {
            order = (order * 37 + 11) % 81;
            column = order / 9 + 1;
            row = order % 9 + 1;
        } while (mover.game().board()[column][row].cellState != 0);
        mover.click(column, row);
        QTRY_VERIFY(a.settled() && b.settled() && a.game().moveCount() == b.game().moveCount() &&
                    (a.game().moveLock() != b.game().moveLock() ||
                     a.game().result() != Game::Result::None));
        QCOMPARE(a.cells(), b.cells());
        QCOMPARE(a.text("txtUserSig"), b.text("txtComSig"));
        QCOMPARE(a.text("txtComTot"), b.text("txtUserTot"));
        QCOMPARE(b.text("lblOtherSide"), QString("Remote:"));
    }
    QTRY_VERIFY(b.game().result() != Game::Result::None);
    QCOMPARE(a.game().moveCount(), 81);
    const QString results = a.text("lblMessage") + "/" + b.text("lblMessage");
    QVERIFY2(results == "You WIN !!!/You Lost" || results == "You Lost/You WIN !!!" ||
                 results == "Level/Level",
             qPrintable(results));
    QVERIFY(!a.game().moveLock() && !b.game().moveLock());
}

void RemotePlayTest::aScoringMoveWaitsForFinish() {
    Player a;
    Player b;
    a.call(b);
    b.timer.held = true;  // b draws only when the test says so
    for (auto [column, row] : {std::pair{1, 1}, {2, 1}}) {
        a.click(column, row);
        QTRY_VERIFY(b.timer.pausing());
        b.timer.finish();
        b.click(column + 4, row + 4);
        QTRY_VERIFY(a.game().moveCount() == b.game().moveCount() && a.settled());
    }
    a.click(3, 1);  // scores
    QTRY_COMPARE(a.text("txtUserSig"), QString("3"));
    QTRY_COMPARE(a.text("lblMessage"), QString("Wait ......"));
    QTRY_VERIFY(b.timer.pausing());  // b is still drawing the move
    a.click(9, 9);
    QCOMPARE(a.game().moveCount(), 5);
    b.timer.finish();  // b has drawn the award and answers "FINISH"
    QTRY_COMPARE(a.text("lblMessage"), QString("Your Turn"));
    QCOMPARE(b.text("txtComSig"), QString("3"));
    QCOMPARE(b.text("lblMessage"), QString("Wait ......"));
    a.click(9, 9);
    QTRY_COMPARE(b.game().moveCount(), 6);
}

void RemotePlayTest::chatTravelsBothWays() {
    Player a;
    Player b;
    pressEnter(a, "not yet");  // not connected: the text stays, nothing goes
    QCOMPARE(a.text("txtTX"), QString("not yet"));
    a.call(b);
    pressEnter(a, QString::fromUtf8("h\u00e9llo 12 \u20ac"));
    QCOMPARE(a.text("txtTX"), QString());
    // In ISO 8859-1 on the wire, and the same line on both sides.
    QTRY_COMPARE(b.find<QPlainTextEdit>("txtRX")->toPlainText(),
                 QString::fromUtf8("h\u00e9llo 12 ?\n"));
    QVERIFY(b.find<velmora::ClipControl>("AniLight")->isPlaying());
    QCOMPARE(a.find<QPlainTextEdit>("txtRX")->toPlainText(),
             QString::fromUtf8("h\u00e9llo 12 ?\n"));
    QCOMPARE(b.game().moveCount(), 0);  // digits in a chat line are no move
    pressEnter(b, "");
    QTRY_COMPARE(a.find<QPlainTextEdit>("txtRX")->toPlainText(),
                 QString::fromUtf8("h\u00e9llo 12 ?\n\n"));

    // Every line ends in CR LF, two characters: ten lines of 2498 letters
    // make exactly 25000, which stays; one letter more and it starts again.
    auto* transcript = b.find<QPlainTextEdit>("txtRX");
    for (int extra : {0, 1}) {
        transcript->setPlainText(QString(QString(2498, 'x') + "\n").repeated(9) +
                                 QString(2498 + extra, 'x') + "\n");
        transcript->moveCursor(QTextCursor::End);
        pressEnter(a, "one");
        QTRY_VERIFY(transcript->toPlainText().endsWith("one\n"));
        QCOMPARE(transcript->toPlainText().startsWith("x"), extra == 0);
    }
}

void RemotePlayTest::newGameOnOneSideStartsOneOnBoth() {
    Player a;
    Player b;
    a.call(b);
    a.click(5, 5);
    QTRY_VERIFY(b.game().moveCount() == 1 && b.settled());
    b.click(6, 6);
    QTRY_VERIFY(a.game().moveCount() == 2 && a.settled());
    QVERIFY(!b.find<QPushButton>("cmcReset")->isEnabled());  // not while b waits
    QTest::mouseClick(a.find("cmcReset"), Qt::LeftButton);
    QTRY_COMPARE(b.game().moveCount(), 0);
    QCOMPARE(a.game().moveCount(), 0);
    QCOMPARE(b.cells(), QString(81, '.'));
    QCOMPARE(a.window->socketState(), 7);
}

void RemotePlayTest::hangingUpHandsAnOwedTurnToTheComputer() {
    Player a;
    Player b;
    a.call(b);
    a.random.startAt(9, 9);
    a.click(5, 5);  // a waits for b
    QTRY_COMPARE(a.text("lblMessage"), QString("Wait ......"));
    QTRY_VERIFY(b.settled());
    QTest::mouseClick(a.find("cmcConnect"), Qt::LeftButton);
    QTRY_COMPARE(a.game().moveCount(), 2);  // the computer moves at once
    QCOMPARE(a.game().board()[9][9].cellState, int16_t(1));
    QTRY_COMPARE(a.text("lblMessage"), QString("Your Turn"));
    QCOMPARE(a.text("lblOtherSide"), QString("Computer:"));
    // b heard "CLOSE": back to the idle view, its user to move against the computer.
    QTRY_COMPARE(b.find<QPushButton>("cmcConnect")->text(), QString("Connect"));
    QCOMPARE(b.game().moveCount(), 1);
    QVERIFY(!b.game().moveLock() && b.find<QAction>("m_Pass")->isEnabled());
}

void RemotePlayTest::portsAddressesAndTheLocalAddressBox() {
    Player a;
    const int port = a.window->portNumber();
    for (const char* refused : {"65531", "0", "-5", "port"}) {
        a.dialogs.inputs << refused;
        a.trigger("m_PortNum");
        QCOMPARE(a.window->portNumber(), port);
    }
    QCOMPARE(a.dialogs.prompts.last(),
             "Input New Port-Number ( 1-65530 )|Port Number|" + QString::number(port));
    a.listenOn(int(freePort()));
    QCOMPARE(a.text("lblStatus"), QString("Listening"));

    // Refused addresses change nothing, and are offered the next time.
    const QStringList refused = {"example.org", "0.0.0.0", "256.1.1.1", "256.0.0.1"};
    QString offered;
    for (const QString& address : refused) {
        a.dialogs.inputs << address;
        a.trigger("m_Connect");
        QCOMPARE(a.dialogs.prompts.last(),
                 "Input Remote IP Address   ( Format: 123.45.678.9 )|Remote IP|" + offered);
        QCOMPARE(a.text("lblStatus"), QString("Listening"));
        QCOMPARE(a.window->windowHeightTwips(), 5700);
        offered = address;
    }

    const qsizetype asked = a.dialogs.prompts.size();
    a.trigger("m_Listening");  // listens afresh, asks nothing
    QCOMPARE(a.dialogs.prompts.size(), asked);
    QCOMPARE(a.text("lblStatus"), QString("Listening"));

    // Nobody answers: the error's description, and listening again.
    a.dialogs.inputs << "127.0.0.1";
    a.trigger("m_Connect");
    QTRY_COMPARE(a.dialogs.shown.size(), 1);
    QCOMPARE(a.dialogs.shown.last().text, QString("Connection is forcefully rejected"));
    QTRY_COMPARE(a.text("lblStatus"), QString("Listening"));
    QCOMPARE(a.find<QPushButton>("cmcConnect")->text(), QString("Connect"));
    QCOMPARE(a.window->windowHeightTwips(), 5700);

    // A local port that is taken: "Port Busy", then listening again.
    QTcpServer holder;
    QVERIFY(holder.listen(QHostAddress::Any, quint16(a.window->portNumber() + 1)));
    a.dialogs.inputs << "127.0.0.1";
    a.trigger("m_Connect");
    QTRY_COMPARE(a.dialogs.shown.size(), 2);
    QCOMPARE(a.dialogs.shown.last().text, QString("Port Busy, Wait a moment than call again"));
    QVERIFY(a.dialogs.shown.last().title.isEmpty());
    QCOMPARE(a.text("lblStatus"), QString("Listening"));
    QCOMPARE(a.find<QPushButton>("cmcConnect")->text(), QString("Connect"));

    a.trigger("m_Local");
    const QString box = a.dialogs.shown.last().text;
    QVERIFY2(
        box.startsWith("Your Local IP Address is\r\n\r\n          ") &&
            box.endsWith("\r\n\r\nPort Number is   " + QString::number(a.window->portNumber())),
        qPrintable(box));
    QCOMPARE(a.dialogs.shown.last().title, QString("IP Address"));
}

void RemotePlayTest::bytesOnTheWireAreExact() {
    Player a;
    RawPeer peer(a);
    a.click(1, 9);
    QTRY_COMPARE(peer.received, QByteArray("19"));
    pressEnter(a, QString::fromUtf8("@h\u00e9\u20ac"));
    QTRY_COMPARE(peer.received, QByteArray("19@@h\xe9?"));
    peer.send("99");  // the turn comes back, and New Game with it
    QTRY_VERIFY(a.find<QPushButton>("cmcReset")->isEnabled());
    peer.received.clear();
    QTest::mouseClick(a.find("cmcReset"), Qt::LeftButton);
    QTRY_COMPARE(peer.received, QByteArray("RESET"));
    a.click(2, 1);
    QTRY_COMPARE(peer.received, QByteArray("RESET21"));
    peer.send("11");
    QTRY_VERIFY(a.game().moveCount() == 2 && a.settled());
    a.click(5, 5);
    QTRY_COMPARE(peer.received, QByteArray("RESET2155"));
    peer.send("31");  // the remote player scores: its award drawn here, then "FINISH"
    QTRY_COMPARE(peer.received, QByteArray("RESET2155FINISH"));
    QCOMPARE(a.text("txtComSig"), QString("3"));
    peer.send("CLOSE");  // answered in kind while still connected
    QTRY_COMPARE(peer.received, QByteArray("RESET2155FINISHCLOSE"));
    // Exit while connected: "CLOSE" leaves before the program ends at once.
    QTRY_COMPARE(a.text("lblStatus"), QString("Listening"));
    RawPeer last(a);
    a.trigger("m_Exit");
    a.window.reset();
    QTRY_COMPARE(last.received, QByteArray("CLOSE"));
}

void RemotePlayTest::coalescedAndSplitMessagesLoseNothing() {
    Player a;
    RawPeer peer(a);
    peer.send("12");
    QTRY_COMPARE(a.game().moveCount(), 1);
    peer.send("RESET55");  // a new game and a move, in one arrival
    QTRY_VERIFY(a.game().moveCount() == 1 && a.game().board()[5][5].cellState == 1);
    QCOMPARE(a.text("lblOtherSide"), QString("Remote:"));
    peer.send("66@hi there");
    QTRY_COMPARE(a.find<QPlainTextEdit>("txtRX")->toPlainText(), QString("hi there\n"));
    QCOMPARE(a.game().moveCount(), 2);
    peer.send("RES");
    QTest::qWait(50);
    peer.send("ET");  // split across two arrivals
    QTRY_COMPARE(a.game().moveCount(), 0);
    peer.send("reset");  // not a control word: a chat line without its first letter
    QTRY_VERIFY(a.find<QPlainTextEdit>("txtRX")->toPlainText().endsWith("eset\n"));
    a.click(4, 4);
    peer.send("44");  // the same cell at the same time: not played again
    QTRY_VERIFY(!a.game().moveLock() && a.settled());
    QCOMPARE(a.text("lblMessage"), QString("Your Turn"));
    QCOMPARE(a.game().moveCount(), 1);
    // A chat line longer than one read goes on as chat, whatever starts the rest.
    peer.send("@" + QByteArray(8191, 'x') + "12 o'clock");
    QTRY_VERIFY(a.find<QPlainTextEdit>("txtRX")->toPlainText().endsWith("12 o'clock\n"));
    QCOMPARE(a.game().moveCount(), 1);
    peer.send("FIN");  // a prefix that never completes is read as it stands, soon
    QTRY_VERIFY_WITH_TIMEOUT(a.find<QPlainTextEdit>("txtRX")->toPlainText().endsWith("IN\n"), 1500);
}

void RemotePlayTest::anEarlyFinishIsRemembered() {
    Player a;
    RawPeer peer(a);
    peer.send("11");
    QTRY_VERIFY(a.game().moveCount() == 1 && a.settled());
    peer.send("21");
    QTRY_VERIFY(a.game().moveCount() == 2 && a.settled());
    a.timer.held = true;
    a.game().press(1, 1110, 222);  // (3, 1) scores
    a.timer.step();
    a.timer.step();  // the mark is drawn and the move sent; the line grows
    QTRY_COMPARE(peer.received, QByteArray("31"));
    peer.send("FINISH");
    QTest::qWait(50);
    QVERIFY(a.timer.pausing());
    a.timer.finish();
    QCOMPARE(a.text("txtUserSig"), QString("3"));
    QCOMPARE(a.text("lblMessage"), QString("Your Turn"));
    QVERIFY(!a.game().moveLock());
}

QTEST_MAIN(RemotePlayTest)
#include "remote_play_test.moc"
