// SPDX-License-Identifier: GPL-3.0-or-later
// Two windows over loopback as their users see them; the connection's rules
// and bytes are connection_test's and two_copies_test's.
#include <QElapsedTimer>
#include <QNetworkInterface>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>

#include "clip_control.h"
#include "window_rig.h"

using velmora::Dialogs;
using velmora::Game;

namespace {

struct Player : WindowRig {
    Player() { timer.held = false; }
    void listenOn(int port) {
        dialogs.inputs << QString::number(port);
        trigger("m_PortNum");
    }
    void enter(const QString& line) {
        auto* box = find<QLineEdit>("txtTX");
        box->setText(line);
        QTest::keyClick(box, Qt::Key_Return);
    }
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
    }
};

bool settled(Player& a, Player& b) {
    return !a.game().drawing() && !b.game().drawing() &&
           a.game().moveCount() == b.game().moveCount();
}

}  // namespace

class RemotePlayTest : public QObject {
    Q_OBJECT

private slots:
    // A call taken while a box for one stands open, a chat line, a whole
    // game, a new one, and a hang-up that hands the owed turn to the computer.
    void aWholeRemoteGame() {
        Player a;
        Player b;
        a.enter("not yet");  // not connected: the text stays, nothing goes
        QCOMPARE(a.text("txtTX"), QString("not yet"));
        a.find<QPlainTextEdit>("txtRX")->setPlainText("an earlier talk");
        a.dialogs.whileAsking = [&] {  // b calls a from a's port number, plus one
            b.listenOn(a.connection().portNumber());
            b.dialogs.inputs << "127.0.0.1";
            QTest::mouseClick(b.find("cmcConnect"), Qt::LeftButton);
            QCOMPARE(b.text("lblStatus"), QString("Connecting"));
            QTRY_COMPARE(b.text("lblStatus"), QString("Connected"));
            QTRY_COMPARE(a.connection().socketState(), velmora::Transport::State::Connected);
        };
        a.dialogs.inputs << "127.0.0.1";  // not acted on: the call taken stays
        a.trigger("m_Connect");
        a.checkView(true);
        QVERIFY(a.dialogs.shown.isEmpty());  // a fresh board takes its caller unasked
        b.checkView(true);
        QVERIFY(a.text("txtTX").isEmpty() && a.transcript().isEmpty());
        a.enter(QString::fromUtf8("h\u00e9llo 12 \u20ac"));  // ISO 8859-1 on the wire
        const QString line = QString::fromUtf8("h\u00e9llo 12 ?\n");
        QTRY_COMPARE(b.transcript(), line);
        QVERIFY(a.text("txtTX").isEmpty() && a.transcript() == line);
        // The lamp flashes once: through its pictures to the last, never round again.
        auto* lamp = b.find<velmora::ClipControl>("AniLight");
        for (int last = 0; lamp->isPlaying(); QTest::qWait(10)) {
            QVERIFY(lamp->currentFrame() >= last);
            last = lamp->currentFrame();
        }
        QCOMPARE(lamp->currentFrame(), lamp->frameCount() - 1);
        // Emptied only once longer than 25000 characters, each line's CR LF counted.
        a.enter(QString(25000 - (line.size() + 1) - 2, 'x'));
        a.enter("y");
        QVERIFY(a.transcript().startsWith(line) && a.transcript().endsWith("x\ny\n"));
        a.enter("over it");
        QCOMPARE(a.transcript(), QString("over it\n"));
        QTRY_VERIFY(b.transcript().endsWith("over it\n"));
        a.find<QPlainTextEdit>("txtRX")->clear();

        QTRY_VERIFY(settled(a, b));
        QCOMPARE(b.text("lblMessage"), QString("Wait ......"));  // the answerer opens
        int order = 7;
        for (int turns = 0; !a.game().result(); ++turns) {
            QVERIFY(turns < 200);
            Player& mover = a.game().display().boardOpen ? a : b;
            do {
                order = (order * 37 + 11) % 81;
            } while (mover.game().owner({order / 9 + 1, order % 9 + 1}));
            mover.click(order / 9 + 1, order % 9 + 1);
            QTRY_VERIFY(settled(a, b) &&
                        (a.game().display().boardOpen != b.game().display().boardOpen ||
                         a.game().result()));
            QCOMPARE(QStringList({a.text("txtUserSig"), a.text("txtComTot"),
                                  (&mover == &a ? b : a).text("lblOtherSide")}),
                     QStringList({b.text("txtComSig"), b.text("txtUserTot"), "Remote:"}));
        }
        QTRY_VERIFY(b.game().result());
        QVERIFY(QStringList({"You WIN !!!/You Lost", "You Lost/You WIN !!!", "Level/Level"})
                    .contains(a.text("lblMessage") + "/" + b.text("lblMessage")));

        // After a finished game the answerer opens, whoever presses New Game.
        QTest::mouseClick(b.find("cmcReset"), Qt::LeftButton);
        QTRY_COMPARE(a.game().moveCount(), 0);
        QCOMPARE(b.text("lblMessage") + "/" + a.text("lblMessage"), "Wait ....../Your Turn");
        QVERIFY(!b.find<QPushButton>("cmcReset")->isEnabled());
        a.click(5, 5);
        QTRY_VERIFY(settled(a, b) && a.game().moveCount() == 1);
        const QString kept = b.transcript();
        QTest::mouseClick(a.find("cmcConnect"), Qt::LeftButton);
        QTRY_COMPARE(a.game().moveCount(), 2);  // the computer moves at once
        QCOMPARE(a.text("lblOtherSide"), QString("Computer:"));
        // b heard "CLOSE": back to the idle view, its user to move, the chat kept.
        QTRY_COMPARE(b.find<QPushButton>("cmcConnect")->text(), QString("Connect"));
        a.checkView(false);
        b.checkView(false);
        QVERIFY(b.game().display().boardOpen);
        QCOMPARE(b.transcript(), kept);
    }

