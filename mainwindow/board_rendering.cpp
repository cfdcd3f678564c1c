// The board: its layout, the marks with their short animation, and the pause
// that paces every animation.
#include "board_picture.h"
#include "form_velmora.h"
#include "leading_number.h"

namespace velmora {

void FormVelmora::LayoutBoard() {
    // Square at the larger side.
    if (PicMain->HeightTwips() > PicMain->WidthTwips()) {
        PicMain->SetSizeTwips(PicMain->HeightTwips(), PicMain->HeightTwips());
    } else {
        PicMain->SetSizeTwips(PicMain->WidthTwips(), PicMain->WidthTwips());
    }
    PicMain->Clear();
    const float width = float(PicMain->WidthTwips());
    game.CellSize = int16_t(RoundHalfEven(width / 9.0f));
    const int cell = game.CellSize;
    for (int i = 1; i <= kBoardCells; ++i) {
        const int16_t p = int16_t(i * cell);
        if (i < kBoardCells) {
            PicMain->Line(0, p, PicMain->WidthTwips(), p, PicMain->ForeColour());
            PicMain->Line(p, 0, p, PicMain->HeightTwips(), PicMain->ForeColour());
        }
        for (int j = 1; j <= kBoardCells; ++j) {
            Position& position = game.Board[i][j];
            position.CentreX = int16_t(RoundHalfEven(p - cell / 2.0));
            position.CentreY = int16_t(RoundHalfEven(j * cell - cell / 2.0));
            position.CellState = 0;
        }
    }
}

bool FormVelmora::DrawMark(int column, int row, uint32_t colour) {
    const Position& cell = game.Board[column][row];
    const float radius = game.CellSize / 5.0f;
    // The opponent's newest mark is drawn slowly, every other one quickly.
    const float step = colour == kRed ? 0.8f : 4.0f;
    if (!FastMode()) {
        for (float angle = 0.01f; angle <= 6.28f; angle += step) {
            PicMain->Arc(cell.CentreX, cell.CentreY, radius, 0, angle, colour);
            if (!ShortPause()) {
                return false;
            }
        }
    }
    PicMain->Circle(cell.CentreX, cell.CentreY, radius, colour);
    game.Board[column][row].CellState = 1;
    return true;
}

bool FormVelmora::ShortPause() {
    const int gameNumber = gameNumber_;
    if (!unloaded_) {
        velmora::ShortPause(services_.clock, services_.handleEvents);
        ++pauseCount_;
    }
    return gameNumber == gameNumber_ && !unloaded_;
}

}  // namespace velmora
