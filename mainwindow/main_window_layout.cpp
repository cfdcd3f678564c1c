// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as created: every control with its place, size, text, tool
// tip and font, the tab order, and the menu tree. Places are in twips.
#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>

#include "board_picture.h"
#include "clip_control.h"
#include "game_narration.h"
#include "main_window.h"
#include "pictures.h"
#include "twips.h"

namespace velmora {

namespace {

constexpr int kClientWidthTwips = 6150;
// Title bar, menu bar and borders of the window as designed: the client area
// is the outer height less this (7000 shows all 6405 designed twips).
constexpr int kDecorationTwips = 595;

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* textBox(QWidget* parent, const char* name, bool readOnly) {
    auto* box = named(new QLineEdit(parent), name);
    box->setReadOnly(readOnly);
    return box;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QString& tip,
              Qt::Alignment alignment) {
    auto* label = named(new QLabel(text, parent), name);
    label->setToolTip(tip);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    auto* button = named(new QPushButton(text, parent), name);
    button->setToolTip(tip);
    return button;
}

QLabel* picture(QWidget* parent, const char* name, Face face) {
    auto* picture = named(new QLabel(parent), name);
    picture->setPixmap(QPixmap::fromImage(faceImage(face, picture->devicePixelRatioF())));
    picture->setAlignment(Qt::AlignCenter);
    picture->setAttribute(Qt::WA_TranslucentBackground);
    placeInTwips(picture, 720, 960, 480, 480);
    picture->hide();
    return picture;
}

QAction* menuEntry(QMenu* menu, const char* name, const QString& caption,
                   const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

QAction* separator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

void MainWindow::createControls() {
    client_ = new QWidget(this);
    client_->setObjectName("client");
    setCentralWidget(client_);
    QWidget* c = client_;

    board_ = named(new BoardPicture(c), "PicMain");
    board_->move(pixels(2040), pixels(120));
    board_->setSizeTwips(BoardPicture::kSideTwips, BoardPicture::kSideTwips);

    userSigns_ = textBox(c, "txtUserSig", true);
    placeInTwips(userSigns_, 1920, 4320, 4095, 285);
    opponentSigns_ = textBox(c, "txtComSig", true);
    placeInTwips(opponentSigns_, 1920, 4680, 4095, 285);
    userLabel_ = label(c, "lblUser", tr("User:"), tr("Your Marks"), Qt::AlignRight);
    // The right-aligned headings may spill to the left, never be cut short.
    placeInTwips(userLabel_, 0, 4320, 855, 255);
    opponentLabel_ =
        label(c, "lblOtherSide", tr("Computer:"), tr("Opponent Marks"), Qt::AlignRight);
    placeInTwips(opponentLabel_, 0, 4680, 855, 255);
    userTotal_ = textBox(c, "txtUserTot", true);
    placeInTwips(userTotal_, 960, 4320, 855, 285);
    opponentTotal_ = textBox(c, "txtComTot", true);
    placeInTwips(opponentTotal_, 960, 4680, 855, 285);

    newGameButton_ = button(c, "cmcReset", tr("&New Game"), tr("Reset the Games"));
    placeInTwips(newGameButton_, 120, 240, 1695, 375);
    connectButton_ = button(c, "cmcConnect", tr("Disconnect"), tr("Toggle the Remote Connection"));
    placeInTwips(connectButton_, 120, 3480, 1695, 375);

    status_ = label(c, "lblStatus", tr("Ready"), tr("Connection Status"), Qt::AlignHCenter);
    status_->setFrameStyle(QFrame::Box | QFrame::Plain);
    status_->setFont(dialogFont(9.75));
    placeInTwips(status_, 120, 3120, 1695, 375);
    message_ = label(c, "lblMessage", tr("Your Turn"), tr("Games Message"), Qt::AlignHCenter);
    message_->setFrameStyle(QFrame::Box | QFrame::Plain);
    message_->setFont(dialogFont(13.5));
    placeInTwips(message_, 120, 1800, 1695, 495);

    passButton_ = button(c, "cmcPass", tr("&Pass"), tr("Let Computer play One step"));
    placeInTwips(passButton_, 120, 2280, 1695, 375);

    logo_ = named(new ClipControl(c), "AniLogo");
    logo_->setToolTip(tr("About me"));
    logo_->setBackground(palette().button().color());
    placeInTwips(logo_, 600, 840, 735, 735);

    chatLine_ = textBox(c, "txtTX", false);
    placeInTwips(chatLine_, 960, 5160, 5055, 285);
    transcript_ = named(new QPlainTextEdit(c), "txtRX");
    transcript_->setReadOnly(true);
    // Nothing typed here is ever undone, and a peer's flood of lines must
    // not pile up in an undo history that clearing then has to unwind.
    transcript_->setUndoRedoEnabled(false);
    transcript_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    placeInTwips(transcript_, 960, 5520, 5055, 765);
    chatLabel_ = label(c, "lblChat", tr("Message:"), tr("Send Message to Remote"), Qt::AlignRight);
    placeInTwips(chatLabel_, 0, 5160, 855, 255);
    lamp_ = named(new ClipControl(c), "AniLight");
    lamp_->setBackground(QColor(192, 192, 192));
    placeInTwips(lamp_, 240, 5640, 615, 615);

    winFace_ = picture(c, "ImgWin", Face::Win);
    lostFace_ = picture(c, "ImgLost", Face::Lost);
    levelFace_ = picture(c, "ImgLevel", Face::Level);

    // A rule three pixels wide, centred on its line at 5060.
    rule_ = named(new QFrame(c), "Line1");
    rule_->setGeometry(0, pixels(5060) - 1, pixels(6120) + 1, 3);
    rule_->setAutoFillBackground(true);
    QPalette colours = rule_->palette();
    colours.setColor(QPalette::Window, QColor(0, 0, 192));
    rule_->setPalette(colours);

    // What a screen reader says of each control. Captioned labels and buttons
    // are named by their captions, which Qt keeps current as they change (the
    // turn message is heard that way); the others get a name here. The tool
    // tips are the descriptions.
    const std::pair<QWidget*, QString> names[] = {
        {board_, tr("Board")},
        {userSigns_, tr("Your Marks")},
        {opponentSigns_, tr("Opponent Marks")},
        {userTotal_, tr("Your total")},
        {opponentTotal_, tr("Opponent's total")},
        {logo_, tr("About me")},
        {chatLine_, tr("Message")},
        {transcript_, tr("Messages received")},
        {lamp_, tr("Message lamp")},
        {winFace_, tr("You WIN !!!")},
        {lostFace_, tr("You Lost")},
        {levelFace_, tr("Level")},
    };
    for (const auto& [widget, name] : names) {
        widget->setAccessibleName(name);
    }
    const std::pair<QWidget*, QString> descriptions[] = {
        {board_, GameNarration::boardHelp()},
        {userSigns_, tr("The marks of each of your awards")},
        {opponentSigns_, tr("The marks of each of the opponent's awards")},
        {userTotal_, tr("Your Marks")},
        {opponentTotal_, tr("Opponent Marks")},
        {userLabel_, tr("Your Marks")},
        {opponentLabel_, tr("Opponent Marks")},
        {newGameButton_, tr("Reset the Games")},
        {connectButton_, tr("Toggle the Remote Connection")},
        {status_, tr("Connection Status")},
        {message_, tr("Games Message")},
        {passButton_, tr("Let Computer play One step")},
        {logo_, tr("Opens the about box")},
        {chatLine_, tr("Send Message to Remote")},
        {transcript_, tr("The messages of this connection")},
        {chatLabel_, tr("Send Message to Remote")},
        {lamp_, tr("Lights when a message arrives")},
        {winFace_, tr("The game is over")},
        {lostFace_, tr("The game is over")},
        {levelFace_, tr("The game is over")},
    };
    for (const auto& [widget, description] : descriptions) {
        widget->setAccessibleDescription(description);
    }

    // Tab order as designed; labels, pictures and the clips take no focus.
    QWidget* order[] = {board_,         userSigns_,     opponentSigns_, userTotal_, opponentTotal_,
                        newGameButton_, connectButton_, passButton_,    chatLine_,  transcript_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    for (QWidget* box : {static_cast<QWidget*>(userSigns_), static_cast<QWidget*>(opponentSigns_),
                         static_cast<QWidget*>(userTotal_), static_cast<QWidget*>(opponentTotal_),
                         static_cast<QWidget*>(chatLine_), static_cast<QWidget*>(transcript_)}) {
        box->installEventFilter(this);
    }
}

void MainWindow::createMenus() {
    QMenu* gameMenu = menuBar()->addMenu(tr("&Game"));
    gameMenu->setObjectName("m_Game");
    passAction_ = menuEntry(gameMenu, "m_Pass", tr("Pass"), QKeySequence("Ctrl+P"));
    separator(gameMenu, "m_Line1");
    newGameAction_ = menuEntry(gameMenu, "m_Reset", tr("New"), QKeySequence("Ctrl+N"));
    fastModeAction_ = menuEntry(gameMenu, "m_FastMode", tr("Fast Mode"));
    fastModeAction_->setCheckable(true);
    QMenu* computerMenu = gameMenu->addMenu(tr("Computer"));
    computerMenu->setObjectName("m_Computer");
    levels_ = new QActionGroup(this);
    const std::pair<const char*, QString> levels[] = {{"m_LevelEasy", tr("Easy")},
                                                      {"m_LevelNormal", tr("Normal")},
                                                      {"m_LevelStrong", tr("Strong")},
                                                      {"m_LevelExpert", tr("Expert")}};
    for (const auto& [name, caption] : levels) {
        QAction* level = menuEntry(computerMenu, name, caption);
        level->setCheckable(true);
        levels_->addAction(level);
    }
    hintAction_ = menuEntry(gameMenu, "m_Hint", tr("Hint"), QKeySequence("Ctrl+H"));
    undoAction_ = menuEntry(gameMenu, "m_Undo", tr("Undo"), QKeySequence("Ctrl+Z"));
    separator(gameMenu, "m_Line2");
    exitAction_ = menuEntry(gameMenu, "m_Exit", tr("Exit"));

    QMenu* remoteMenu = menuBar()->addMenu(tr("&Remote"));
    remoteMenu->setObjectName("m_Remote");
    connectAction_ = menuEntry(remoteMenu, "m_Connect", tr("Connect"), QKeySequence("Ctrl+C"));
    disconnectAction_ =
        menuEntry(remoteMenu, "m_Disconnect", tr("Disconnect"), QKeySequence("Ctrl+D"));
    listenAction_ =
        menuEntry(remoteMenu, "m_Listening", tr("Listening Call"), QKeySequence("Ctrl+L"));
    separator(remoteMenu, "m_Line3");
    portAction_ = menuEntry(remoteMenu, "m_PortNum", tr("Change Port Number"));
    separator(remoteMenu, "m_Line4");
    localAddressAction_ =
        menuEntry(remoteMenu, "m_Local", tr("Local IP Address"), QKeySequence("Ctrl+I"));

    QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->setObjectName("m_Help");
    howToPlayAction_ =
        menuEntry(helpMenu, "m_HowToPlay", tr("How to Play"), QKeySequence(Qt::Key_F1));
    aboutAction_ = menuEntry(helpMenu, "m_About", tr("About"), QKeySequence("Ctrl+A"));
}

void MainWindow::setWindowHeightTwips(int twips) {
    windowHeightTwips_ = twips;
    // Below the idle view's edge the chat boxes are out of sight; hidden, they
    // are out of the tab order too, and the focus never goes where none sees it.
    const bool chatShown = twips >= kConnectedHeightTwips;
    chatLine_->setVisible(chatShown);
    transcript_->setVisible(chatShown);
    client_->setFixedSize(pixels(kClientWidthTwips), pixels(twips - kDecorationTwips));
    setFixedSize(client_->width(), menuBar()->sizeHint().height() + client_->height());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The menu shortcuts work from anywhere in the window, also where a text
    // box would take the key for itself (Ctrl+A, Ctrl+C, ...).
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (QAction* action :
             {passAction_, newGameAction_, connectAction_, disconnectAction_, listenAction_,
              localAddressAction_, aboutAction_, hintAction_, undoAction_}) {
            if (action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    // Enter in the chat line sends it while connected; otherwise the box has it.
    if (watched == chatLine_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && sendChatLine()) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace velmora
