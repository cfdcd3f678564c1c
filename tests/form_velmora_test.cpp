#include "form_velmora.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "clip_control.h"
#include "form_rig.h"
#include "move_evaluation.h"

using velmora::FormVelmora;

namespace {

const QColor kRedPixel(255, 0, 0);
const QColor kBluePixel(0, 0, 255);
const QColor kBlackPixel(0, 0, 0);

int filledCells(const FormVelmora& form) {
    return velmora::filledCells(form.game.Board);
}

int SumOfSigns(const QString& signs) {
    int sum = 0;
    for (const QString& part : signs.split('+', Qt::SkipEmptyParts)) {
        sum += part.toInt();
    }
    return sum;
}

// The totals and the sign rows agree, and every filled cell was counted.
void CheckScoresAndCells(const FormVelmora& form) {
    QCOMPARE(filledCells(form), int(form.game.MoveCount));
    QCOMPARE(form.txtUserTot->text().toInt(), SumOfSigns(form.txtUserSig->text()));
    QCOMPARE(form.txtComTot->text().toInt(), SumOfSigns(form.txtComSig->text()));
}

bool IsResult(const QString& text) {
    return text == "You WIN !!!" || text == "You Lost" || text == "Level";
}

}  // namespace

class FormVelmoraTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void windowIsFixedAndStartsAtTheIdleHeight();
    void tabFollowsTheLayoutAndLabelsTakeNoFocus();
    void newGameEmptiesBoardScoresAndPictures();
    void aScoringMoveIsCreditedAndTheUserMovesAgain();
    void passAtTheStartLetsTheComputerTakeItsStartCell();
    void clicksThatMustBeIgnoredAreIgnored();
    void fastModeAsksBeforeTurningOn();
    void fastModeDrawsWithoutPauses();
    void marksAndLinesPauseAsOftenAsTheyShould();
    void passDuringTheComputersMoveStartsNoSecondMove();
    void newGameDuringTheUsersMarkLeavesNothingBehind();
    void newGameDuringAnAwardLeavesNothingBehind();
    void newGameDuringTheComputersMoveStopsIt();
    void closingDuringAnAnimationEndsAtOnce();
    void aWholeGameAgainstTheComputer();
    void aMissingClipIsReportedAndTheGamePlaysOn();
    void menuShortcutsWorkFromTheTextBoxes();
    void theBoardSurvivesBeingCovered();
    void aMousePressOnTheBoardPlaysThatCell();
};

void FormVelmoraTest::cleanup() {
    QVERIFY2(QApplication::topLevelWidgets().isEmpty() ||
                 std::none_of(QApplication::topLevelWidgets().begin(),
                              QApplication::topLevelWidgets().end(),
                              [](QWidget* w) { return w->isVisible(); }),
             "a window was left open");
}

void FormVelmoraTest::windowIsFixedAndStartsAtTheIdleHeight() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    QCOMPARE(form.windowTitle(), QString("Velmora"));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.PortNumber, 16323);
    QCOMPARE(form.WindowHeightTwips(), 5700);
    // At the idle height the chat area lies below the window's client area.
    QWidget* client = form.centralWidget();
    for (QWidget* chat :
         {static_cast<QWidget*>(form.txtTX), static_cast<QWidget*>(form.txtRX),
          static_cast<QWidget*>(form.lblChat), static_cast<QWidget*>(form.AniLight)}) {
        QVERIFY2(chat->geometry().top() >= client->height(), qPrintable(chat->objectName()));
    }
    form.SetWindowHeightTwips(7000);
    QVERIFY(form.txtRX->geometry().bottom() < client->height());
}