    // A chat line and a click right behind it reach a raw reader as two reads,
    // the move 300 ms or more after the line; it is drawn at once all the same.
    void aMoveRightBehindAChatLineWaitsOnTheWire() {
        Player a;
        QTcpSocket peer;
        QList<QPair<qint64, QByteArray>> reads;
        QElapsedTimer clock;
        connect(&peer, &QTcpSocket::readyRead, this,
                [&] { reads << qMakePair(clock.elapsed(), peer.readAll()); });
        peer.connectToHost("127.0.0.1", quint16(a.connection().portNumber()));
        QTRY_COMPARE(reads.size(), 1);  // no game in progress: taken at once
        clock.start();
        a.enter("12");
        a.click(5, 5);
        QCOMPARE(a.game().moveCount(), 1);
        QTRY_COMPARE(reads.size(), 3);
        QCOMPARE(reads[1].second + "|" + reads[2].second, QByteArray("@12|55"));
        QVERIFY2(reads[2].first - reads[1].first >= 300,
                 qPrintable(QString::number(reads[2].first)));
    }

    // During a game against the computer a caller is asked about, No the
    // default; while the question stands a second caller is turned away and
    // what the first sends is dropped. One gone before it is taken leaves the
    // idle view as it was. After a game has ended, a caller is taken at once.
    void aCallerDuringAGameIsAskedAbout() {
        Player a;
        a.click(5, 5);
        QTRY_COMPARE(a.game().moveCount(), 2);
        auto call = [&a](QTcpSocket& peer, Dialogs::Answer answer,
                         std::function<void()> meanwhile) {
            a.dialogs.answers << answer;
            a.dialogs.whileAsking = std::move(meanwhile);
            peer.connectToHost("127.0.0.1", quint16(a.connection().portNumber()));
            QTRY_VERIFY(a.dialogs.whileAsking == nullptr);
        };
        QTcpSocket refused;
        QTcpSocket second;
        call(refused, Dialogs::Answer::No, [&] {
            second.connectToHost("127.0.0.1", quint16(a.connection().portNumber()));
            QTRY_COMPARE(second.state(), QAbstractSocket::UnconnectedState);
        });
        QCOMPARE(a.dialogs.shown.last(),
                 "Remote Play|A player at 127.0.0.1 is calling. Start a new game with them?|112");
        QTRY_COMPARE(refused.state(), QAbstractSocket::UnconnectedState);
        QTcpSocket early;
        call(early, Dialogs::Answer::Yes, [&] {
            early.disconnectFromHost();
            QTest::qWait(100);
        });
        QVERIFY(a.game().moveCount() == 2 && a.text("lblStatus") == "Listening");
        a.checkView(false);
        QTcpSocket taken;
        call(taken, Dialogs::Answer::Yes, [&] {
            taken.write("55" + QByteArray(5000, '@'));  // more than one read's worth
            QVERIFY(taken.waitForBytesWritten(5000));
            QTest::qWait(100);
        });
        QByteArray heard;
        QTRY_COMPARE(heard += taken.readAll(), QByteArray("RESET"));
        a.checkView(true);
        taken.write("44");
        QTRY_VERIFY(a.game().owner({4, 4}) == Game::Side::Opponent);
        // Neither its "55" from before was played nor what the system still held shown.
        QVERIFY(a.game().moveCount() == 1 && a.transcript().isEmpty());

        // An ended game is no game in progress: the next caller is taken unasked.
        taken.disconnectFromHost();
        QTRY_VERIFY(a.connection().idle());
        a.trigger("m_FastMode");
        for (int i = 0; !a.game().result(); i = (i + 1) % 81) {
            QTRY_VERIFY(a.game().display().boardOpen || a.game().result());
            if (!a.game().owner({i / 9 + 1, i % 9 + 1}) && !a.game().result()) {
                a.click(i / 9 + 1, i % 9 + 1);
            }
        }
        const qsizetype asked = a.dialogs.shown.size();
        QTcpSocket after;
        after.connectToHost("127.0.0.1", quint16(a.connection().portNumber()));
        QTRY_VERIFY(a.connection().connected());
        QCOMPARE(a.dialogs.shown.size(), asked);
    }

