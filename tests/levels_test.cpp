// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's strengths, its search off the window's thread, Hint, Undo
// and How to Play, in the whole window.
#include <QAccessible>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalSpy>

#include <chrono>
#include <thread>
#include <tuple>

#include "announcer.h"
#include "how_to_play.h"
#include "window_rig.h"

using velmora::Cell;
using velmora::Strength;

namespace {

// Holds each request until the test answers it; a cancel or a newer request drops it.
class HeldChooser : public velmora::MoveChooser {
public:
    void request(const velmora::BoardGrid&, Strength strength, uint64_t, Answer answer) override {
        strengths << strength;
        answer_ = std::move(answer);
    }
    void cancel() override { answer_ = nullptr; }
    bool waiting() const { return bool(answer_); }
    void answer(Cell cell) { std::exchange(answer_, nullptr)(cell); }
    QList<Strength> strengths;

private:
    Answer answer_;
};

using Snapshot = std::tuple<QImage, QString, velmora::Turn>;

Snapshot snapshot(WindowRig& rig) {
    return {rig.board().copy(), rig.shown(), rig.game().turn()};
}

Cell firstEmpty(const velmora::Game& game) {
    for (int i = 0;; ++i) {
        if (!game.owner({i % 9 + 1, i / 9 + 1})) {
            return {i % 9 + 1, i / 9 + 1};
        }
    }
}

// The hint's green outline as the board shows it, over `cell`.
bool hintShown(velmora::BoardPicture& board, Cell cell) {
    const QRect inCell = board.cellRect(cell.column, cell.row);
    const QImage shown = board.grab().toImage();
    return shown.pixelColor(inCell.left() + 2, inCell.center().y()) == QColor(0, 150, 0) &&
           shown.pixelColor(inCell.right() - 2, inCell.center().y()) == QColor(0, 150, 0);
}

}  // namespace

class LevelsTest : public QObject {
    Q_OBJECT

private slots:
    // The menu starts at Normal, one strength checked; a search in flight is
    // cancelled and its answer never played.
    void aSearchInFlightIsDropped_data() {
        QTest::addColumn<QString>("by");
        QTest::newRow("new game") << "m_Reset";
        QTest::newRow("call") << "call";
        QTest::newRow("strength") << "m_LevelExpert";
    }
    void aSearchInFlightIsDropped() {
        QFETCH(QString, by);
        WindowRig rig;
        HeldChooser chooser;
        rig.game().setChooser(&chooser);
        auto* normal = rig.find<QAction>("m_LevelNormal");
        QVERIFY(normal->isChecked());
        rig.trigger("m_LevelStrong");
        QVERIFY(rig.find<QAction>("m_LevelStrong")->isChecked() && !normal->isChecked());
        rig.click(5, 5);
        QVERIFY(chooser.waiting() && rig.game().thinking() &&
                !rig.find<QAction>("m_Hint")->isEnabled());
        QCOMPARE(rig.text("lblMessage"), QString("Wait ......"));
        auto* announcer = rig.window->findChild<velmora::Announcer*>();
        QSignalSpy told(announcer, &velmora::Announcer::announced);
        if (by == "call") {
            rig.game().callStarted();
        } else {
            rig.trigger(qPrintable(by));
        }
        // The fresh board is told alone: the user waited for the old one.
        QCoreApplication::processEvents();
        QVERIFY(by != "m_Reset" || told.size() + announcer->pending().size() == 1);
        // A new strength searches again, at once, with itself.
        QCOMPARE(chooser.strengths, by == "m_LevelExpert"
                                        ? QList({Strength::Strong, Strength::Expert})
                                        : QList({Strength::Strong}));
        QCOMPARE(chooser.waiting(), by == "m_LevelExpert");
        if (chooser.waiting()) {
            chooser.answer({1, 1});
            rig.timer.finish();
            QCOMPARE(rig.game().moveCount(), 2);
            QCOMPARE(rig.game().owner({1, 1}), velmora::Game::Side::Opponent);
        }
    }