void FormVelmoraTest::tabFollowsTheLayoutAndLabelsTakeNoFocus() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    QStringList order;
    QWidget* widget = form.PicMain;
    do {
        if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(&form)) {
            order << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != form.PicMain);
    QCOMPARE(order, QStringList({"PicMain", "txtUserSig", "txtComSig", "txtUserTot", "txtComTot",
                                 "cmcReset", "cmcConnect", "txtTX", "txtRX"}));
    for (QLabel* label : form.findChildren<QLabel*>()) {
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

void FormVelmoraTest::newGameEmptiesBoardScoresAndPictures() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    QCOMPARE(form.game.CellSize, int16_t(444));
    for (int i = 1; i <= 9; ++i) {
        QCOMPARE(form.game.Board[i][1].centreX, int16_t(222 + 444 * (i - 1)));
        QCOMPARE(form.game.Board[1][i].centreY, int16_t(222 + 444 * (i - 1)));
    }
    // A box not square is made square at its larger side; an odd cell puts
    // the half-way centres on even twips.
    form.PicMain->setSizeTwips(4005, 3000);
    form.LayoutBoard();
    QCOMPARE(form.PicMain->heightTwips(), 4005);
    QCOMPARE(form.game.CellSize, int16_t(445));
    QCOMPARE(form.game.Board[1][1].centreX, int16_t(222));  // 222.5
    QCOMPARE(form.game.Board[2][1].centreX, int16_t(668));  // 667.5
    form.PicMain->setSizeTwips(4000, 4000);
    form.LayoutBoard();
    // The first game leaves the logo as the opening left it.
    QVERIFY(!form.AniLogo->isHidden());
    QVERIFY(!form.AniLogo->isPlaying());

    rig.random.StartAt(1, 1);
    rig.Fill({{1, 1}, {2, 1}});
    rig.Click(3, 1);
    rig.Click(9, 9);  // hands over; the computer plays
    form.m_FastMode->setChecked(true);
    QVERIFY(!form.txtUserSig->text().isEmpty());
    form.cmcReset_Click();
    QCOMPARE(filledCells(form), 0);
    QCOMPARE(int(form.game.MoveCount), 0);
    QCOMPARE(form.game.LastOppX, uint8_t(0));
    QCOMPARE(int(form.game.LineResult.marks), 0);
    QCOMPARE(int(form.game.LineResult.x1), 0);
    for (QLineEdit* box : {form.txtUserSig, form.txtUserTot, form.txtComSig, form.txtComTot}) {
        QVERIFY(box->text().isEmpty());
    }
    QCOMPARE(form.lblMessage->text(), QString("Your Turn"));
    QVERIFY(form.cmcPass->isHidden());
    QVERIFY(form.m_Pass->isEnabled());
    QVERIFY(form.ImgWin->isHidden() && form.ImgLost->isHidden() && form.ImgLevel->isHidden());
    QVERIFY(!form.AniLogo->isHidden());
    QVERIFY(!form.AniLogo->isPlaying());
    QVERIFY(form.m_FastMode->isChecked());
    QVERIFY(!form.game.MoveLock && !form.game.ExtraTurn && !form.game.Animating);
}

void FormVelmoraTest::aScoringMoveIsCreditedAndTheUserMovesAgain() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    rig.Fill({{1, 1}, {2, 1}, {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}});
    rig.Click(3, 1);
    QCOMPARE(form.txtUserSig->text(), QString("3"));
    QCOMPARE(form.txtUserTot->text(), QString("3"));
    QVERIFY(form.game.ExtraTurn);
    QVERIFY(!form.game.MoveLock);
    QVERIFY(!form.m_Pass->isEnabled() && !form.cmcPass->isEnabled());
    QCOMPARE(form.lblMessage->text(), QString("Your Turn"));
    QCOMPARE(int(form.game.MoveCount), 8);  // the computer did not move
    // The black line runs through the run's centres.
    QVERIFY(rig.PixelsIn(2, 1, kBlackPixel) > 20);

    rig.Click(6, 3);  // joins a run of five: six
    QCOMPARE(form.txtUserSig->text(), QString("3+6"));
    QCOMPARE(form.txtUserTot->text(), QString("9"));
    QCOMPARE(int(form.game.MoveCount), 9);
    CheckScoresAndCells(form);

    // Pass with a move still owed only says so.
    form.m_Pass_Click();
    QCOMPARE(rig.dialogs.shown.size(), 1);
    const FakeDialogs::Shown& box = rig.dialogs.shown.first();
    QCOMPARE(box.text, QString("Hey!!! .... You Got Marks Already !!!"));
    QVERIFY(box.title.isEmpty());
    QCOMPARE(box.icon, velmora::Dialogs::Icon::None);
    QCOMPARE(int(form.game.MoveCount), 9);
    QVERIFY(!form.game.MoveLock);
}

