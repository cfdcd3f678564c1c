// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its wiring to the game, and what it shows of it.
#include "main_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include "about_box.h"
#include "announcer.h"
#include "board_accessibility.h"
#include "board_picture.h"
#include "clip_control.h"
#include "dialogs.h"
#include "game_narration.h"
#include "pictures.h"

namespace velmora {

MainWindow::MainWindow(WindowServices services, QStringList clipFolders, Game& game,
                       Connection& connection, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      clipFolders_(std::move(clipFolders)),
      game_(game),
      connection_(connection) {
    setObjectName("formVelmora");
    setWindowTitle("Velmora");
    setWindowIcon(mainWindowIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(dialogFont(8.25));
    createControls();
    createMenus();

    // What the game shows, drawn by the board.
    connect(&game_, &Game::boardCleared, this, [this] {
        board_->hideHint();
        board_->showNewBoard();
        passButton_->hide();
    });
    connect(&game_, &Game::markGrowing, board_, &BoardPicture::showMarkGrowing);
    connect(&game_, &Game::markDrawn, board_, &BoardPicture::showMark);
    connect(&game_, &Game::runGrowing, board_, &BoardPicture::showRunGrowing);
    connect(&game_, &Game::runDrawn, board_, &BoardPicture::showRun);
    board_->setCellReader([this](int column, int row) {
        const std::optional<Game::Side> owner = game_.owner({column, row});
        if (!owner) {
            return BoardPicture::CellContent::Empty;
        }
        return *owner == Game::Side::User ? BoardPicture::CellContent::Yours
                                          : BoardPicture::CellContent::Opponents;
    });
    // What the game tells, in words; a screen reader hears it told.
    announcer_ = new Announcer(this);
    narration_ = new GameNarration(game_, connection_, *announcer_, board_, this);
    // Orca drops a notification shown while it reads the cell the focus moved to.
    connect(board_, &BoardPicture::focusCellTold, announcer_,
            [this] { announcer_->holdFor(Announcer::kAfterFocusMoveMs); });
    connect(&game_, &Game::cellFilled, this, &MainWindow::showCellFilled);
    connect(&game_, &Game::scoreChanged, this, &MainWindow::showScore);
    connect(&game_, &Game::turnChanged, this, &MainWindow::showTurn);
    connect(&game_, &Game::displayChanged, this, &MainWindow::showDisplay);
    connect(&game_, &Game::opponentChanged, this, &MainWindow::showOpponent);
    connect(&game_, &Game::fastModeChanged, fastModeAction_, &QAction::setChecked);

    // The user's commands.
    connect(board_, &BoardPicture::cellPressed, this, [this](Cell cell) {
        const int moves = game_.moveCount();
        game_.play(cell);
        if (game_.moveCount() == moves) {
            narration_->tellRefused(cell);
        }
    });
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
    connect(&connection_, &Connection::stateChanged, this, &MainWindow::showConnection);
    connect(&connection_, &Connection::chatArrived, this, &MainWindow::showChatLine);
    connect(&connection_, &Connection::portBusy, this, &MainWindow::showPortBusy);
    connect(&connection_, &Connection::failed, this, &MainWindow::showConnectionFailure);

    connectComputerCommands();
    showDisplay(game_.display());
    fastModeAction_->setChecked(game_.fastMode());
    setWindowHeightTwips(kIdleHeightTwips);
}

MainWindow::~MainWindow() = default;

QString MainWindow::resultText(Result result) {
    switch (result) {
        case Result::Win:
            return tr("You WIN !!!");
        case Result::Lost:
            return tr("You Lost");
        case Result::Level:
            return tr("Level");
    }
    return QString();
}

void MainWindow::showTurn() {
    // Each turn shows the waiting display afresh.
    switch (game_.display().waiting) {
        case TurnDisplay::Waiting::Playing:
            logo_->play();
            break;
        case TurnDisplay::Waiting::Still:
            logo_->show();
            logo_->play();
            logo_->stop();
            break;
        case TurnDisplay::Waiting::Hidden:
            logo_->play();
            logo_->stop();
            logo_->hide();
            break;
    }
}

void MainWindow::showDisplay(const TurnDisplay& display) {
    // The turn message is heard as the label's name changes.
    const std::optional<Result> result = game_.result();
    switch (display.prompt) {
        case TurnDisplay::Prompt::YourTurn:
            message_->setText(tr("Your Turn"));
            break;
        case TurnDisplay::Prompt::Wait:
            message_->setText(tr("Wait ......"));
            break;
        case TurnDisplay::Prompt::Result:
            message_->setText(result ? resultText(*result) : QString());
            break;
    }
    winFace_->setVisible(result == Result::Win);
    lostFace_->setVisible(result == Result::Lost);
    levelFace_->setVisible(result == Result::Level);
    passButton_->setEnabled(display.passEnabled);
    passAction_->setEnabled(display.passEnabled);
    newGameButton_->setEnabled(display.newGameEnabled);
    newGameAction_->setEnabled(display.newGameEnabled);
}

void MainWindow::showScore(Game::Side side, const QVector<int>& awards, int total) {
    QStringList parts;
    for (int marks : awards) {
        parts << QString::number(marks);
    }
    const bool user = side == Game::Side::User;
    (user ? userSigns_ : opponentSigns_)->setText(parts.join('+'));
    (user ? userTotal_ : opponentTotal_)
        ->setText(awards.isEmpty() ? QString() : QString::number(total));
}

void MainWindow::showOpponent(Game::Opponent opponent) {
    opponentLabel_->setText(opponent == Game::Opponent::Computer ? tr("Computer:") : tr("Remote:"));
}

void MainWindow::showCellFilled(Cell cell, Game::Side) {
    tellCellChanged(board_, cell.column, cell.row);
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
    }
}

void MainWindow::aboutCommand() {
    // A fresh box each time; the main window takes no input while it is open.
    AboutBox about(services_.links, this);
    about.exec();
}

}  // namespace velmora
