// SPDX-License-Identifier: GPL-3.0-or-later
// The locale chooses the texts' catalogue; without one, the English as written.
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "about_box.h"
#include "how_to_play.h"
#include "translations.h"
#include "window_rig.h"

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    // A text of the game's, of the main window's, of the about box's, Qt's own
    // Yes, and a cell's name as a screen reader says it (Qt has French).
    void theLocaleChoosesTheTexts_data() {
        QTest::addColumn<QString>("shown");  // in the locale the row is named after
        QTest::newRow("fr_FR") << "Your Turn|&New Game|About me|&Yes|column 3, row 5, -";
        QTest::newRow("de_DE") << "Dein Zug|&Neues Spiel|Über mich|&Ja|Spalte 3, Zeile 5, -";
        // French first, which the game lacks and Qt has: German throughout.
        QTest::newRow("system") << "Dein Zug|&Neues Spiel|Über mich|&Ja|Spalte 3, Zeile 5, -";
    }
    void theLocaleChoosesTheTexts() {
        QFETCH(QString, shown);
        if (QTest::currentDataTag() == QByteArray("system")) {
            const QStringList languages = QLocale::system().uiLanguages();
            if (languages.value(0) != "fr" || !languages.contains("de")) {
                QSKIP("needs LANGUAGE=fr:de, as its own CTest run sets");
            }
            QLocale::setDefault(QLocale::system());
        } else {
            QLocale::setDefault(QLocale(QTest::currentDataTag()));
        }
        QObject catalogues;
        // The sources' translations/ holds no .qm: the search goes on.
        QCOMPARE(velmora::installTranslations({VELMORA_SOURCE_DIR, VELMORA_GAME_DIR}, &catalogues),
                 !shown.startsWith("Your Turn"));
        WindowRig rig(false);
        velmora::AboutBox about(rig.links);
        const QString cell = QCoreApplication::translate("AccessibleCell", "column %1, row %2, %3");
        QCOMPARE(
            QStringList({rig.text("lblMessage"), rig.find<QPushButton>("cmcReset")->text(),
                         about.windowTitle(), QCoreApplication::translate("QPlatformTheme", "&Yes"),
                         cell.arg(3).arg(5).arg("-")}),
            shown.split('|'));
    }

    // How to Play in German: its title, a heading and a menu's name in its words.
    void howToPlayIsTranslated() {
        QLocale::setDefault(QLocale("de_DE"));
        QObject catalogues;
        QVERIFY(velmora::installTranslations({VELMORA_GAME_DIR}, &catalogues));
        velmora::HowToPlay help;
        QStringList texts;
        for (QLabel* label : help.findChildren<QLabel*>()) {
            texts << label->text();
        }
        QCOMPARE(help.windowTitle(), QString("Spielanleitung"));
        QVERIFY(texts.contains("Tasten") && texts.join(' ').contains("Netzwerk, Verbinden"));
    }

    // lupdate brings a copy up to date with the sources: a text added since is
    // unfinished there, one changed or gone vanished; none, nor a plural form, empty.
    void theGermanCatalogueTranslatesEveryText() {
        QTemporaryDir work;
        QFile copy(work.filePath("velmora_de.ts"));
        QVERIFY(QFile::copy(VELMORA_SOURCE_DIR "/translations/velmora_de.ts", copy.fileName()));
        QCOMPARE(QProcess::execute(VELMORA_LUPDATE, QString(VELMORA_TRANSLATED_FOLDERS).split(',') +
                                                        QStringList{"-locations", "none", "-silent",
                                                                    "-ts", copy.fileName()}),
                 0);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        const QString catalogue = copy.readAll();
        const qsizetype at =
            catalogue.indexOf(QRegularExpression(" type=\"|<(translation|numerusform)></"));
        QVERIFY2(at < 0, qPrintable(catalogue.mid(at - 120, 160)));
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
