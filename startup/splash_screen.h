// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;

namespace velmora {

class ClipControl;

// `frmStart`, the program's first window: an oval with the product name, its
// caption, the version and a looping logo over a gradient. Eight seconds
// after loading, or at once on a click anywhere on it, it shows the main
// window and unloads itself; a second hand-over (the timer firing while a
// click lets events run) has no visible effect.
class SplashScreen : public QWidget {
    Q_OBJECT

public:
    // `mainWindow` makes sure the main window exists (creating it the first
    // time) and returns it. The logo clip is read from the first of
    // `clipFolders` that has it.
    SplashScreen(std::function<QWidget*()> mainWindow, QStringList clipFolders,
                 QWidget* parent = nullptr);

    // Shows the main window and closes the splash; a second time changes nothing.
    void handOver();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void activate();
    // A click on the background or on any of the six controls.
    void click();

    std::function<QWidget*()> mainWindow_;
    QStringList clipFolders_;
    QLabel* version_ = nullptr;
    ClipControl* logo_ = nullptr;
    QTimer* timer_ = nullptr;
    bool activated_ = false;
    bool unloaded_ = false;
};

}  // namespace velmora
