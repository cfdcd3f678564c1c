// Two windows over loopback: what the user sees of calling, a whole remote
// game, chat, the Remote menu's boxes and hanging up. The connection's own
// rules and bytes are tested on their own (connection_test, two_copies_test).
#include <QAction>
#include <QNetworkInterface>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include "clip_control.h"
#include "window_rig.h"

using velmora::Game;

namespace {

// A window whose animations run on by themselves.
struct Player : WindowRig {
    Player() { timer.held = false; }
    void listenOn(int port) {
        dialogs.inputs << QString::number(port);
        trigger("m_PortNum");
    }
    // Calls `other` at 127.0.0.1 from the other's port number.
    void call(Player& other) {
        listenOn(other.window->portNumber());
        dialogs.inputs << "127.0.0.1";
        QTest::mouseClick(find("cmcConnect"), Qt::LeftButton);
        QCOMPARE(text("lblStatus"), QString("Connecting"));
        QTRY_COMPARE(text("lblStatus"), QString("Connected"));
        QTRY_COMPARE(other.window->socketState(), 7);
    }
    void enter(const QString& line) {
        auto* box = find<QLineEdit>("txtTX");
        box->setText(line);
        QTest::keyClick(box, Qt::Key_Return);
    }
    bool settled() { return !game().drawing(); }
    QString transcript() { return find<QPlainTextEdit>("txtRX")->toPlainText(); }
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
    }
};

}  // namespace

class RemotePlayTest : public QObject {
    Q_OBJECT

private slots:
    // A call, chat both ways, a whole game, a new one, and a hang-up that
    // hands the owed turn to the computer.
    void aWholeRemoteGame() {
        Player a;
        Player b;
        a.enter("not yet");  // not connected: the text stays, nothing goes
        QCOMPARE(a.text("txtTX"), QString("not yet"));
        a.find<QPlainTextEdit>("txtRX")->setPlainText("an earlier talk");
        a.call(b);
        a.checkView(true);
        b.checkView(true);
        QVERIFY(a.text("txtTX").isEmpty() && a.transcript().isEmpty());
        a.enter(QString::fromUtf8("h\u00e9llo 12 \u20ac"));  // ISO 8859-1 on the wire
        const QString line = QString::fromUtf8("h\u00e9llo 12 ?\n");
        QTRY_COMPARE(b.transcript(), line);
        QVERIFY(b.find<velmora::ClipControl>("AniLight")->isPlaying());
        QCOMPARE(a.transcript(), line);
        b.enter("");
        QTRY_COMPARE(a.transcript(), line + "\n");
        // Every line ends in CR LF, two characters: ten lines of 2498 letters
        // make exactly 25000, which stays; one letter more and it starts again.
        for (int extra : {0, 1}) {
            auto* transcript = b.find<QPlainTextEdit>("txtRX");
            transcript->setPlainText(QString(QString(2498, 'x') + "\n").repeated(9) +
                                     QString(2498 + extra, 'x') + "\n");
            transcript->moveCursor(QTextCursor::End);
            a.enter("one");
            QTRY_VERIFY(b.transcript().endsWith("one\n"));
            QCOMPARE(b.transcript().startsWith("x"), extra == 0);
        }

        QTRY_VERIFY(a.settled() && b.settled());
        QCOMPARE(a.text("lblMessage"), QString("Wait ......"));  // the answerer opens
        int order = 7;
        for (int turns = 0; a.game().result() == Game::Result::None; ++turns) {
            QVERIFY(turns < 200);
            Player& mover = a.game().moveLock() ? b : a;
            Player& other = &mover == &a ? b : a;
            do {
                order = (order * 37 + 11) % 81;
            } while (mover.game().board()[order / 9 + 1][order % 9 + 1].cellState != 0);
            mover.click(order / 9 + 1, order % 9 + 1);
            QTRY_VERIFY(a.settled() && b.settled() &&
                        a.game().moveCount() == b.game().moveCount() &&
                        (a.game().moveLock() != b.game().moveLock() ||
                         a.game().result() != Game::Result::None));
            QCOMPARE(a.text("txtUserSig"), b.text("txtComSig"));
            QCOMPARE(a.text("txtComTot"), b.text("txtUserTot"));
            QCOMPARE(other.text("lblOtherSide"), QString("Remote:"));
        }
        QTRY_VERIFY(b.game().result() != Game::Result::None);
        const QString results = a.text("lblMessage") + "/" + b.text("lblMessage");
        QVERIFY2(QStringList({"You WIN !!!/You Lost", "You Lost/You WIN !!!", "Level/Level"})
                     .contains(results),
                 qPrintable(results));

        // After a finished game the answerer opens, whoever presses New Game.
        QTest::mouseClick(a.find("cmcReset"), Qt::LeftButton);
        QTRY_COMPARE(b.game().moveCount(), 0);
        QCOMPARE(a.text("lblMessage"), QString("Wait ......"));
        QVERIFY(!a.find<QPushButton>("cmcReset")->isEnabled());
        QCOMPARE(b.text("lblMessage"), QString("Your Turn"));
        b.click(1, 1);
        QTRY_COMPARE(a.text("lblMessage"), QString("Your Turn"));
        a.click(5, 5);
        QTRY_VERIFY(b.settled() && b.game().moveCount() == 2);
        b.click(2, 1);
        QTRY_VERIFY(a.game().moveCount() == 3 && a.settled());
        a.click(6, 6);
        QTRY_COMPARE(a.text("lblMessage"), QString("Wait ......"));
        QTRY_VERIFY(b.settled());
        const QString kept = b.transcript();
        QTest::mouseClick(a.find("cmcConnect"), Qt::LeftButton);
        QTRY_COMPARE(a.game().moveCount(), 5);  // the computer moves at once
        QCOMPARE(a.text("lblOtherSide"), QString("Computer:"));
        // b heard "CLOSE": back to the idle view, its user to move, the chat kept.
        // (a took b's port number to call it, so only one of them listens on it.)
        QTRY_COMPARE(b.find<QPushButton>("cmcConnect")->text(), QString("Connect"));
        a.checkView(false);
        b.checkView(false);
        QVERIFY(!b.game().moveLock());
        QCOMPARE(b.transcript(), kept);
    }

