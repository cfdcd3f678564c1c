// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QQueue>
#include <QTest>
#include <QUrl>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

#include "board_picture.h"
#include "dialogs.h"
#include "link_opener.h"
#include "main_window.h"
#include "scripted_random.h"
#include "session.h"
#include "test_doubles.h"

// Records each box as "title|text|" and its buttons, icon and default as numbers;
// answers from a script, then Yes. `whileAsking` runs once while the next box stands.
class FakeDialogs : public velmora::Dialogs {
public:
    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon,
                      Answer defaultAnswer) override {
        shown << title + "|" + text +
                     QString("|%1%2%3").arg(int(buttons)).arg(int(icon)).arg(int(defaultAnswer));
        meanwhile();
        return answers.isEmpty() ? Answer::Yes : answers.dequeue();
    }
    // Answers from `inputs`, then Cancel.
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override {
        prompts << prompt + "|" + title + "|" + defaultText;
        meanwhile();
        return inputs.isEmpty() ? std::nullopt : std::optional(inputs.dequeue());
    }
    void meanwhile() {
        if (auto once = std::exchange(whileAsking, nullptr)) {
            once();
        }
    }
    std::function<void()> whileAsking;
    QStringList shown;
    QQueue<Answer> answers;
    QStringList prompts;
    QQueue<QString> inputs;
};

class RecordingLinks : public velmora::LinkOpener {
public:
    bool open(const QUrl& url) override {
        opened << url.toString();
        return true;
    }
    QStringList opened;
};

// A main window with boxes answered, chance fixed, pauses in the test's hands,
// shown and past its first activation, listening on a port the system picked.
struct WindowRig {
    static constexpr double kCellPixels = 444 / 15.0;

    FakeDialogs dialogs;
    ScriptedRandom random;
    TestPause timer;
    RecordingLinks links;
    std::unique_ptr<velmora::Session> session;
    velmora::MainWindow* window = nullptr;

    explicit WindowRig(bool show = true) {
        session = std::make_unique<velmora::Session>(
            velmora::SessionServices{dialogs, random, timer, links},
            QStringList{VELMORA_RESOURCES_DIR}, 0);
        window = &session->window();
        if (show) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QTRY_VERIFY(find<velmora::BoardPicture>("PicMain")->cellTwips() > 0);
        }
    }
    velmora::Game& game() { return session->game(); }
    velmora::Connection& connection() { return session->connection(); }
    template <typename T = QWidget>
    T* find(const char* name) const {
        T* found = window->findChild<T*>(name);
        if (found == nullptr) {
            qFatal("no %s", name);
        }
        return found;
    }
    QString text(const char* name) const { return find(name)->property("text").toString(); }
    // The turn message, the faces shown, then the user's marks and total and the opponent's.
    QString shown() const {
        QString seen = text("lblMessage");
        for (const char* name : {"ImgWin", "ImgLost", "ImgLevel", "AniLogo", "txtUserSig",
                                 "txtUserTot", "txtComSig", "txtComTot"}) {
            seen += name[0] == 't'            ? "|" + text(name)
                    : find(name)->isVisible() ? QString(" ") + name
                                              : QString();
        }
        return seen;
    }
    const QImage& board() const { return find<velmora::BoardPicture>("PicMain")->image(); }
    void trigger(const char* action) { find<QAction>(action)->trigger(); }
    // A left click in the middle of a cell; a held drawing then plays to its end.
    void click(int column, int row) {
        const int frame = velmora::BoardPicture::kFramePixels;
        const QPoint inBoard(frame + int((column - 0.5) * kCellPixels),
                             frame + int((row - 0.5) * kCellPixels));
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          find("PicMain")->mapTo(window, inBoard));
        if (timer.held) {
            timer.finish();
        }
    }
    // The opponent takes these cells.
    void fill(std::initializer_list<std::pair<int, int>> cells) {
        for (const auto& [column, row] : cells) {
            game().receiveMove({column, row});
            timer.finish();
        }
    }
};
