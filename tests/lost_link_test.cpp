// SPDX-License-Identifier: GPL-3.0-or-later
// A real link between two network namespaces, cut without a word: the system's watch ends
// the connection, the computer takes the turn owed. Skipped (77) without the namespaces.
#include <QTcpSocket>

#include <cstdio>

#include "net_lab.h"
#include "window_rig.h"

namespace {
NetLab* lab = nullptr;
}

class LostLinkTest : public QObject {
    Q_OBJECT

private slots:
    void aCutLinkIsNoticedAndTheComputerTakesOver() {
        lab->enter(0);
        WindowRig rig;
        rig.timer.held = false;
        rig.session->socket().setLinkWatch({1, 1, 2, 3});
        lab->enter(1);
        QTcpSocket peer;
        peer.connectToHost(NetLab::kAddress[0], quint16(rig.connection().portNumber()));
        QTRY_COMPARE(rig.text("lblStatus"), QString("Connected"));
        QByteArray heard;
        QTRY_COMPARE(heard += peer.readAll(), QByteArray("RESET"));
        rig.click(5, 5);
        QTRY_COMPARE(heard += peer.readAll(), QByteArray("RESET55"));
        QVERIFY(lab->cut());
        // Two unanswered probes after a second of quiet, a second apart.
        QTRY_COMPARE_WITH_TIMEOUT(rig.game().moveCount(), 2, 10000);
        QCOMPARE(rig.text("lblOtherSide"), QString("Computer:"));
        QCOMPARE(rig.text("lblStatus"), QString("Link lost"));
        QCOMPARE(rig.window->windowHeightTwips(), velmora::MainWindow::kIdleHeightTwips);
        QVERIFY(rig.dialogs.shown.isEmpty());
        lab->leave();
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    NetLab made;
    if (!made.made()) {
        std::printf("SKIPPED: %s\n", qPrintable(made.why()));
        return 77;
    }
    lab = &made;
    LostLinkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "lost_link_test.moc"
