// The locale chooses the texts' catalogue; without one, the English as written.
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "about_box.h"
#include "translations.h"
#include "window_rig.h"

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    // Turn message, New Game and its tip, Game menu, two boxes' titles, Qt's Yes.
    void theLocaleChoosesTheTexts_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("shown");
        const QString english = "Your Turn|&New Game|Reset the Games|&Game|About me|Fast Mode|";
        const QString german =
            "Dein Zug|&Neues Spiel|Ein neues Spiel beginnen|&Spiel|"
            "Über mich|Schnellmodus|&Ja";
        QTest::newRow("C") << "C" << english + "&Yes";
        QTest::newRow("en_US") << "en_US" << english + "&Yes";
        QTest::newRow("fr_FR") << "fr_FR" << english + "&Yes";  // Qt has French, the game not
        QTest::newRow("de_DE") << "de_DE" << german;
        QTest::newRow("de_AT") << "de_AT" << german;
    }
    void theLocaleChoosesTheTexts() {
        QFETCH(QString, locale);
        QFETCH(QString, shown);
        QLocale::setDefault(QLocale(locale));
        QObject catalogues;
        // The sources' translations/ holds no .qm: the search goes on.
        QCOMPARE(velmora::installTranslations({VELMORA_SOURCE_DIR, VELMORA_GAME_DIR}, &catalogues),
                 !shown.startsWith("Your Turn"));
        WindowRig rig(false);
        velmora::AboutBox about(rig.links);
        rig.trigger("m_FastMode");
        QCOMPARE(QStringList({rig.text("lblMessage"), rig.find<QPushButton>("cmcReset")->text(),
                              rig.find("cmcReset")->toolTip(),
                              rig.window->menuBar()->actions().first()->text(), about.windowTitle(),
                              rig.dialogs.shown.value(0).title,
                              QCoreApplication::translate("QPlatformTheme", "&Yes")})
                     .join('|'),
                 shown);
    }

    // lupdate brings a copy of the catalogue up to date with the sources: a text
    // added since is unfinished there, one changed or gone vanished; none empty.
    void theGermanCatalogueTranslatesEveryText() {
        QTemporaryDir work;
        QFile copy(work.filePath("velmora_de.ts"));
        QVERIFY(QFile::copy(VELMORA_SOURCE_DIR "/translations/velmora_de.ts", copy.fileName()));
        const QStringList arguments{"-locations", "none", "-silent", "-ts", copy.fileName()};
        QCOMPARE(QProcess::execute(VELMORA_LUPDATE,
                                   QString(VELMORA_TRANSLATED_FOLDERS).split(',') + arguments),
                 0);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&copy);
        QString source;
        QStringList untranslated;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.isStartElement() && xml.name() == u"translation") {
                const QString kind = xml.attributes().value("type").toString();
                // Plural forms are elements of their own, each checked as a whole.
                const QString text =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                if (!kind.isEmpty() || text.isEmpty()) {
                    untranslated << source + " " + kind;
                }
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(untranslated, QStringList());
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
