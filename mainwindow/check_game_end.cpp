// The end of a full board: the totals compared and the result shown.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "clip_control.h"
#include "form_velmora.h"
#include "game_end.h"

namespace velmora {

void FormVelmora::CheckGameEnd() {
    switch (JudgeGame(txtComTot->text().toStdString(), txtUserTot->text().toStdString())) {
        case GameResult::Level:
            lblMessage->setText("Level");
            ImgLevel->show();
            break;
        case GameResult::Win:
            lblMessage->setText("You WIN !!!");
            ImgWin->show();
            break;
        case GameResult::Lost:
            lblMessage->setText("You Lost");
            ImgLost->show();
            break;
    }
    game.MoveLock = false;
    game.ExtraTurn = true;
    SetPassEnabled(false);
    SetResetEnabled(true);
    AniLogo->Play();
    AniLogo->Stop();
    AniLogo->hide();
}

}  // namespace velmora
