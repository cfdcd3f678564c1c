#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <initializer_list>
#include <memory>
#include <utility>

#include "board_picture.h"
#include "fake_dialogs.h"
#include "main_window.h"
#include "scripted_random.h"
#include "test_doubles.h"

// A main window with its boxes answered, chance fixed and its pauses in the
// test's hands, shown and past its first activation, listening on a port the
// system picked.
struct WindowRig {
    static constexpr double kCellPixels = 444 / 15.0;

    FakeDialogs dialogs;
    ScriptedRandom random;
    TestPause timer;
    RecordingLinks links;
    std::unique_ptr<velmora::MainWindow> window;

    explicit WindowRig(bool show = true) {
        window = std::make_unique<velmora::MainWindow>(
            velmora::WindowServices{dialogs, random, timer, links},
            QStringList{VELMORA_RESOURCES_DIR}, 0);
        if (show) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QTRY_VERIFY(window->game().cellSize() > 0);
        }
    }
    velmora::Game& game() { return window->game(); }
    template <typename T = QWidget>
    T* find(const char* name) const {
        T* found = window->findChild<T*>(name);
        if (found == nullptr) {
            qFatal("no %s", name);
        }
        return found;
    }
    QString text(const char* name) const {
        if (auto* box = window->findChild<QLineEdit*>(name)) {
            return box->text();
        }
        return find<QLabel>(name)->text();
    }
    const QImage& board() const { return find<velmora::BoardPicture>("PicMain")->image(); }
    void trigger(const char* action) { find<QAction>(action)->trigger(); }
    // A left click in the middle of cell (column, row), sent as the window
    // system would; a held drawing is then played to its end.
    void click(int column, int row) {
        const int frame = velmora::BoardPicture::kFramePixels;
        const QPoint inBoard(frame + int((column - 0.5) * kCellPixels),
                             frame + int((row - 0.5) * kCellPixels));
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          find("PicMain")->mapTo(window.get(), inBoard));
        if (timer.held) {
            timer.finish();
        }
    }
    // The opponent takes these cells.
    void fill(std::initializer_list<std::pair<int, int>> cells) {
        for (const auto& [column, row] : cells) {
            window->game().receiveMove(column, row);
            timer.finish();
        }
    }
};
