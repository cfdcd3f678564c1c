#include "win_sock.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using velmora::WinSock;

namespace {

// A listener on an ephemeral loopback port, accepting every caller.
struct Listening {
    WinSock sock;
    Listening() {
        QObject::connect(&sock, &WinSock::connectionRequest, &sock, [this](int id) {
            sock.close();
            sock.accept(id);
        });
        sock.setLocalPort(0);
        sock.listen();
    }
};

quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

}  // namespace

class WinSockTest : public QObject {
    Q_OBJECT

private slots:
    void aFloodComesInBoundedPiecesAndTheLastWordsBeforeAClose() {
        Listening server;
        WinSock caller;
        caller.connectTo("127.0.0.1", server.sock.localPort());
        QTRY_COMPARE(server.sock.state(), 7);
        QTRY_COMPARE(caller.state(), 7);
        QSignalSpy closed(&server.sock, &WinSock::closed);
        QByteArray words;
        qsizetype largest = 0;
        bool leftWaiting = false;
        connect(&server.sock, &WinSock::dataArrival, this, [&] {
            QCOMPARE(closed.count(), 0);
            const QByteArray piece = server.sock.takeData();
            largest = std::max(largest, piece.size());
            words += piece;
            leftWaiting |= server.sock.bytesWaiting();
        });
        const qsizetype megabyte = 1 << 20;
        caller.sendData(std::string(megabyte, 'z'));
        QTRY_COMPARE_WITH_TIMEOUT(words.size(), megabyte, 10000);
        QVERIFY2(largest <= WinSock::kReadBufferBytes, qPrintable(QString::number(largest)));
        // A read that stopped short says so; the last one left nothing behind.
        QVERIFY(leftWaiting);
        QVERIFY(!server.sock.bytesWaiting());
        caller.sendData("CLOSE");
        caller.close();
        QCOMPARE(caller.state(), 0);
        QTRY_COMPARE(closed.count(), 1);
        QCOMPARE(server.sock.state(), 8);
        QCOMPARE(words.sliced(megabyte), QByteArray("CLOSE"));
    }

    void aSecondCallerIsNotTakenOnceOneIs() {
        Listening server;
        QSignalSpy requests(&server.sock, &WinSock::connectionRequest);
        QTcpSocket first;
        QTcpSocket second;
        first.connectToHost("127.0.0.1", server.sock.localPort());
        second.connectToHost("127.0.0.1", server.sock.localPort());
        QTRY_COMPARE(server.sock.state(), int(WinSock::Connected));
        QTRY_VERIFY(first.state() == QAbstractSocket::UnconnectedState ||
                    second.state() == QAbstractSocket::UnconnectedState);
        QCOMPARE(requests.count(), 1);
    }

    // Hanging up while a call is still going out calls it off: nothing is
    // raised for it, and no socket is left behind even when it would have failed.
    void aCallHungUpWhileGoingOutIsCalledOff() {
        WinSock caller;
        QSignalSpy errors(&caller, &WinSock::error);
        caller.setLocalPort(0);
        caller.connectTo("127.0.0.1", FreePort());
        QCOMPARE(caller.state(), int(WinSock::Connecting));
        caller.close();
        QTRY_VERIFY(caller.findChildren<QTcpSocket*>().isEmpty());
        QCOMPARE(errors.count(), 0);
        QCOMPARE(caller.state(), int(WinSock::Closed));
    }

    // Words announced but not yet delivered when the socket closes belong to
    // that connection alone; the next one's are announced as usual.
    void aCloseBetweenArrivalAndDeliveryLeavesTheNextConnectionHeard() {
        Listening server;
        QTcpSocket first;
        first.connectToHost(QHostAddress::LocalHost, server.sock.localPort());
        QTRY_COMPARE(server.sock.state(), int(WinSock::Connected));
        first.write("lost");
        QVERIFY(first.waitForBytesWritten(5000));
        QByteArray heard;
        connect(&server.sock, &WinSock::dataArrival, this,
                [&] { heard += server.sock.takeData(); });
        // One pass: the socket sees the bytes and posts their delivery.
        QCoreApplication::processEvents();
        server.sock.close();
        server.sock.listen();
        QTcpSocket second;
        second.connectToHost(QHostAddress::LocalHost, server.sock.localPort());
        QTRY_COMPARE(server.sock.state(), int(WinSock::Connected));
        second.write("heard");
        QTRY_COMPARE(heard, QByteArray("heard"));
    }

    // A refused call raises an error; the same socket then calls again from a
    // local port whose last connection is still in TIME_WAIT.
    void aRefusedCallAndARebindInTimeWait() {
        WinSock caller;
        QSignalSpy errors(&caller, &WinSock::error);
        caller.connectTo("127.0.0.1", FreePort());
        QTRY_COMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toInt(), 10061);
        QCOMPARE(errors.at(0).at(1).toString(), QString("Connection is forcefully rejected"));
        QCOMPARE(caller.state(), 9);

        Listening first;
        Listening second;
        const quint16 localPort = FreePort();
        caller.setLocalPort(localPort);
        caller.connectTo("127.0.0.1", first.sock.localPort());
        QTRY_COMPARE(caller.state(), 7);
        QCOMPARE(caller.localPort(), localPort);
        caller.close();  // the first to close is the end left in TIME_WAIT
        QTRY_COMPARE(first.sock.state(), 8);
        caller.setLocalPort(localPort);
        caller.connectTo("127.0.0.1", second.sock.localPort());
        QCOMPARE(caller.state(), 6);
        QTRY_COMPARE(caller.state(), 7);
    }
};

QTEST_GUILESS_MAIN(WinSockTest)
#include "win_sock_test.moc"
