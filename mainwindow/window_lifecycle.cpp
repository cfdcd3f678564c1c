// The window's life from load to the end of the program, and the menu
// commands that belong to no other part: Fast Mode, Exit and About.
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

#include "about_box.h"
#include "clip_control.h"
#include "dialogs.h"
#include "form_velmora.h"

namespace velmora {

namespace {

constexpr int kIdleHeightTwips = 5700;

}  // namespace

void FormVelmora::Form_Load() {
    PortNumber = 16323;
    SetWindowHeightTwips(kIdleHeightTwips);
    FirstActivate = true;
}

void FormVelmora::Form_Activate() {
    if (!FirstActivate) {
        return;
    }
    AniLogo->OpenFromFolder(programFolder_, "A_Logo.avi");
    AniLight->OpenFromFolder(programFolder_, "Yellow.avi");
    NewGame();
    cmcConnect->setText("Disconnect");
    FirstActivate = false;
}

void FormVelmora::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Some window systems never activate a window without a window manager;
    // being shown counts as the first activation there.
    QTimer::singleShot(0, this, &FormVelmora::Form_Activate);
}

void FormVelmora::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Form_Activate();
    }
}

void FormVelmora::Form_Unload() {
    if (unloaded_) {
        return;
    }
    // A peer in the middle of a game is told before the connection goes.
    if (Connected()) {
        WinSock.SendData("CLOSE");
    }
    WinSock.Close();
    // The end, at once: a move that is drawing stops at its next pause, and
    // every event loop, nested ones included, is told to return.
    unloaded_ = true;
    ++gameNumber_;
    QCoreApplication::exit(0);
}

void FormVelmora::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void FormVelmora::m_Exit_Click() {
    close();
}

bool FormVelmora::FastMode() const {
    return m_FastMode->isChecked();
}

void FormVelmora::m_About_Click() {
    // A fresh box each time; the main window takes no input while it is open.
    AboutBox about(services_.links, this);
    about.exec();
}

void FormVelmora::m_FastMode_Click() {
    bool yes = true;
    if (!FastMode()) {
        const QString question =
            "When selected Fast-Mode, you would hard to watch how Opponent getting marks"
            "\r\n\r\n" +
            QString(28, ' ') + "Are you sure change to Fast-Mode ?";
        yes = services_.dialogs.MessageBox(question, "Fast Mode", Dialogs::Buttons::YesNo,
                                           Dialogs::Icon::Question,
                                           Dialogs::Answer::Yes) == Dialogs::Answer::Yes;
    }
    if (yes) {
        m_FastMode->setChecked(!m_FastMode->isChecked());
    }
}

}  // namespace velmora