void FormVelmoraTest::passAtTheStartLetsTheComputerTakeItsStartCell() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    rig.random.StartAt(4, 6);
    form.m_Pass_Click();
    QCOMPARE(form.game.Board[4][6].cellState, int16_t(1));
    QCOMPARE(int(form.game.MoveCount), 1);
    QCOMPARE(int(form.game.LastOppX), 4);
    QCOMPARE(int(form.game.LastOppY), 6);
    QCOMPARE(form.lblOtherSide->text(), QString("Computer:"));
    QCOMPARE(form.lblMessage->text(), QString("Your Turn"));
    QVERIFY(!form.game.MoveLock);
    QVERIFY(form.cmcReset->isEnabled() && form.m_Reset->isEnabled());
    QVERIFY(!form.AniLogo->isPlaying());
    QVERIFY(rig.PixelsIn(4, 6, kRedPixel) > 10);

    // The next computer move takes the red over; the old mark turns blue.
    rig.random.StartAt(8, 2);
    rig.Click(1, 9);
    QCOMPARE(form.game.Board[8][2].cellState, int16_t(1));
    QCOMPARE(rig.PixelsIn(4, 6, kRedPixel), 0);
    QVERIFY(rig.PixelsIn(4, 6, kBluePixel) > 10);
    QVERIFY(rig.PixelsIn(8, 2, kRedPixel) > 10);
    CheckScoresAndCells(form);
}

void FormVelmoraTest::clicksThatMustBeIgnoredAreIgnored() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    rig.Fill({{5, 5}});
    auto unchanged = [&] {
        QCOMPARE(int(form.game.MoveCount), 1);
        QCOMPARE(filledCells(form), 1);
    };
    rig.Click(1, 1, 2);  // right button
    unchanged();
    rig.Click(5, 5);  // a filled cell
    unchanged();
    form.PicMain_MouseDown(1, 9 * 444 + 3, 100);  // the strip right of column 9
    form.PicMain_MouseDown(1, 100, 9 * 444 + 3);  // and below row 9
    form.PicMain_MouseDown(1, -10, 100);          // on the frame
    unchanged();
    form.game.MoveLock = true;  // "Wait ......"
    rig.Click(1, 1);
    unchanged();
    form.game.MoveLock = false;
    form.game.Animating = true;  // a scoring line is drawing
    rig.Click(1, 1);
    unchanged();
    QVERIFY(rig.dialogs.shown.isEmpty());
}

void FormVelmoraTest::fastModeAsksBeforeTurningOn() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    rig.dialogs.answers << velmora::Dialogs::Answer::No << velmora::Dialogs::Answer::Yes;
    form.m_FastMode->trigger();
    QCOMPARE(rig.dialogs.shown.size(), 1);
    const FakeDialogs::Shown& box = rig.dialogs.shown.first();
    QCOMPARE(box.text,
             QString("When selected Fast-Mode, you would hard to watch how Opponent getting marks"
                     "\r\n\r\n                            Are you sure change to Fast-Mode ?"));
    QCOMPARE(box.title, QString("Fast Mode"));
    QCOMPARE(box.buttons, velmora::Dialogs::Buttons::YesNo);
    QCOMPARE(box.icon, velmora::Dialogs::Icon::Question);
    QCOMPARE(box.defaultAnswer, velmora::Dialogs::Answer::Yes);
    QVERIFY(!form.m_FastMode->isChecked());

    form.m_FastMode->trigger();
    QVERIFY(form.m_FastMode->isChecked());
    form.m_FastMode->trigger();  // off again, without a question
    QVERIFY(!form.m_FastMode->isChecked());
    QCOMPARE(rig.dialogs.shown.size(), 2);
}