    // The boxes of the Remote menu, as the user sees them, and the goodbye on exit.
    void theRemoteMenusBoxesAndTheGoodbye() {
        Player a;
        const int port = a.connection().portNumber();
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

        // A call that fails says why, and listens again.
        auto callFails = [&a](const QString& box) {
            a.dialogs.inputs << "127.0.0.1";
            a.trigger("m_Connect");
            QTRY_COMPARE(a.dialogs.shown.value(a.dialogs.shown.size() - 1), box);
            QCOMPARE(a.text("lblStatus"), QString("Listening"));
            a.checkView(false);
        };
        QTcpServer gone;
        QVERIFY(gone.listen(QHostAddress::Any, 0));
        a.listenOn(gone.serverPort());
        gone.close();
        callFails("|Connection is forcefully rejected|020");
        // The port a call goes out from, one above, is taken.
        QTcpServer holder;
        QVERIFY(holder.listen(QHostAddress::Any, quint16(a.connection().portNumber() + 1)));
        callFails("|Port Busy, Wait a moment than call again|000");
        holder.close();
        // Cancel offers the last address and port, and calls or moves nothing.
        const int shown = int(a.dialogs.shown.size());
        const int listening = a.connection().portNumber();
        a.trigger("m_Connect");
        QVERIFY(a.dialogs.prompts.last().endsWith("|127.0.0.1"));
        a.trigger("m_PortNum");
        QVERIFY(a.dialogs.prompts.last().endsWith("|" + QString::number(listening)));
        QCOMPARE(a.connection().portNumber(), listening);
        QCOMPARE(a.text("lblStatus"), QString("Listening"));
        QTest::qWait(100);
        QCOMPARE(a.dialogs.shown.size(), shown);

        // The address indented by ten, one of this machine's that another can call.
        a.trigger("m_Local");
        const QString address = a.dialogs.shown.last().section("\r\n", 2, 2);
        QCOMPARE(a.dialogs.shown.last(), "IP Address|Your Local IP Address is\r\n\r\n" +
                                             QString(10, ' ') + address.trimmed() +
                                             "\r\n\r\nPort Number is   " +
                                             QString::number(a.connection().portNumber()) + "|000");
        QVERIFY(QNetworkInterface::allAddresses().contains(QHostAddress(address.trimmed())));

        // Exit says goodbye to a caller before the program ends at once.
        QTcpSocket peer;
        peer.connectToHost("127.0.0.1", quint16(a.connection().portNumber()));
        QTRY_COMPARE(a.connection().socketState(), velmora::Transport::State::Connected);
        a.trigger("m_Exit");
        a.session.reset();
        QByteArray received;
        QTRY_COMPARE(received += peer.readAll(), QByteArray("RESETCLOSE"));
    }
};

QTEST_MAIN(RemotePlayTest)
#include "remote_play_test.moc"
