#pragma once

#include <QApplication>

#include <functional>
#include <memory>
#include <vector>

#include "board_picture.h"
#include "fake_dialogs.h"
#include "form_velmora.h"
#include "link_opener.h"

// A main window with its boxes answered, its clock and chance fixed, and its
// pauses handing events on at once (the clock moves on by what was asked).
class TestClock : public velmora::DayClock {
public:
    double secondsSinceMidnight() const override { return now; }
    double now = 1000.0;
};

class ScriptedRandom : public velmora::RandomSource {
public:
    void seedFromTimeOfDay() override { ++seeds; }
    double nextUniform() override { return values.at(next++ % values.size()); }
    // Every search starts its scans at (column, row).
    void StartAt(int column, int row) {
        values = {(column - 0.5) / 9, (row - 0.5) / 9};
        next = 0;
    }
    std::vector<double> values{0.5};
    std::size_t next = 0;
    int seeds = 0;
};

// Records the links it is asked to open; `works` says whether it manages.
class RecordingLinks : public velmora::LinkOpener {
public:
    bool Open(const QUrl& url) override {
        opened.append(url);
        return works;
    }
    QList<QUrl> opened;
    bool works = true;
};

struct FormRig {
    explicit FormRig(const QString& folder = VELMORA_RESOURCES_DIR) {
        velmora::WindowServices services{dialogs, clock, random, links, [this](int ms) {
                                             clock.now += ms / 1000.0;
                                             QCoreApplication::processEvents();
                                             ++pauseRounds;
                                             if (duringPause) {
                                                 auto hook = duringPause;
                                                 hook();
                                             }
                                         }};
        form = std::make_unique<velmora::FormVelmora>(services, folder);
        form->Form_Load();
        form->Form_Activate();
    }

    // A press of `button` in the middle of cell (column, row).
    void Click(int column, int row, int button = 1) {
        const double cell = form->game.CellSize;
        form->PicMain_MouseDown(button, (column - 0.5) * cell, (row - 0.5) * cell);
    }

    // Cells filled as if played earlier in this game.
    void Fill(std::initializer_list<std::pair<int, int>> cells) {
        for (const auto& [column, row] : cells) {
            form->game.Board[column][row].cellState = 1;
            ++form->game.MoveCount;
        }
    }

    // pixels of `colour` inside cell (column, row) of the board picture.
    int PixelsIn(int column, int row, QColor colour) const {
        const QImage& image = form->PicMain->image();
        const double side = form->game.CellSize / 15.0;
        int count = 0;
        for (int y = int((row - 1) * side) + 1; y < int(row * side) - 1; ++y) {
            for (int x = int((column - 1) * side) + 1; x < int(column * side) - 1; ++x) {
                if (image.valid(x, y) && QColor(image.pixel(x, y)) == colour) {
                    ++count;
                }
            }
        }
        return count;
    }

    FakeDialogs dialogs;
    RecordingLinks links;
    TestClock clock;
    ScriptedRandom random;
    std::function<void()> duringPause;
    int pauseRounds = 0;
    std::unique_ptr<velmora::FormVelmora> form;
};