void FormVelmoraTest::fastModeDrawsWithoutPauses() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    form.m_FastMode->setChecked(true);
    rig.random.StartAt(2, 2);
    rig.Fill({{1, 5}, {2, 5}, {1, 8}, {2, 8}, {5, 9}, {6, 9}});
    rig.Click(3, 5);  // scores
    rig.Click(3, 8);  // scores
    rig.Click(9, 1);  // hands over to the computer, which scores too
    QCOMPARE(form.PauseCount(), 0);
    QCOMPARE(form.txtUserSig->text(), QString("3+3"));
    QVERIFY(!form.txtComSig->text().isEmpty());
    QVERIFY(rig.PixelsIn(2, 5, kBlackPixel) > 20);
    CheckScoresAndCells(form);
}

void FormVelmoraTest::marksAndLinesPauseAsOftenAsTheyShould() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    auto pausesOf = [&](const std::function<void()>& draw) {
        const int before = form.PauseCount();
        draw();
        return form.PauseCount() - before;
    };
    QCOMPARE(pausesOf([&] { form.DrawMark(1, 1, FormVelmora::kBlue); }), 2);
    QCOMPARE(pausesOf([&] { form.DrawMark(2, 1, FormVelmora::kRed); }), 8);
    QCOMPARE(pausesOf([&] { form.DrawMark(3, 1, 254); }), 2);

    struct Award {
        int length;
        bool opponent;
        int pauses;
    };
    for (const Award& award : {Award{3, false, 1}, Award{6, false, 2}, Award{9, false, 2},
                               Award{3, true, 3}, Award{6, true, 7}, Award{9, true, 10}}) {
        form.game.LineResult = {1, uint8_t(award.length), 4, 4, uint8_t(award.length)};
        form.game.MoveLock = award.opponent;
        QCOMPARE(pausesOf([&] { form.AwardMarks(); }), award.pauses);
        // Vertical runs grow the same way.
        form.game.LineResult = {4, 4, 1, uint8_t(award.length), uint8_t(award.length)};
        QCOMPARE(pausesOf([&] { form.AwardMarks(); }), award.pauses);
    }
    QCOMPARE(form.txtUserSig->text(), QString("3+3+6+6+9+9"));
    QCOMPARE(form.txtComTot->text(), QString("36"));
}

void FormVelmoraTest::passDuringTheComputersMoveStartsNoSecondMove() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    rig.random.StartAt(6, 6);
    bool passed = false;
    rig.duringPause = [&] {
        if (form.game.MoveCount == 2 && !passed) {  // the computer's mark is drawing
            passed = true;
            QVERIFY(form.m_Pass->isEnabled());
            form.m_Pass_Click();
        }
    };
    rig.Click(1, 1);
    QVERIFY(passed);
    QCOMPARE(int(form.game.MoveCount), 2);
    QCOMPARE(form.lblMessage->text(), QString("Your Turn"));
    QVERIFY(!form.game.MoveLock);
    CheckScoresAndCells(form);
}

void FormVelmoraTest::newGameDuringTheUsersMarkLeavesNothingBehind() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    rig.duringPause = [&] {
        rig.duringPause = nullptr;
        QVERIFY(form.cmcReset->isEnabled());
        form.cmcReset->click();
    };
    rig.Click(5, 5);
    QCOMPARE(filledCells(form), 0);
    QCOMPARE(int(form.game.MoveCount), 0);
    QCOMPARE(rig.PixelsIn(5, 5, kBluePixel), 0);
    QVERIFY(!form.game.MoveLock);
    QCOMPARE(form.lblMessage->text(), QString("Your Turn"));
    QVERIFY(form.txtComSig->text().isEmpty());
}

