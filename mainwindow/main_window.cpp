// The main window: its wiring to the game, and what it shows of it.
#include "main_window.h"

#include <utility>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "about_box.h"
#include "board_accessibility.h"
#include "board_picture.h"
#include "clip_control.h"
#include "dialogs.h"
#include "pictures.h"
#include "twips.h"

namespace velmora {

namespace {

// Setting a text repaints its box even when nothing changed, and the game
// announces changes many times a move.
template <typename Box>
void showText(Box* box, const QString& text) {
    if (box->text() != text) {
        box->setText(text);
    }
}

}  // namespace

MainWindow::MainWindow(WindowServices services, QStringList clipFolders, int port, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      clipFolders_(std::move(clipFolders)),
      game_(connection_, services.random, services.pauses, kBoardTwips),
      connection_(socket_, holdTimer_, game_, port) {
    setObjectName("formVelmora");
    setWindowTitle("Velmora");
    setWindowIcon(mainWindowIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(dialogFont(8.25));
    createControls();
    createMenus();

    // What the game draws and shows.
    connect(&game_, &Game::boardCleared, board_, [this] {
        board_->setCellTwips(game_.cellSize());
        board_->clear();
    });
    connect(&game_, &Game::lineDrawn, board_, &BoardPicture::line);
    connect(&game_, &Game::arcDrawn, board_,
            [this](int x, int y, double radius, double angle, quint32 colour) {
                board_->arc(x, y, radius, 0, angle, colour);
            });
    connect(&game_, &Game::circleDrawn, board_,
            [this](int x, int y, double radius, quint32 colour) {
                board_->circle(x, y, radius, colour);
                showMarkDrawn(x, y, colour);
            });
    connect(&game_, &Game::awarded, this, [this](Game::Side side, int marks) {
        announce(board_, side == Game::Side::User
                             ? tr("Your award: %n marks", nullptr, marks)
                             : tr("Opponent's award: %n marks", nullptr, marks));
    });
    board_->setCellReader([this](int column, int row) {
        const std::optional<Game::Side> owner = game_.owner(column, row);
        if (!owner) {
            return BoardPicture::CellContent::Empty;
        }
        return *owner == Game::Side::User ? BoardPicture::CellContent::Yours
                                          : BoardPicture::CellContent::Opponents;
    });
    connect(&game_, &Game::logoChanged, this, &MainWindow::showLogo);
    connect(&game_, &Game::changed, this, &MainWindow::showGame);

    // The user's commands.
    connect(board_, &BoardPicture::pressed, &game_, &Game::press);
    connect(passButton_, &QPushButton::clicked, this, &MainWindow::passCommand);
    connect(passAction_, &QAction::triggered, this, &MainWindow::passCommand);
    connect(newGameButton_, &QPushButton::clicked, &game_, &Game::requestNewGame);
    connect(newGameAction_, &QAction::triggered, &game_, &Game::requestNewGame);
    connect(fastModeAction_, &QAction::triggered, this, &MainWindow::fastModeCommand);
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::aboutCommand);
    connect(logo_, &ClipControl::clicked, this, &MainWindow::aboutCommand);

    // Remote play.
    connect(connectButton_, &QPushButton::clicked, this, &MainWindow::connectCommand);
    connect(connectAction_, &QAction::triggered, this, &MainWindow::connectCommand);
    connect(disconnectAction_, &QAction::triggered, this, &MainWindow::connectCommand);
    connect(listenAction_, &QAction::triggered, &connection_, &Connection::hangUpAndListen);
    connect(portAction_, &QAction::triggered, this, &MainWindow::portCommand);
    connect(localAddressAction_, &QAction::triggered, this, &MainWindow::localAddressCommand);
    connect(&connection_, &Connection::viewChanged, this, &MainWindow::showConnectionView);
    connect(&connection_, &Connection::chatCleared, this, &MainWindow::clearChat);
    connect(&connection_, &Connection::chatReceived, this, &MainWindow::showChatLine);
    connect(&connection_, &Connection::portBusy, this, &MainWindow::showPortBusy);
    connect(&connection_, &Connection::failed, this, &MainWindow::showConnectionFailure);

    setWindowHeightTwips(kIdleHeightTwips);
}

MainWindow::~MainWindow() = default;

void MainWindow::showGame() {
    using Side = Game::Side;
    using Result = Game::Result;
    // The turn message is heard as the label's name changes; the result is
    // announced on the board as well, where the player is.
    if (std::exchange(shownResult_, game_.result()) != game_.result() &&
        game_.result() != Result::None) {
        announce(board_, game_.message());
    }
    showText(message_, game_.message());
    showText(opponentLabel_, game_.opponentName());
    showText(userSigns_, game_.signs(Side::User));
    showText(userTotal_, game_.totalText(Side::User));
    showText(opponentSigns_, game_.signs(Side::Opponent));
    showText(opponentTotal_, game_.totalText(Side::Opponent));
    winFace_->setVisible(game_.result() == Result::Win);
    lostFace_->setVisible(game_.result() == Result::Lost);
    levelFace_->setVisible(game_.result() == Result::Level);
    passButton_->setVisible(game_.passButtonShown());
    passButton_->setEnabled(game_.passEnabled());
    passAction_->setEnabled(game_.passEnabled());
    newGameButton_->setEnabled(game_.newGameEnabled());
    newGameAction_->setEnabled(game_.newGameEnabled());
}

void MainWindow::showMarkDrawn(int x, int y, quint32 colour) {
    const int column = x / game_.cellSize() + 1;
    const int row = y / game_.cellSize() + 1;
    tellCellChanged(board_, column, row);
    // Only the opponent's newest mark is red.
    if (colour == Game::kRed) {
        announce(board_, tr("Opponent's move: column %1, row %2").arg(column).arg(row));
    }
}

void MainWindow::showLogo(Game::Logo logo) {
    switch (logo) {
        case Game::Logo::Waiting:
            logo_->play();
            break;
        case Game::Logo::Still:
            logo_->show();
            logo_->play();
            logo_->stop();
            break;
        case Game::Logo::Hidden:
            logo_->play();
            logo_->stop();
            logo_->hide();
            break;
    }
}

void MainWindow::passCommand() {
    if (game_.pass() == Game::PassAnswer::MarksOwed) {
        services_.dialogs.messageBox(tr("Hey!!! .... You Got Marks Already !!!"), QString(),
                                     Dialogs::Buttons::Ok, Dialogs::Icon::None,
                                     Dialogs::Answer::Ok);
    }
}

void MainWindow::fastModeCommand() {
    // The menu has already flipped the check mark; the game's setting decides.
    fastModeAction_->setChecked(game_.fastMode());
    bool yes = true;
    if (!game_.fastMode()) {
        const QString question =
            tr("When selected Fast-Mode, you would hard to watch how Opponent getting marks") +
            "\r\n\r\n" + QString(28, ' ') + tr("Are you sure change to Fast-Mode ?");
        yes = services_.dialogs.messageBox(question, tr("Fast Mode"), Dialogs::Buttons::YesNo,
                                           Dialogs::Icon::Question,
                                           Dialogs::Answer::Yes) == Dialogs::Answer::Yes;
    }
    if (yes) {
        game_.setFastMode(!game_.fastMode());
        fastModeAction_->setChecked(game_.fastMode());
    }
}

void MainWindow::aboutCommand() {
    // A fresh box each time; the main window takes no input while it is open.
    AboutBox about(services_.links, this);
    about.exec();
}

}  // namespace velmora
