// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QObject;

namespace velmora {

// Installs the game's catalogue of the system's language (QLocale(), which
// tests may set with QLocale::setDefault), velmora_<language>.qm from the
// first of `folders` whose translations/ subfolder holds one, and with it
// Qt's own in the same language, for the standard buttons of the boxes. The
// translators are children of `owner` and leave the application with it.
// Returns whether the game's catalogue was found; without it nothing is
// installed and every text stays English.
bool installTranslations(const QStringList& folders, QObject* owner);

}  // namespace velmora
