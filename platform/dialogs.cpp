#include "dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace velmora {

Dialogs::Answer QtDialogs::messageBox(const QString& text, const QString& title, Buttons buttons,
                                      Icon icon, Answer defaultAnswer) {
    QMessageBox box(parent_);
    box.setWindowTitle(title);
    // The program's texts break lines with CR LF; the box wants LF alone.
    box.setText(QString(text).replace("\r\n", "\n"));
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

QString QtDialogs::inputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, defaultText, &accepted);
    return accepted ? text : QString();
}

}  // namespace velmora
