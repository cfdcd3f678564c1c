// SPDX-License-Identifier: GPL-3.0-or-later
#include "win_sock.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include <memory>
#include <vector>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

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

}  // namespace

class WinSockTest : public QObject {
    Q_OBJECT

private slots:
    // The link watch as the system holds it. A flood comes in pieces no larger
    // than a read, unacknowledged until the reader has it; the last words of a
    // caller that goes away at once, as on exit, still come before the close.
    void aFloodComesInBoundedPiecesAndTheLastWordsBeforeTheClose() {
        Listening server;
        auto caller = std::make_unique<WinSock>();
        caller->setLinkWatch({7, 3, 4, 2});
        caller->connectTo("127.0.0.1", server.sock.localPort());
        QTRY_COMPARE(server.sock.state(), WinSock::State::Connected);
        QTRY_COMPARE(caller->state(), WinSock::State::Connected);
        const int fd = int(caller->findChild<QTcpSocket*>()->socketDescriptor());
        const int opt[] = {TCP_NODELAY, TCP_KEEPIDLE, TCP_KEEPINTVL, TCP_KEEPCNT, TCP_USER_TIMEOUT};
        std::vector<int> watch(5);
        for (socklen_t i = 0, size = sizeof(int); i < 5; ++i) {
            ::getsockopt(fd, IPPROTO_TCP, opt[i], &watch[i], &size);
        }
        QCOMPARE(watch, std::vector<int>({1, 7, 3, 4, 2000}));
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
        caller->sendData(std::string(megabyte, 'z'));
        QVERIFY(caller->unacknowledgedBytes() > 0);  // more than the reader's system takes in
        QTRY_COMPARE_WITH_TIMEOUT(words.size(), megabyte, 10000);
        QTRY_COMPARE(caller->unacknowledgedBytes(), 0);
        QVERIFY2(largest <= WinSock::kReadBufferBytes, qPrintable(QString::number(largest)));
        // A read that stopped short says so; the last one left nothing behind.
        QVERIFY(leftWaiting && !server.sock.bytesWaiting());
        caller->sendData("CLOSE");
        caller.reset();
        QTRY_COMPARE(closed.count(), 1);
        QCOMPARE(server.sock.state(), WinSock::State::PeerClosing);
        QCOMPARE(words.sliced(megabyte), QByteArray("CLOSE"));
    }

    // A second caller is not taken once one is. Words announced but not yet delivered when the
    // socket closes belong to that connection alone; the next one's are announced as usual.
    void aSecondCallerIsRefusedAndAClosedConnectionsWordsAreNotHeard() {
        Listening server;
        QSignalSpy requests(&server.sock, &WinSock::connectionRequest);
        QTcpSocket first;
        QTcpSocket second;
        first.connectToHost("127.0.0.1", server.sock.localPort());
        second.connectToHost("127.0.0.1", server.sock.localPort());
        QTRY_COMPARE(server.sock.state(), WinSock::State::Connected);
        QTRY_VERIFY(first.state() == QAbstractSocket::UnconnectedState ||
                    second.state() == QAbstractSocket::UnconnectedState);
        QCOMPARE(requests.count(), 1);
        QTcpSocket& taken = first.state() == QAbstractSocket::UnconnectedState ? second : first;
        taken.write("lost");
        QVERIFY(taken.waitForBytesWritten(5000));
        QByteArray heard;
        connect(&server.sock, &WinSock::dataArrival, this,
                [&] { heard += server.sock.takeData(); });
        // One pass: the socket sees the bytes and posts their delivery.
        QCoreApplication::processEvents();
        server.sock.close();
        server.sock.listen();
        QTcpSocket next;
        next.connectToHost(QHostAddress::LocalHost, server.sock.localPort());
        QTRY_COMPARE(server.sock.state(), WinSock::State::Connected);
        next.write("heard");
        QTRY_COMPARE(heard, QByteArray("heard"));
    }

    // A call from a port in TIME_WAIT goes out (a refused one is remote_play_test's box); one
    // called off leaves no socket behind, whatever becomes of it.
    void aRebindInTimeWait() {
        WinSock caller;
        Listening first;
        Listening second;
        Listening spare;  // for a free port
        const quint16 localPort = spare.sock.localPort();
        spare.sock.close();
        caller.setLocalPort(localPort);
        caller.connectTo("127.0.0.1", first.sock.localPort());
        QTRY_COMPARE(caller.state(), WinSock::State::Connected);
        QCOMPARE(caller.localPort(), localPort);
        caller.close();  // the first to close is the end left in TIME_WAIT
        QTRY_COMPARE(first.sock.state(), WinSock::State::PeerClosing);
        caller.connectTo("127.0.0.1", second.sock.localPort());
        QCOMPARE(caller.state(), WinSock::State::Connecting);
        QTRY_COMPARE(caller.state(), WinSock::State::Connected);
        caller.connectTo("127.0.0.1", first.sock.localPort());  // no one listens there now
        caller.close();
        QTRY_VERIFY(caller.findChildren<QTcpSocket*>().isEmpty());
    }
};

QTEST_GUILESS_MAIN(WinSockTest)
#include "win_sock_test.moc"
