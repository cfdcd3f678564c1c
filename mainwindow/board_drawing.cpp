// SPDX-License-Identifier: GPL-3.0-or-later
// What the game shows, as the board draws it: where a cell lies, the colour
// of each mark, how far an arc or a run has grown at each step.
#include "board_picture.h"

#include "rounding.h"

namespace velmora {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// The outline of a mark grows from 3 o'clock in steps of this many radians,
// the opponent's newest slowly.
float arcStep(Game::Mark mark) {
    return mark == Game::Mark::OpponentsNewest ? 0.8f : 4.0f;
}

// A run grows this many twips a step.
int runStepTwips(Game::Pace pace) {
    return pace == Game::Pace::Slow ? 360 : 1800;
}

}  // namespace

double BoardPicture::cellCentre(int n) const {
    return roundHalfEven(n * cellTwips_ - cellTwips_ / 2.0);
}

void BoardPicture::showNewBoard() {
    // A ninth of the side, halves rounded to the even neighbour.
    cellTwips_ = int(roundHalfEven(float(kSideTwips) / 9.0f));
    clear();
    // Eight lines each way and no outer frame: the picture's border frames it.
    for (int i = 1; i < kCells; ++i) {
        const int p = i * cellTwips_;
        line(0, p, kSideTwips, p, Qt::black);
        line(p, 0, p, kSideTwips, Qt::black);
    }
}

void BoardPicture::showMarkGrowing(Cell cell, Game::Mark mark, int step, int steps) {
    Q_UNUSED(steps);
    // Summed as the steps are taken, so each arc ends where its step put it.
    float angle = 0.01f;
    for (int i = 1; i < step; ++i) {
        angle += arcStep(mark);
    }
    arc(cellCentre(cell.column), cellCentre(cell.row), float(cellTwips_) / 5.0f, 0, angle,
        mark == Game::Mark::OpponentsNewest ? kRed : kBlue);
}

void BoardPicture::showMark(Cell cell, Game::Mark mark) {
    circle(cellCentre(cell.column), cellCentre(cell.row), float(cellTwips_) / 5.0f,
           mark == Game::Mark::OpponentsNewest ? kRed : kBlue);
}

void BoardPicture::showRunGrowing(Game::Run run, Game::Pace pace, int step, int steps) {
    Q_UNUSED(steps);
    const double x1 = cellCentre(run.from.column);
    const double y1 = cellCentre(run.from.row);
    const int grown = (step - 1) * runStepTwips(pace);
    if (run.from.column == run.to.column) {
        line(x1, y1, x1, y1 + grown, Qt::white);
    } else {
        line(x1, y1, x1 + grown, y1, Qt::white);
    }
}

void BoardPicture::showRun(Game::Run run) {
    line(cellCentre(run.from.column), cellCentre(run.from.row), cellCentre(run.to.column),
         cellCentre(run.to.row), Qt::black);
}

}  // namespace velmora
