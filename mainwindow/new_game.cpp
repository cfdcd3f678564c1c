// Back to the start of a game: empty board, empty score rows, the user to move.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "clip_control.h"
#include "form_velmora.h"

namespace velmora {

void FormVelmora::NewGame() {
    // Whatever move of the previous game is still drawing stops at its next pause.
    ++gameNumber_;
    computerMoving_ = false;
    cmcPass->hide();
    game.Board = BoardGrid{};
    game.LineResult = LineRecord{};
    LayoutBoard();
    txtUserSig->clear();
    txtUserTot->clear();
    txtComSig->clear();
    txtComTot->clear();
    game.MoveLock = false;
    game.Animating = false;
    game.ExtraTurn = false;
    game.MoveCount = 0;
    game.LastOppX = 0;
    if (!Connected()) {
        cmcPass->setEnabled(true);
        m_Pass->setEnabled(true);
    }
    ImgLevel->hide();
    ImgWin->hide();
    ImgLost->hide();
    lblMessage->setText("Your Turn");
    if (FirstActivate) {
        return;
    }
    AniLogo->show();
    AniLogo->Play();
    AniLogo->Stop();
}

void FormVelmora::cmcReset_Click() {
    if (Connected()) {
        WinSock.SendData("RESET");
    }
    NewGame();
}

void FormVelmora::m_Reset_Click() {
    cmcReset_Click();
}

}  // namespace velmora