    // On the real worker: an answer overtaken by a newer request, or cancelled,
    // is never handed back; the newest is.
    void theThreadedChooserHandsBackOnlyTheNewestAnswer() {
        velmora::ThreadedChooser chooser;
        QList<Cell> answers;
        const auto onlyEmpty = [](Cell empty) {
            velmora::BoardGrid board{};
            for (int i = 0; i < 81; ++i) {
                board[i % 9 + 1][i / 9 + 1].cellState = i != (empty.row - 1) * 9 + empty.column - 1;
            }
            return board;
        };
        const auto answered = [&](Cell c) { answers << c; };
        chooser.request(velmora::BoardGrid{}, Strength::Expert, 1, answered);
        chooser.request(onlyEmpty({1, 1}), Strength::Expert, 2, answered);
        // Done on the worker, its answer not yet taken when the next request comes.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        chooser.request(onlyEmpty({9, 9}), Strength::Expert, 3, answered);
        QTRY_COMPARE(answers.size(), 1);
        QCOMPARE(answers.first().column * 10 + answers.first().row, 99);
        chooser.request(velmora::BoardGrid{}, Strength::Expert, 4, answered);
        chooser.cancel();
        QTest::qWait(50);
        QCOMPARE(answers.size(), 1);
    }

    // At Normal, Hint asks Expert; its cell is outlined over the board, not in
    // it, told once after the computer's news, and gone after 2 s.
    void hintShowsExpertsCellOverTheBoardNotInIt() {
        WindowRig rig;
        HeldChooser chooser;
        rig.game().setChooser(&chooser);
        // Off while the user's award draws, on for the move it earns.
        rig.fill({{2, 1}, {3, 1}});
        rig.game().play({1, 1});
        QVERIFY(!rig.find<QAction>("m_Hint")->isEnabled());
        while (rig.game().turn() != velmora::Turn::UserAgain) {
            QVERIFY(rig.timer.step());
        }
        rig.click(5, 5);  // the award still draws: refused
        QVERIFY(!rig.game().owner({5, 5}));
        rig.timer.finish();
        QVERIFY(rig.find<QAction>("m_Hint")->isEnabled());
        auto* board = rig.find<velmora::BoardPicture>("PicMain");
        auto* announcer = rig.window->findChild<velmora::Announcer*>("announcer");
        QSignalSpy said(announcer, &velmora::Announcer::announced);
        rig.click(9, 9);
        QTRY_VERIFY(!said.isEmpty() && said.last().first().toString().endsWith("Your turn."));
        const auto outlined = [&] { return hintShown(*board, {4, 6}); };
        const QImage before = rig.board().copy();
        rig.trigger("m_Hint");
        QCOMPARE(chooser.strengths, QList({Strength::Expert}));
        chooser.answer({4, 6});
        QVERIFY(outlined() && board->focusCell() == QPoint(4, 6) && rig.board() == before);
        QTRY_VERIFY(!said.isEmpty() && said.last().first() == "Hint: column 4, row 6");
        QVERIFY(announcer->pending().isEmpty() && said.count({"Hint: column 4, row 6"}) == 1);
        QTRY_VERIFY_WITH_TIMEOUT(!outlined(), 3000);
        rig.trigger("m_Hint");  // asked, then a move: the answer would come too late
        rig.click(8, 8);
        QVERIFY(!chooser.waiting());
    }

    // A whole game, then Undo back to its start: each position as it was,
    // computer chains and all; and an Undo in the middle of a drawing.
    void undoRestoresEveryPositionExactly() {
        WindowRig rig;
        QVERIFY(!rig.find<QAction>("m_Undo")->isEnabled());
        QList<Snapshot> before;
        int longestChain = 0;
        while (!rig.game().result()) {
            if (before.size() == 8 || before.size() == 14) {
                rig.trigger("m_FastMode");  // undo draws each move as it was drawn
            }
            before << snapshot(rig);
            const int awards = rig.game().awards(velmora::Game::Side::Opponent).size();
            const Cell cell = firstEmpty(rig.game());
            rig.click(cell.column, cell.row);
            longestChain =
                std::max(longestChain,
                         int(rig.game().awards(velmora::Game::Side::Opponent).size()) - awards);
        }
        QVERIFY(longestChain >= 2);
        const Snapshot end = snapshot(rig);
        QVERIFY(std::get<2>(end) == velmora::Turn::Ended && std::get<1>(end).contains("Img"));

        // Mid-drawing: the move and its drawing are gone. Playing the game
        // again is no news for a screen reader.
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(rig.find("PicMain"));
        const QString lastNews = reader->text(QAccessible::Description);
        rig.trigger("m_Undo");
        QCOMPARE(reader->text(QAccessible::Description), lastNews);
        const Cell cell = firstEmpty(rig.game());
        rig.game().play(cell);
        QVERIFY(rig.timer.pausing() && !rig.find<QAction>("m_Hint")->isEnabled());
        rig.trigger("m_Undo");
        QVERIFY(!rig.game().drawing());
        for (qsizetype k = before.size() - 1; k >= 0; --k) {
            QVERIFY2(snapshot(rig) == before[k], qPrintable(QString::number(k)));
            QVERIFY2(rig.find<QAction>("m_Undo")->isEnabled() == (k > 0),
                     qPrintable(QString::number(k)));
            auto* board = rig.find<velmora::BoardPicture>("PicMain");
            if (k == 5) {  // a hint shown goes with the move taken back
                rig.trigger("m_Hint");
                QTRY_VERIFY(board->hintCell().column != 0);
                QVERIFY(hintShown(*board, board->hintCell()));
            }
            const Cell hint = board->hintCell();
            rig.trigger("m_Undo");
            QVERIFY(hint.column == 0 || !hintShown(*board, hint));
        }
        QCOMPARE(rig.game().moveCount(), 0);
    }

