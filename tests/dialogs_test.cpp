// The real modal boxes: every other test answers a stand-in, so what the user
// meets (the texts, the button Enter presses, what Cancel gives) is checked here.
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

#include "dialogs.h"

using velmora::Dialogs;
using velmora::QtDialogs;

namespace {

// Runs `answer` on the modal box once it is open.
void whenOpen(const std::function<void(QWidget*)>& answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box != nullptr);
        answer(box);
    });
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void enterPressesTheDefaultAnswer_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultAnswer");
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes/No, Yes first")
            << int(Dialogs::Buttons::YesNo) << int(Dialogs::Answer::Yes)
            << int(Dialogs::Answer::Yes);
        QTest::newRow("Yes/No, No first")
            << int(Dialogs::Buttons::YesNo) << int(Dialogs::Answer::No) << int(Dialogs::Answer::No);
        QTest::newRow("OK") << int(Dialogs::Buttons::Ok) << int(Dialogs::Answer::Ok)
                            << int(Dialogs::Answer::Ok);
    }

    void enterPressesTheDefaultAnswer() {
        QFETCH(int, buttons);
        QFETCH(int, defaultAnswer);
        QFETCH(int, answer);
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenOpen([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QtDialogs dialogs;
        const Dialogs::Answer given =
            dialogs.messageBox("First\r\nSecond", "Title", Dialogs::Buttons(buttons),
                               Dialogs::Icon::Question, Dialogs::Answer(defaultAnswer));
        QCOMPARE(int(given), answer);
        QCOMPARE(title, QString("Title"));
        QCOMPARE(text, QString("First\nSecond"));
        QCOMPARE(icon, QMessageBox::Question);
    }

    void escapeSaysNoAndCriticalShowsItsIcon() {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenOpen([&](QWidget* widget) {
            icon = qobject_cast<QMessageBox*>(widget)->icon();
            QTest::keyClick(widget, Qt::Key_Escape);
        });
        QtDialogs dialogs;
        QCOMPARE(dialogs.messageBox("Sure?", QString(), Dialogs::Buttons::YesNo,
                                    Dialogs::Icon::Critical, Dialogs::Answer::Yes),
                 Dialogs::Answer::No);
        QCOMPARE(icon, QMessageBox::Critical);
    }

    // The box would wrap a line wider than half the screen; the program's lines stay whole.
    void aLongLineIsShownOnOneLine() {
        const QString line =
            "When selected Fast-Mode, you would hard to watch how Opponent getting marks";
        int width = 0;
        int lines = 0;
        whenOpen([&](QWidget* box) {
            QTest::keyClick(box, Qt::Key_Return);
            auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            width = label->fontMetrics().horizontalAdvance(line);
            lines = label->height() / label->fontMetrics().lineSpacing();
        });
        QtDialogs().messageBox(line + "\r\n\r\n" + QString(28, ' ') + "Sure?", "Fast Mode",
                               Dialogs::Buttons::YesNo, Dialogs::Icon::Question,
                               Dialogs::Answer::Yes);
        QVERIFY(width > QApplication::primaryScreen()->availableSize().width() / 2);
        QCOMPARE(lines, 3);
    }

    void anInputBoxOffersItsDefaultAndCancelGivesNothing() {
        QtDialogs dialogs;
        QString prompt;
        whenOpen([&](QWidget* widget) {
            auto* box = qobject_cast<QInputDialog*>(widget);
            QVERIFY(box != nullptr);
            prompt = box->windowTitle() + "|" + box->labelText();
            QLineEdit* line = box->findChild<QLineEdit*>();
            QCOMPARE(line->text(), QString("10.0.0.1"));
            line->setText("192.168.1.7");
            QTest::keyClick(line, Qt::Key_Return);
        });
        QCOMPARE(dialogs.inputBox("Address?", "Remote IP", "10.0.0.1"), QString("192.168.1.7"));
        QCOMPARE(prompt, QString("Remote IP|Address?"));

        whenOpen([](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Escape); });
        QCOMPARE(dialogs.inputBox("Address?", "Remote IP", "10.0.0.1"), QString());
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
