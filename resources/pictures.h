// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

namespace velmora {

// The program's small pictures, drawn here in the 16 colours of the classic
// palette so that they are ours and always the same.

enum class Face { Win, Lost, Level };

// 16 x 16: a yellow disc bearing a red figure 8 and a blue figure 1.
QImage mainWindowIconImage();
QIcon mainWindowIcon();

// 32 x 32 end-of-game faces with a black outline and transparent corners:
// cyan and smiling, grey and frowning, silver with a straight mouth. Drawn at
// `ratio` device pixels to a pixel of the layout (the screen's
// devicePixelRatioF()), so they stay sharp on a scaled screen.
QImage faceImage(Face face, qreal ratio = 1);

// 32 x 32: the product emblem, a cat's head, at `ratio` as the faces.
QImage emblemImage(qreal ratio = 1);
// 32 x 32: the about box's icon, a blue outline of bricks in a stepped pyramid.
QImage aboutIconImage();
// 150 x 33 at `ratio`: the maker's logo, a kestrel's wing beside the word KESTRANE.
QImage makerLogoImage(qreal ratio = 1);
// 317 x 221: the splash background, pure yellow at the top fading to light
// cornflower blue at the bottom.
QImage splashBackgroundImage();
// 32 x 32 pointers: a yellow smiling face (hot spot in the middle), and a
// two-colour pointing hand whose fingertip, at (5, 0), is the hot spot.
QImage smileCursorImage();
QImage pointingHandImage();
QCursor smileCursor();
QCursor pointingHandCursor();

}  // namespace velmora
