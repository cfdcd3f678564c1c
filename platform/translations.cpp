// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora {

bool installTranslations(const QStringList& folders, QObject* owner) {
    for (const QString& folder : folders) {
        auto* gameTexts = new QTranslator(owner);
        if (!gameTexts->load(QLocale(), "velmora", "_", folder + "/translations")) {
            delete gameTexts;
            continue;
        }
        QCoreApplication::installTranslator(gameTexts);
        // Qt's texts in the game's language, not in another one the locale
        // lists first: a window in one language.
        auto* qtTexts = new QTranslator(owner);
        if (qtTexts->load(QLocale(gameTexts->language()), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qtTexts);
        }
        return true;
    }
    return false;
}

}  // namespace velmora
