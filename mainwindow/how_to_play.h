// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace velmora {

// The rules in plain words, with pictures the board's own drawing makes
// (runs, the extra move, the colours of the marks), the computer's
// strengths, Hint and Undo, the board's keys and remote play. Not modal: it
// may stay open beside the game. Escape closes it.
class HowToPlay : public QDialog {
    Q_OBJECT

public:
    explicit HowToPlay(QWidget* parent = nullptr);
};

}  // namespace velmora
