#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora {

bool installTranslations(const QStringList& folders, QObject* owner) {
    auto* qtTexts = new QTranslator(owner);
    if (qtTexts->load(QLocale(), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTexts);
    } else {
        delete qtTexts;
    }
    for (const QString& folder : folders) {
        auto* gameTexts = new QTranslator(owner);
        if (gameTexts->load(QLocale(), "velmora", "_", folder + "/translations")) {
            QCoreApplication::installTranslator(gameTexts);
            return true;
        }
        delete gameTexts;
    }
    return false;
}

}  // namespace velmora
