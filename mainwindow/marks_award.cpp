// A scoring run drawn as a growing white line and a final black one, and the
// marks credited in the score rows.
#include <QLineEdit>

#include <cmath>

#include "board_picture.h"
#include "form_velmora.h"
#include "leading_number.h"

namespace velmora {

bool FormVelmora::AwardMarks() {
    game.Animating = true;
    const LineRecord& run = game.LineResult;
    const Position& p1 = game.Board[run.x1][run.y1];
    const Position& p2 = game.Board[run.x2][run.y2];
    // The user's own lines against the computer appear almost at once.
    const int16_t step = (Connected() || game.MoveLock) ? 360 : 1800;

    if (!FastMode()) {
        if (p1.CentreX == p2.CentreX) {
            for (int16_t k = p1.CentreY; k <= p2.CentreY; k = int16_t(k + step)) {
                PicMain->Line(p1.CentreX, p1.CentreY, p2.CentreX, k, kWhite);
                if (!ShortPause()) {
                    return false;
                }
            }
        } else {
            for (int16_t k = p1.CentreX; k <= p2.CentreX; k = int16_t(k + step)) {
                PicMain->Line(p1.CentreX, p1.CentreY, k, p2.CentreY, kWhite);
                if (!ShortPause()) {
                    return false;
                }
            }
        }
    }
    PicMain->Line(p1.CentreX, p1.CentreY, p2.CentreX, p2.CentreY, kBlack);

    QLineEdit* signs = game.MoveLock ? txtComSig : txtUserSig;
    QLineEdit* total = game.MoveLock ? txtComTot : txtUserTot;
    QString list = signs->text();
    if (!list.isEmpty()) {
        list += "+";
    }
    signs->setText(list + QString::number(run.marks));
    const double sum = LeadingNumber(total->text().toStdString()) + run.marks;
    total->setText(QString::number(std::isfinite(sum) ? std::llround(sum) : run.marks));

    game.Animating = false;
    if (game.MoveCount >= kPlayingCells) {
        CheckGameEnd();
    }
    return true;
}

}  // namespace velmora
