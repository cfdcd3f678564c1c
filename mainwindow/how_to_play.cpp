// SPDX-License-Identifier: GPL-3.0-or-later
#include "how_to_play.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <functional>
#include <initializer_list>

#include "board_picture.h"
#include "twips.h"

namespace velmora {

namespace {

struct Mark {
    Cell cell;
    Game::Mark mark;
};

// Columns 1 to `columns` of the board's top `rows` rows with `marks` and
// `runs` on them, drawn by a board of the window's own ratio exactly as the
// game draws them.
QPixmap boardExample(QWidget* window, int columns, int rows, std::initializer_list<Mark> marks,
                     std::initializer_list<Game::Run> runs) {
    BoardPicture board(window);
    board.setSizeTwips(BoardPicture::kSideTwips, BoardPicture::kSideTwips);
    board.showNewBoard();
    for (const Mark& mark : marks) {
        board.showMark(mark.cell, mark.mark);
    }
    for (const Game::Run& run : runs) {
        board.showRun(run);
    }
    const QImage& image = board.image();
    const qreal ratio = image.devicePixelRatio();
    const auto edge = [&](int cells) {
        return int(std::lround(cells * board.cellTwips() / double(kTwipsPerPixel) * ratio));
    };
    QImage part = image.copy(0, 0, edge(columns), edge(rows));
    part.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(part);
}

}  // namespace

HowToPlay::HowToPlay(QWidget* parent) : QDialog(parent) {
    setObjectName("frmHowToPlay");
    setWindowTitle(tr("How to Play"));
    setAccessibleName(windowTitle());

    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    const auto heading = [&](const QString& text) {
        auto* label = new QLabel(text);
        QFont bold = label->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.2);
        label->setFont(bold);
        column->addSpacing(6);
        column->addWidget(label);
    };
    const auto words = [&](const QString& text) {
        auto* label = new QLabel(text);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        column->addWidget(label);
    };
    // A picture is heard by what it shows, and read beside its caption.
    const auto picture = [&](const QPixmap& pixmap, const QString& caption) {
        auto* shown = new QLabel;
        shown->setPixmap(pixmap);
        shown->setFrameStyle(QFrame::Box | QFrame::Plain);
        shown->setAccessibleName(caption);
        shown->setFocusPolicy(Qt::TabFocus);
        shown->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        column->addWidget(shown);
        words(caption);
    };
    using M = Game::Mark;

    heading(tr("The game"));
    words(
        tr("Two players take turns on a board of 9 by 9 cells; a turn fills one empty cell. "
           "When all 81 cells are filled, the larger total of marks wins."));
    picture(boardExample(this, 5, 2,
                         {{{1, 1}, M::Yours},
                          {{2, 1}, M::Yours},
                          {{3, 1}, M::Yours},
                          {{1, 2}, M::Yours},
                          {{2, 2}, M::Yours}},
                         {{{1, 1}, {3, 1}}}),
            tr("A run of 3: the move that fills the third cell in a row earns 3 marks, and the "
               "run is drawn as a line. Two cells are no run yet."));
    picture(boardExample(this, 7, 1,
                         {{{1, 1}, M::Yours},
                          {{2, 1}, M::Opponents},
                          {{3, 1}, M::Yours},
                          {{4, 1}, M::Opponents},
                          {{5, 1}, M::Opponents},
                          {{6, 1}, M::Yours}},
                         {{{1, 1}, {6, 1}}}),
            tr("A run of 6: a row or column of 6 filled cells earns 6 marks, one of 9 earns 9. "
               "Runs of other lengths earn nothing."));
    picture(boardExample(this, 4, 3,
                         {{{1, 1}, M::Yours},
                          {{2, 1}, M::Yours},
                          {{3, 1}, M::Yours},
                          {{3, 2}, M::Yours},
                          {{3, 3}, M::Yours}},
                         {{{1, 1}, {3, 1}}, {{3, 1}, {3, 3}}}),
            tr("The extra move: whoever completes a run moves again. Here the row was completed "
               "first; the extra move then completed the column and earned a third move."));
    picture(boardExample(this, 4, 2,
                         {{{1, 1}, M::Yours},
                          {{2, 1}, M::OpponentsNewest},
                          {{3, 1}, M::Yours},
                          {{1, 2}, M::Opponents}},
                         {{{1, 1}, {3, 1}}}),
            tr("Cells belong to no one: a run counts every filled cell, whoever filled it, and "
               "its marks go to the player who completes it. Your marks and the opponent's "
               "older ones are blue; the opponent's newest mark is red."));

    heading(tr("The computer"));
    words(
        tr("Game, Computer chooses how well the computer plays, from its next move on. Easy "
           "misses runs and gives them away. Normal, the strength at every start, takes a run "
           "when it can and otherwise avoids giving one away. Strong knows when to give runs "
           "away. Expert also plays the last thirty or so empty cells perfectly."));

    heading(tr("Hint and Undo"));
    words(
        tr("Hint (Ctrl+H) outlines for two seconds the cell Expert would fill for you, and "
           "moves the board's focus there. Undo (Ctrl+Z) takes back your last move and what "
           "the computer played after it, again and again back to the start. Both work only "
           "against the computer."));

    heading(tr("Keys"));
    words(
        tr("On the board the arrow keys, Home and End move the focus cell, and Space or Enter "
           "fills it. S says both totals and whose turn it is. Ctrl+P passes, Ctrl+N starts a new "
           "game, Tab moves between the "
           "controls, and F1 opens this window."));

    heading(tr("Remote play"));
    words(
        tr("Remote, Connect (Ctrl+C) calls another copy of Velmora by its address.\n"
           "The other copy answers while it is listening for calls; its player moves first.\n"
           "The chat line below the board talks to the other player; if the connection ends, "
           "the computer plays on."));
    column->addStretch();

    auto* scroll = new QScrollArea;
    scroll->setObjectName("HowToPlayText");
    scroll->setAccessibleName(windowTitle());
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    resize(460, 560);
}

}  // namespace velmora
