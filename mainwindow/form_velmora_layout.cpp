// The main window as created: every control with its place, size, text, tool
// tip and font, the tab order, and the menu tree. Places are in twips.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>

#include "board_picture.h"
#include "clip_control.h"
#include "dialogs.h"
#include "form_velmora.h"
#include "pictures.h"
#include "twips.h"

namespace velmora {

namespace {

constexpr int kClientWidthTwips = 6150;
// Title bar, menu bar and borders of the window as designed: the client area
// is the outer height less this (7000 shows all 6405 designed twips).
constexpr int kDecorationTwips = 595;

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* TextBox(QWidget* parent, const char* name, bool readOnly) {
    auto* box = Named(new QLineEdit(parent), name);
    box->setReadOnly(readOnly);
    return box;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text, const QString& tip,
              Qt::Alignment alignment) {
    auto* label = Named(new QLabel(text, parent), name);
    label->setToolTip(tip);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    auto* button = Named(new QPushButton(text, parent), name);
    button->setToolTip(tip);
    return button;
}

QLabel* Picture(QWidget* parent, const char* name, Face face) {
    auto* picture = Named(new QLabel(parent), name);
    picture->setPixmap(QPixmap::fromImage(FaceImage(face)));
    picture->setAlignment(Qt::AlignCenter);
    picture->setAttribute(Qt::WA_TranslucentBackground);
    PlaceInTwips(picture, 720, 960, 480, 480);
    picture->hide();
    return picture;
}

QAction* MenuEntry(QMenu* menu, const char* name, const QString& caption,
                   const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

QAction* Separator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

FormVelmora::FormVelmora(WindowServices services, QString programFolder, QWidget* parent)
    : QMainWindow(parent),
      WinSock(services.dialogs),
      services_(std::move(services)),
      programFolder_(std::move(programFolder)) {
    setObjectName("formVelmora");
    setWindowTitle("Velmora");
    setWindowIcon(MainWindowIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(DialogFont(8.25));
    CreateControls();
    CreateMenus();
    SetWindowHeightTwips(kClientWidthTwips + kDecorationTwips);
}

FormVelmora::~FormVelmora() = default;

void FormVelmora::CreateControls() {
    client_ = new QWidget(this);
    client_->setObjectName("client");
    setCentralWidget(client_);
    QWidget* c = client_;

    PicMain = Named(new BoardPicture(c), "PicMain");
    PicMain->move(Pixels(2040), Pixels(120));
    PicMain->SetSizeTwips(4000, 4000);
    connect(PicMain, &BoardPicture::MouseDown, this, &FormVelmora::PicMain_MouseDown);

    txtUserSig = TextBox(c, "txtUserSig", true);
    PlaceInTwips(txtUserSig, 1920, 4320, 4095, 285);
    txtComSig = TextBox(c, "txtComSig", true);
    PlaceInTwips(txtComSig, 1920, 4680, 4095, 285);
    lblUser = Label(c, "lblUser", "User:", "Your Marks", Qt::AlignRight);
    // The right-aligned headings may spill to the left, never be cut short.
    PlaceInTwips(lblUser, 0, 4320, 855, 255);
    lblOtherSide = Label(c, "lblOtherSide", "Computer:", "Opponent Marks", Qt::AlignRight);
    PlaceInTwips(lblOtherSide, 0, 4680, 855, 255);
    txtUserTot = TextBox(c, "txtUserTot", true);
    PlaceInTwips(txtUserTot, 960, 4320, 855, 285);
    txtComTot = TextBox(c, "txtComTot", true);
    PlaceInTwips(txtComTot, 960, 4680, 855, 285);

    cmcReset = Button(c, "cmcReset", "&New Game", "Reset the Games");
    PlaceInTwips(cmcReset, 120, 240, 1695, 375);
    connect(cmcReset, &QPushButton::clicked, this, &FormVelmora::cmcReset_Click);
    cmcConnect = Button(c, "cmcConnect", "Disconnect", "Toggle the Remote Connection");
    PlaceInTwips(cmcConnect, 120, 3480, 1695, 375);

    lblStatus = Label(c, "lblStatus", "Ready", "Connection Status", Qt::AlignHCenter);
    lblStatus->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblStatus->setFont(DialogFont(9.75));
    PlaceInTwips(lblStatus, 120, 3120, 1695, 375);
    lblMessage = Label(c, "lblMessage", "Your Turn", "Games Message", Qt::AlignHCenter);
    lblMessage->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblMessage->setFont(DialogFont(13.5));
    PlaceInTwips(lblMessage, 120, 1800, 1695, 495);

    cmcPass = Button(c, "cmcPass", "&Pass", "Let Computer play One step");
    PlaceInTwips(cmcPass, 120, 2280, 1695, 375);
    connect(cmcPass, &QPushButton::clicked, this, &FormVelmora::cmcPass_Click);

    AniLogo = Named(new ClipControl(c), "AniLogo");
    AniLogo->setToolTip("About me");
    AniLogo->SetBackground(palette().button().color());
    PlaceInTwips(AniLogo, 600, 840, 735, 735);

    txtTX = TextBox(c, "txtTX", false);
    PlaceInTwips(txtTX, 960, 5160, 5055, 285);
    txtRX = Named(new QPlainTextEdit(c), "txtRX");
    txtRX->setReadOnly(true);
    txtRX->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    PlaceInTwips(txtRX, 960, 5520, 5055, 765);
    lblChat = Label(c, "lblChat", "Message:", "Send Message to Remote", Qt::AlignRight);
    PlaceInTwips(lblChat, 0, 5160, 855, 255);
    AniLight = Named(new ClipControl(c), "AniLight");
    AniLight->SetBackground(QColor(192, 192, 192));
    PlaceInTwips(AniLight, 240, 5640, 615, 615);

    ImgWin = Picture(c, "ImgWin", Face::Win);
    ImgLost = Picture(c, "ImgLost", Face::Lost);
    ImgLevel = Picture(c, "ImgLevel", Face::Level);

    // A rule three pixels wide, centred on its line at 5060.
    Line1 = Named(new QFrame(c), "Line1");
    Line1->setGeometry(0, Pixels(5060) - 1, Pixels(6120) + 1, 3);
    Line1->setAutoFillBackground(true);
    QPalette rule = Line1->palette();
    rule.setColor(QPalette::Window, QColor(0, 0, 192));
    Line1->setPalette(rule);

    // Tab order as designed; labels, pictures and the clips take no focus.
    QWidget* order[] = {PicMain,  txtUserSig, txtComSig, txtUserTot, txtComTot,
                        cmcReset, cmcConnect, cmcPass,   txtTX,      txtRX};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    for (QWidget* box : {static_cast<QWidget*>(txtUserSig), static_cast<QWidget*>(txtComSig),
                         static_cast<QWidget*>(txtUserTot), static_cast<QWidget*>(txtComTot),
                         static_cast<QWidget*>(txtTX), static_cast<QWidget*>(txtRX)}) {
        box->installEventFilter(this);
    }
}

void FormVelmora::CreateMenus() {
    m_Game = menuBar()->addMenu("&Game");
    m_Game->setObjectName("m_Game");
    m_Pass = MenuEntry(m_Game, "m_Pass", "Pass", QKeySequence("Ctrl+P"));
    m_Line1 = Separator(m_Game, "m_Line1");
    m_Reset = MenuEntry(m_Game, "m_Reset", "New", QKeySequence("Ctrl+N"));
    m_FastMode = MenuEntry(m_Game, "m_FastMode", "Fast Mode");
    m_FastMode->setCheckable(true);
    m_Line2 = Separator(m_Game, "m_Line2");
    m_Exit = MenuEntry(m_Game, "m_Exit", "Exit");

    m_Remote = menuBar()->addMenu("&Remote");
    m_Remote->setObjectName("m_Remote");
    m_Connect = MenuEntry(m_Remote, "m_Connect", "Connect", QKeySequence("Ctrl+C"));
    m_Disconnect = MenuEntry(m_Remote, "m_Disconnect", "Disconnect", QKeySequence("Ctrl+D"));
    m_Listening = MenuEntry(m_Remote, "m_Listening", "Listening Call", QKeySequence("Ctrl+L"));
    m_Line3 = Separator(m_Remote, "m_Line3");
    m_PortNum = MenuEntry(m_Remote, "m_PortNum", "Change Port Number");
    m_Line4 = Separator(m_Remote, "m_Line4");
    m_Local = MenuEntry(m_Remote, "m_Local", "Local IP Address", QKeySequence("Ctrl+I"));

    m_Help = menuBar()->addMenu("&Help");
    m_Help->setObjectName("m_Help");
    m_About = MenuEntry(m_Help, "m_About", "About", QKeySequence("Ctrl+A"));

    connect(m_Pass, &QAction::triggered, this, &FormVelmora::m_Pass_Click);
    connect(m_Reset, &QAction::triggered, this, &FormVelmora::m_Reset_Click);
    connect(m_FastMode, &QAction::triggered, this, [this] {
        // The check mark is the program's to set, after the question.
        m_FastMode->setChecked(!m_FastMode->isChecked());
        m_FastMode_Click();
    });
    connect(m_Exit, &QAction::triggered, this, &FormVelmora::m_Exit_Click);
    connect(m_About, &QAction::triggered, this, &FormVelmora::m_About_Click);
    connect(AniLogo, &ClipControl::Click, this, &FormVelmora::m_About_Click);
}

void FormVelmora::SetWindowHeightTwips(int twips) {
    windowHeightTwips_ = twips;
    client_->setFixedSize(Pixels(kClientWidthTwips), Pixels(twips - kDecorationTwips));
    setFixedSize(client_->width(), menuBar()->sizeHint().height() + client_->height());
}

bool FormVelmora::eventFilter(QObject* watched, QEvent* event) {
    // The menu shortcuts work from anywhere in the window, also where a text
    // box would take the key for itself (Ctrl+A, Ctrl+C, ...).
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (QAction* action :
             {m_Pass, m_Reset, m_Connect, m_Disconnect, m_Listening, m_Local, m_About}) {
            if (action->isEnabled() && action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace velmora
