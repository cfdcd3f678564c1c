// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

#include <algorithm>

namespace velmora {

Dialogs::Answer QtDialogs::messageBox(const QString& text, const QString& title, Buttons buttons,
                                      Icon icon, Answer defaultAnswer) {
    QMessageBox box(parent_);
    box.setWindowTitle(title);
    // The program's texts break lines with CR LF; the box wants LF alone.
    const QString shown = QString(text).replace("\r\n", "\n");
    box.setText(shown);
    // The texts are laid out line by line, but the box wraps any text wider
    // than half the screen or 500 pixels: a label as wide as its widest line
    // keeps every line whole.
    if (auto* label = box.findChild<QLabel*>("qt_msgbox_label")) {
        int widest = 0;
        for (const QString& line : shown.split('\n')) {
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        }
        label->setMinimumWidth(widest);
    }
    switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    if (buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> QtDialogs::inputBox(const QString& prompt, const QString& title,
                                           const QString& defaultText) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, defaultText, &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return text;
}

}  // namespace velmora
