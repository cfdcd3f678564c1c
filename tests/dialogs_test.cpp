// The real modal boxes, as far as our adapter decides what the user meets: the
// button Enter presses, Escape's answer, CR LF as a line break, and an empty
// text for Cancel. Every other test answers a stand-in.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "dialogs.h"

using velmora::Dialogs;

namespace {

// Types `text` (when given) into the modal box once it is open and presses
// `key`; the box's text is kept in `shown`.
void answerWhenOpen(Qt::Key key, QString* shown, const QString& text = QString()) {
    QTimer::singleShot(0, [=] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box != nullptr);
        if (auto* message = qobject_cast<QMessageBox*>(box)) {
            *shown = message->text();
        } else if (!text.isEmpty()) {
            box->findChild<QLineEdit*>()->setText(text);
        }
        QTest::keyClick(box->focusWidget(), key);
    });
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void enterPressesTheDefaultAnswerAndEscapeSaysNo_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultAnswer");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        const int yesNo = int(Dialogs::Buttons::YesNo);
        const int yes = int(Dialogs::Answer::Yes);
        const int no = int(Dialogs::Answer::No);
        QTest::newRow("Enter, Yes first") << yesNo << yes << int(Qt::Key_Return) << yes;
        QTest::newRow("Enter, No first") << yesNo << no << int(Qt::Key_Return) << no;
        QTest::newRow("Escape") << yesNo << yes << int(Qt::Key_Escape) << no;
        QTest::newRow("OK") << int(Dialogs::Buttons::Ok) << int(Dialogs::Answer::Ok)
                            << int(Qt::Key_Return) << int(Dialogs::Answer::Ok);
    }

    void enterPressesTheDefaultAnswerAndEscapeSaysNo() {
        QFETCH(int, buttons);
        QFETCH(int, defaultAnswer);
        QFETCH(int, key);
        QFETCH(int, answer);
        QString shown;
        answerWhenOpen(Qt::Key(key), &shown);
        velmora::QtDialogs dialogs;
        QCOMPARE(int(dialogs.messageBox("First\r\nSecond", "Title", Dialogs::Buttons(buttons),
                                        Dialogs::Icon::Question, Dialogs::Answer(defaultAnswer))),
                 answer);
        QCOMPARE(shown, QString("First\nSecond"));
    }

    void anInputBoxGivesWhatIsTypedAndNothingOnCancel() {
        velmora::QtDialogs dialogs;
        answerWhenOpen(Qt::Key_Return, nullptr, "192.168.1.7");
        QCOMPARE(dialogs.inputBox("Address?", "Remote IP", "10.0.0.1"), QString("192.168.1.7"));
        answerWhenOpen(Qt::Key_Escape, nullptr);
        QCOMPARE(dialogs.inputBox("Address?", "Remote IP", "10.0.0.1"), QString());
    }

    // Qt would wrap a line wider than half the screen; the program's lines stay whole.
    void aLongLineIsShownOnOneLine() {
        const QString line =
            "When selected Fast-Mode, you would hard to watch how Opponent getting marks";
        int lines = 0;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            QVERIFY(label->fontMetrics().horizontalAdvance(line) >
                    QApplication::primaryScreen()->availableSize().width() / 2);
            lines = label->height() / label->fontMetrics().lineSpacing();
            QTest::keyClick(box->focusWidget(), Qt::Key_Return);
        });
        velmora::QtDialogs().messageBox(line + "\r\n\r\nSure?", "Fast Mode",
                                        Dialogs::Buttons::YesNo, Dialogs::Icon::Question,
                                        Dialogs::Answer::Yes);
        QCOMPARE(lines, 3);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
