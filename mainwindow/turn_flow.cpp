// Who moves when: the user's click, the Pass command, the opponent's move and
// the computer player.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <cmath>

#include "clip_control.h"
#include "computer_player.h"
#include "dialogs.h"
#include "form_velmora.h"
#include "move_evaluation.h"

namespace velmora {

void FormVelmora::SetPassEnabled(bool enabled) {
    cmcPass->setEnabled(enabled);
    m_Pass->setEnabled(enabled);
}

void FormVelmora::SetResetEnabled(bool enabled) {
    cmcReset->setEnabled(enabled);
    m_Reset->setEnabled(enabled);
}

void FormVelmora::PicMain_MouseDown(int button, double x, double y) {
    if (WinSock.State() == 6 || game.Animating || button != 1 || game.MoveLock) {
        return;
    }
    const int column = int(std::floor(x / game.CellSize)) + 1;
    const int row = int(std::floor(y / game.CellSize)) + 1;
    if (column < 1 || column > kBoardCells || row < 1 || row > kBoardCells) {
        return;
    }
    if (game.Board[column][row].CellState != 0) {
        return;
    }
    game.MoveLock = true;
    ++game.MoveCount;
    if (!DrawMark(column, row, kBlue)) {
        return;
    }
    if (Connected()) {
        WinSock.SendData(QString::number(column) + QString::number(row));
    }
    EvaluateMove(game.Board, column, row, game.LineResult);
    if (game.LineResult.marks != 0) {
        game.MoveLock = false;
        game.ExtraTurn = true;
        SetPassEnabled(false);
        if (!AwardMarks()) {
            return;
        }
        if (Connected()) {
            AniLogo->Play();
            game.MoveLock = true;
            lblMessage->setText("Wait ......");
        }
    } else {
        game.ExtraTurn = false;
        if (!Connected()) {
            SetPassEnabled(true);
        }
        cmcPass_Click();
    }
}

void FormVelmora::m_Pass_Click() {
    cmcPass_Click();
}

void FormVelmora::cmcPass_Click() {
    // Pass stays enabled during the computer's turn, and the animations let
    // it through: a second computer move must not start inside the first.
    if (computerMoving_) {
        return;
    }
    if (game.ExtraTurn) {
        services_.dialogs.MessageBox("Hey!!! .... You Got Marks Already !!!", QString(),
                                     Dialogs::Buttons::Ok, Dialogs::Icon::None,
                                     Dialogs::Answer::Ok);
        return;
    }
    SetResetEnabled(false);
    AniLogo->Play();
    game.MoveLock = true;
    lblMessage->setText("Wait ......");
    if (!Connected()) {
        ComputerMove();
    }
}

void FormVelmora::ComputerMove() {
    computerMoving_ = true;
    // The computer moves again for as long as its moves score.
    do {
        SearchComputerCell(game, services_.random);
        if (game.OppX == 0) {
            break;  // a full board: nothing to play
        }
        lblOtherSide->setText("Computer:");
        if (!OpponentMove()) {
            break;
        }
    } while (!Connected() && game.MoveLock);
    computerMoving_ = false;
}

bool FormVelmora::OpponentMove() {
    if (game.LastOppX != 0 && !DrawMark(game.LastOppX, game.LastOppY, kBlue)) {
        return false;
    }
    game.LastOppX = game.OppX;
    game.LastOppY = game.OppY;
    ++game.MoveCount;
    if (!DrawMark(game.OppX, game.OppY, kRed)) {
        return false;
    }
    EvaluateMove(game.Board, game.OppX, game.OppY, game.LineResult);
    if (game.LineResult.marks != 0) {
        if (!AwardMarks()) {
            return false;
        }
        if (Connected() && game.MoveLock) {
            WinSock.SendData("FINISH");
        }
    } else {
        AniLogo->Play();
        AniLogo->Stop();
        SetResetEnabled(true);
        game.MoveLock = false;
        lblMessage->setText("Your Turn");
    }
    return true;
}

}  // namespace velmora
