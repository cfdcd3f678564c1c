#pragma once

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <utility>

#include "dialogs.h"
#include "link_opener.h"

// Records every box the program asks for and answers from a script
// (Yes, and the empty text, when the script has run out).
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
        return answers.isEmpty() ? Answer::Yes : answers.dequeue();
    }
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override {
        prompts.append(prompt + "|" + title + "|" + defaultText);
        // What happens while the user takes their time over the box, once.
        if (auto meanwhile = std::exchange(whileAsking, nullptr)) {
            meanwhile();
        }
        return inputs.isEmpty() ? QString() : inputs.dequeue();
    }
    std::function<void()> whileAsking;

    QList<Shown> shown;
    QQueue<Answer> answers;
    QStringList prompts;
    QQueue<QString> inputs;
};

// Records the links it is asked to open.
class RecordingLinks : public velmora::LinkOpener {
public:
    bool open(const QUrl& url) override {
        opened.append(url);
        return true;
    }
    QList<QUrl> opened;
};
