#pragma once

#include <QQueue>
#include <QStringList>

#include "dialogs.h"

// Records every box the program asks for and answers from a script
// (Yes and the empty text when the script has run out).
class FakeDialogs : public velmora::Dialogs {
public:
    struct Shown {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
        Answer defaultAnswer;
    };

    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon,
                      Answer defaultAnswer) override {
        shown.append({text, title, buttons, icon, defaultAnswer});
        if (onMessage) {
            onMessage();
        }
        return answers.isEmpty() ? Answer::Yes : answers.dequeue();
    }

    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override {
        prompts.append(prompt + "|" + title + "|" + defaultText);
        return inputs.isEmpty() ? QString() : inputs.dequeue();
    }

    QList<Shown> shown;
    QQueue<Answer> answers;
    QStringList prompts;
    QQueue<QString> inputs;
    // Runs while a message box "is open", as a modal box lets events run.
    std::function<void()> onMessage;
};