void FormVelmoraTest::newGameDuringAnAwardLeavesNothingBehind() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    rig.Fill({{1, 1}, {2, 1}});
    rig.duringPause = [&] {
        if (form.game.Animating) {
            rig.duringPause = nullptr;
            form.m_Reset->trigger();
        }
    };
    rig.Click(3, 1);
    QCOMPARE(filledCells(form), 0);
    QVERIFY(form.txtUserSig->text().isEmpty());
    QVERIFY(form.txtUserTot->text().isEmpty());
    QVERIFY(!form.game.Animating && !form.game.ExtraTurn && !form.game.MoveLock);
    QCOMPARE(rig.PixelsIn(2, 1, kBlackPixel), 0);
    QCOMPARE(rig.PixelsIn(3, 1, kBluePixel), 0);
    // The new game goes on normally.
    rig.Fill({{1, 1}, {2, 1}});
    rig.Click(3, 1);
    QCOMPARE(form.txtUserTot->text(), QString("3"));
}

void FormVelmoraTest::newGameDuringTheComputersMoveStopsIt() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    rig.random.StartAt(1, 2);
    // (1, 1) and (1, 3) around the computer's start: it scores and would go on.
    rig.Fill({{1, 1}, {1, 3}});
    bool checked = false;
    rig.duringPause = [&] {
        if (form.game.MoveCount == 4 && !checked) {
            checked = true;
            QVERIFY(!form.cmcReset->isEnabled() && !form.m_Reset->isEnabled());
            form.NewGame();  // as the peer's reset would
        }
    };
    rig.Click(9, 9);
    QVERIFY(checked);
    QCOMPARE(filledCells(form), 0);
    QCOMPARE(int(form.game.MoveCount), 0);
    QVERIFY(form.txtComSig->text().isEmpty());
    QVERIFY(!form.game.MoveLock);
}

void FormVelmoraTest::closingDuringAnAnimationEndsAtOnce() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    rig.random.StartAt(3, 3);
    int pausesAtClose = -1;
    rig.duringPause = [&] {
        if (form.game.MoveCount == 2 && pausesAtClose < 0) {
            pausesAtClose = rig.pauseRounds;
            form.m_Exit->trigger();
        }
    };
    rig.Click(1, 1);
    QVERIFY(form.Unloaded());
    QCOMPARE(rig.pauseRounds, pausesAtClose);  // no event was handled after
    QCOMPARE(int(form.game.MoveCount), 2);
    QCOMPARE(filledCells(form), 1);  // the computer's cell was never filled
    QCOMPARE(form.WinSock.state(), 0);
    rig.Click(7, 7);
    form.m_Pass_Click();
    QCOMPARE(filledCells(form), 1);
}