    // The boxes of the Remote menu, as the user sees them.
    void theRemoteMenusBoxes() {
        Player a;
        const int port = a.window->portNumber();
        a.listenOn(65531);
        QCOMPARE(a.dialogs.prompts.last(),
                 "Input New Port-Number ( 1-65530 )|Port Number|" + QString::number(port));
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
        QTcpServer gone;
        QVERIFY(gone.listen(QHostAddress::Any, 0));
        a.listenOn(gone.serverPort());
        gone.close();
        callFails("Connection is forcefully rejected");
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
        // The address shown is one another machine can call.
        const QHostAddress shown(box.section("\r\n", 2, 2).trimmed());
        QVERIFY(QNetworkInterface::allAddresses().contains(shown));
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
        c.listenOn(portOfC + 7);
        QCOMPARE(c.window->portNumber(), portOfC);
        QCOMPARE(c.window->socketState(), 7);
    }

    // Exit while connected: "CLOSE" leaves before the program ends at once.
    void exitWhileConnectedSaysGoodbye() {
        Player a;
        QTcpSocket peer;
        peer.connectToHost("127.0.0.1", quint16(a.window->portNumber()));
        QTRY_COMPARE(a.window->socketState(), 7);
        a.trigger("m_Exit");
        a.window.reset();
        QByteArray received;
        QTRY_COMPARE(received += peer.readAll(), QByteArray("RESETCLOSE"));
    }
};

QTEST_MAIN(RemotePlayTest)
#include "remote_play_test.moc"
