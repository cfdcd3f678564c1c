#pragma once

#include <QStringList>

class QObject;

namespace velmora {

// Installs the catalogues of the system's language (QLocale(), which tests
// may set with QLocale::setDefault): Qt's own, for the standard buttons of
// the boxes, and the game's velmora_<language>.qm from the first of
// `folders` whose translations/ subfolder holds one. The translators are
// children of `owner` and leave the application with it. Returns whether
// the game's catalogue was found; without it every text stays English.
bool installTranslations(const QStringList& folders, QObject* owner);

}  // namespace velmora