    void undoStaysOffOnceARemoteGameHasStarted() {
        WindowRig rig;
        rig.game().callStarted();
        rig.game().callAnswered();
        rig.fill({{1, 1}});
        QVERIFY(!rig.find<QAction>("m_Hint")->isEnabled());
        rig.game().remoteGameEnded();
        rig.click(2, 2);
        QCOMPARE(rig.game().moveCount(), 3);
        QVERIFY(!rig.find<QAction>("m_Undo")->isEnabled());
        rig.trigger("m_LevelEasy");
        rig.trigger("m_Reset");
        rig.click(2, 2);
        QVERIFY(rig.find<QAction>("m_Undo")->isEnabled());
        QTRY_VERIFY(!rig.game().thinking());
        rig.timer.finish();
        QVERIFY(rig.find<QAction>("m_Hint")->isEnabled());
    }

    // Opened by F1 or the menu, closed by Escape or Close. Its pictures: the run
    // of 6 drawn through six cells; the opponent's newest mark red, the others blue.
    void howToPlayOpensAndCloses() {
        WindowRig rig;
        QTest::keyClick(rig.window, Qt::Key_F1);
        auto* help = rig.window->findChild<velmora::HowToPlay*>();
        QVERIFY(help != nullptr && help->isVisible());
        QCOMPARE(help->windowTitle(), QString("How to Play"));
        QVERIFY(QTest::qWaitForWindowActive(help));
        QStringList reached;  // by Tab, each picture with the words it is heard by
        for (int tab = 0; tab < 12; ++tab) {
            QWidget* at = help->focusWidget();
            QTest::keyClick(at != nullptr ? at : help, Qt::Key_Tab);
            auto* picture = qobject_cast<QLabel*>(help->focusWidget());
            if (picture != nullptr && !reached.contains(picture->accessibleName())) {
                reached << picture->accessibleName();
            }
        }
        QCOMPARE(reached.size(), 4);
        QVERIFY(reached[0].startsWith("A run of 3: "));
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        rig.trigger("m_HowToPlay");
        QVERIFY(help->isVisible());
        auto* buttons = help->findChild<QDialogButtonBox*>();
        QTest::mouseClick(buttons->button(QDialogButtonBox::Close), Qt::LeftButton);
        QVERIFY(!help->isVisible());

        QList<QImage> pictures;
        for (const QLabel* label : help->findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) {
                pictures << label->pixmap().toImage();
            }
        }
        QCOMPARE(pictures.size(), 4);
        QString six;
        for (int column = 1, side = pictures[1].width() / 7; column <= 7; ++column) {
            six += pictures[1].pixelColor((2 * column - 1) * side / 2, side / 2) == Qt::black ? '-'
                                                                                              : '.';
        }
        QCOMPARE(six, QString("------."));
        const QImage& colours = pictures[3];
        const int side = colours.width() / 4;
        const auto inCell = [&](int column, int row, QColor colour) {
            int count = 0;
            for (int y = (row - 1) * side; y < row * side; ++y) {
                for (int x = (column - 1) * side; x < column * side; ++x) {
                    count += colours.pixelColor(x, y) == colour;
                }
            }
            return count > 20 ? "many" : count == 0 ? "none" : "few";
        };
        const QColor blue(0, 0, 255), red(255, 0, 0);
        QCOMPARE(QStringList({inCell(1, 1, blue), inCell(2, 1, red), inCell(2, 1, blue),
                              inCell(1, 2, blue), inCell(1, 2, red), inCell(4, 2, blue)}),
                 QStringList({"many", "many", "none", "many", "none", "none"}));
    }
};

QTEST_MAIN(LevelsTest)
#include "levels_test.moc"
