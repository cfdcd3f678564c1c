#pragma once

#include <QIcon>
#include <QImage>

namespace velmora {

// The program's small pictures, drawn here in the 16 colours of the classic
// palette so that they are ours and always the same.

enum class Face { Win, Lost, Level };

// 16 x 16: a yellow disc bearing a red figure 8 and a blue figure 1.
QImage MainWindowIconImage();
QIcon MainWindowIcon();

// 32 x 32 end-of-game faces with a black outline and transparent corners:
// cyan and smiling, grey and frowning, silver with a straight mouth.
QImage FaceImage(Face face);

}  // namespace velmora
