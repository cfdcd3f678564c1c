#include "win_sock.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

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

// A caller connected to a listener, both in state 7.
struct ConnectedPair {
    Listening server;
    WinSock caller;
    ConnectedPair() {
        caller.connectTo("127.0.0.1", server.sock.localPort());
        QTRY_COMPARE(server.sock.state(), 7);
        QTRY_COMPARE(caller.state(), 7);
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
    void peerCloseIsReportedAsStateEight();
    void aSecondCallerIsNotTakenOnceOneIs();
    void refusedConnectRaisesAnError();
    void localPortInTimeWaitCanBeBoundAgain();
    void aFloodIsHandedOverInBoundedPieces();
};

void WinSockTest::peerCloseIsReportedAsStateEight() {
    ConnectedPair pair;
    WinSock& caller = pair.caller;
    Listening& server = pair.server;

    QSignalSpy closed(&server.sock, &WinSock::closed);
    // The last words before a close still arrive, ahead of the close.
    QByteArray words;
    connect(&server.sock, &WinSock::dataArrival, this, [&] {
        QCOMPARE(closed.count(), 0);
        words += server.sock.takeData();
    });
    caller.sendData("CLOSE");
    caller.close();
    QCOMPARE(caller.state(), 0);
    QTRY_COMPARE(closed.count(), 1);
    QCOMPARE(server.sock.state(), 8);
    QCOMPARE(words, QByteArray("CLOSE"));
}

void WinSockTest::aSecondCallerIsNotTakenOnceOneIs() {
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

void WinSockTest::refusedConnectRaisesAnError() {
    WinSock sock;
    QSignalSpy errors(&sock, &WinSock::error);
    sock.connectTo("127.0.0.1", FreePort());
    QTRY_COMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(0).toInt(), 10061);
    QCOMPARE(sock.state(), 9);
    QCOMPARE(errors.at(0).at(1).toString(), QString("Connection is forcefully rejected"));
}

void WinSockTest::localPortInTimeWaitCanBeBoundAgain() {
    Listening first;
    Listening second;
    WinSock caller;
    const quint16 localPort = FreePort();
    caller.setLocalPort(localPort);
    caller.connectTo("127.0.0.1", first.sock.localPort());
    QTRY_COMPARE(caller.state(), 7);
    QCOMPARE(caller.localPort(), localPort);
    // Closing first leaves this end in TIME_WAIT.
    caller.close();
    QTRY_COMPARE(first.sock.state(), 8);

    caller.setLocalPort(localPort);
    caller.connectTo("127.0.0.1", second.sock.localPort());
    QCOMPARE(caller.state(), 6);
    QTRY_COMPARE(caller.state(), 7);
}

void WinSockTest::aFloodIsHandedOverInBoundedPieces() {
    ConnectedPair pair;
    WinSock& caller = pair.caller;
    Listening& server = pair.server;

    qint64 total = 0;
    qint64 largest = 0;
    connect(&server.sock, &WinSock::dataArrival, this, [&] {
        const qint64 piece = server.sock.takeData().size();
        largest = std::max(largest, piece);
        total += piece;
    });
    const int megabyte = 1 << 20;
    caller.sendData(std::string(megabyte, 'z'));
    QTRY_COMPARE_WITH_TIMEOUT(total, qint64(megabyte), 10000);
    QVERIFY2(largest <= WinSock::kReadBufferBytes, qPrintable(QString::number(largest)));
}

QTEST_GUILESS_MAIN(WinSockTest)
#include "win_sock_test.moc"