void FormVelmoraTest::aWholeGameAgainstTheComputer() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    rig.random.values = {0.13, 0.77, 0.42, 0.91, 0.05, 0.66, 0.29, 0.58, 0.84};
    int userMoves = 0;
    while (!IsResult(form.lblMessage->text()) && userMoves < 100) {
        // The user takes the first empty cell, column by column.
        int column = 0;
        int row = 0;
        for (int c = 1; c <= 9 && column == 0; ++c) {
            for (int r = 1; r <= 9 && column == 0; ++r) {
                if (form.game.Board[c][r].cellState == 0) {
                    column = c;
                    row = r;
                }
            }
        }
        QVERIFY(column != 0);
        const int before = form.game.MoveCount;
        const bool scores = [&] {
            velmora::LineRecord record;
            velmora::evaluateMove(form.game.Board, column, row, record);
            return record.marks != 0;
        }();
        rig.Click(column, row);
        ++userMoves;
        CheckScoresAndCells(form);
        if (scores && form.game.MoveCount < 81) {
            QCOMPARE(int(form.game.MoveCount), before + 1);  // the user moves again
            QVERIFY(form.game.ExtraTurn);
        }
        QVERIFY(!form.game.MoveLock);
    }
    QCOMPARE(int(form.game.MoveCount), 81);
    QCOMPARE(filledCells(form), 81);
    const int user = form.txtUserTot->text().toInt();
    const int computer = form.txtComTot->text().toInt();
    QCOMPARE(user + computer > 0, true);
    const QString result = user > computer ? "You WIN !!!" : user < computer ? "You Lost" : "Level";
    QCOMPARE(form.lblMessage->text(), result);
    QCOMPARE(!form.ImgWin->isHidden(), user > computer);
    QCOMPARE(!form.ImgLost->isHidden(), user < computer);
    QCOMPARE(!form.ImgLevel->isHidden(), user == computer);
    QVERIFY(form.AniLogo->isHidden());
    QVERIFY(!form.m_Pass->isEnabled());
    QVERIFY(form.m_Reset->isEnabled());
    QVERIFY(form.game.ExtraTurn && !form.game.MoveLock);
    form.m_Pass_Click();
    QCOMPARE(rig.dialogs.shown.last().text, QString("Hey!!! .... You Got Marks Already !!!"));
}

void FormVelmoraTest::aMissingClipIsReportedAndTheGamePlaysOn() {
    QTemporaryDir empty;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*A_Logo\\.avi.*"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*Yellow\\.avi.*"));
    FormRig rig(empty.path());
    QCOMPARE(rig.form->AniLogo->frameCount(), 0);
    rig.random.StartAt(5, 5);
    rig.Click(1, 1);
    QCOMPARE(int(rig.form->game.MoveCount), 2);
    QCOMPARE(rig.form->lblMessage->text(), QString("Your Turn"));
}

void FormVelmoraTest::menuShortcutsWorkFromTheTextBoxes() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    rig.random.StartAt(2, 7);
    form.txtUserSig->setFocus();
    QTest::keyClick(form.txtUserSig, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(form.game.Board[2][7].cellState, int16_t(1));
    QTest::keyClick(form.txtUserTot, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(filledCells(form), 0);
    // Read-only boxes refuse typing.
    QTest::keyClicks(form.txtUserTot, "99");
    QVERIFY(form.txtUserTot->text().isEmpty());
    form.hide();
}

void FormVelmoraTest::theBoardSurvivesBeingCovered() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    rig.random.StartAt(6, 3);
    rig.Click(2, 2);
    form.showMinimized();
    form.showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage shown = form.PicMain->grab().toImage();
    const QImage drawn = form.PicMain->image();
    const int f = velmora::BoardPicture::kFramePixels;
    int same = 0;
    for (int y = 10; y < 200; y += 3) {
        for (int x = 10; x < 200; x += 3) {
            same += shown.pixel(x + f, y + f) == drawn.pixel(x, y);
        }
    }
    QVERIFY2(same > 0.99 * 64 * 64, qPrintable(QString::number(same)));
    QVERIFY(rig.PixelsIn(6, 3, kRedPixel) > 10);
    form.hide();
}

void FormVelmoraTest::aMousePressOnTheBoardPlaysThatCell() {
    FormRig rig;
    FormVelmora& form = *rig.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    rig.random.StartAt(9, 9);
    // The middle of cell (3, 4): 2.5 and 3.5 cells of 444 twips in, inside the frame.
    const int frame = velmora::BoardPicture::kFramePixels;
    const QPoint inBoard(frame + int(2.5 * 444 / 15), frame + int(3.5 * 444 / 15));
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, form.PicMain->mapTo(&form, inBoard));
    QTRY_COMPARE(form.game.Board[3][4].cellState, int16_t(1));
    QCOMPARE(form.game.Board[9][9].cellState, int16_t(1));
    form.hide();
}

QTEST_MAIN(FormVelmoraTest)
#include "form_velmora_test.moc"
