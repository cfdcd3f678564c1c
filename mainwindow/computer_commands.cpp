// SPDX-License-Identifier: GPL-3.0-or-later
// The commands beside the described game: the computer's strength, Hint,
// Undo and How to Play.
#include <QAction>
#include <QActionGroup>

#include "announcer.h"
#include "board_picture.h"
#include "game_narration.h"
#include "how_to_play.h"
#include "main_window.h"

namespace velmora {

void MainWindow::connectComputerCommands() {
    const QList<QAction*> levels = levels_->actions();
    for (int i = 0; i < levels.size(); ++i) {
        const auto strength = Strength(i);
        levels[i]->setChecked(strength == game_.strength());
        connect(levels[i], &QAction::triggered, this,
                [this, strength] { game_.setStrength(strength); });
    }
    connect(hintAction_, &QAction::triggered, &game_, &Game::requestHint);
    connect(&game_, &Game::hintFound, this, &MainWindow::showHint);
    connect(undoAction_, &QAction::triggered, this, [this] {
        board_->hideHint();
        game_.undo();
        narration_->tellUndone();
    });
    connect(&game_, &Game::commandsChanged, this, &MainWindow::showCommands);
    connect(howToPlayAction_, &QAction::triggered, this, &MainWindow::howToPlayCommand);
    showCommands();
}

void MainWindow::showCommands() {
    hintAction_->setEnabled(game_.hintAvailable());
    undoAction_->setEnabled(game_.undoAvailable());
}

void MainWindow::showHint(Cell cell) {
    // Where Space would play it, for the keyboard as for the eye.
    board_->setFocus(Qt::OtherFocusReason);
    board_->setFocusCell(cell.column, cell.row);
    board_->showHint(cell);
    announcer_->say(tr("Hint: column %1, row %2").arg(cell.column).arg(cell.row));
}

void MainWindow::howToPlayCommand() {
    if (howToPlay_ == nullptr) {
        howToPlay_ = new HowToPlay(this);
    }
    howToPlay_->show();
    howToPlay_->raise();
    howToPlay_->activateWindow();
}

}  // namespace velmora
