// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace velmora {

class BoardPicture;

// The board as a screen reader finds it: a table of 9 rows and 9 columns
// whose cells are named by column, row and owner ("column 3, row 5, yours")
// and play like a click when pressed; the focus cell is the accessible focus.

// Makes Qt build the board's table for every BoardPicture; once is enough.
void installBoardAccessibility();
// The board's focus cell has become the accessible focus.
void tellFocusCell(BoardPicture* board);
// The mark in cell (column, row) has been drawn: its name changed.
void tellCellChanged(BoardPicture* board, int column, int row);
// Says `text` as something that just happened on `widget`. Qt 6.4 has no
// announcement event, so the text becomes the widget's accessible
// description, which readers hear change; newer Qt announces it as well.
void announce(QWidget* widget, const QString& text);

}  // namespace velmora
