// SPDX-License-Identifier: GPL-3.0-or-later
// The window's life from its first activation to the end of the program.
#include <QCloseEvent>
#include <QTimer>

#include "clip_control.h"
#include "main_window.h"

namespace velmora {

void MainWindow::firstActivation() {
    if (!firstActivate_) {
        return;
    }
    logo_->openFromFolders(clipFolders_, "A_Logo.avi");
    lamp_->openFromFolders(clipFolders_, "Yellow.avi");
    firstActivate_ = false;
    emit firstActivated();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Some window systems never activate a window without a window manager;
    // being shown counts as the first activation there.
    QTimer::singleShot(0, this, &MainWindow::firstActivation);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        firstActivation();
    }
}

void MainWindow::unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    emit unloaded();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

}  // namespace velmora
