// The real modal boxes as far as our adapter decides: Enter's button, Escape's
// answer, CR LF as a line break, an input box's text or nothing for Cancel.
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <tuple>

#include "dialogs.h"

using velmora::Dialogs;
using Answer = Dialogs::Answer;
using Icon = Dialogs::Icon;

class DialogsTest : public QObject {
    Q_OBJECT
    QString shown_;  // by the last message box

private slots:
    void enterPressesTheDefaultEscapeSaysNoAndCancelGivesNothing() {
        const auto pressWhenOpen = [this](Qt::Key key) {
            QTimer::singleShot(0, this, [this, key] {
                QWidget* box = QApplication::activeModalWidget();
                QVERIFY(box != nullptr);
                shown_ = box->property("text").toString() + " icon " +
                         QString::number(box->property("icon").toInt());
                QTest::keyClick(box->focusWidget(), key);
            });
        };
        velmora::QtDialogs dialogs;
        const QString answers[] = {"Ok ", "Yes ", "No "};
        QStringList seen;
        for (auto [first, key, icon] : {std::tuple{Answer::Yes, Qt::Key_Return, Icon::Question},
                                        {Answer::No, Qt::Key_Return, Icon::None},
                                        {Answer::Yes, Qt::Key_Escape, Icon::Critical}}) {
            pressWhenOpen(key);
            const Answer answer =
                dialogs.messageBox("1\r\n2", "", Dialogs::Buttons::YesNo, icon, first);
            seen << answers[int(answer)] + shown_;
        }
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            pressWhenOpen(key);
            seen << dialogs.inputBox("Address?", "Remote IP", "10.0.0.1");
        }
        // Icons as Qt numbers them: 4 a question, 0 none, 3 critical.
        QCOMPARE(seen, QStringList({"Yes 1\n2 icon 4", "No 1\n2 icon 0", "No 1\n2 icon 3",
                                    "10.0.0.1", ""}));
    }

    // Qt would wrap a line wider than half the screen; the program's lines stay whole.
    void aLongLineIsShownOnOneLine() {
        const QString line =
            "When selected Fast-Mode, you would hard to watch how Opponent getting marks";
        int lines = 0;
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            QVERIFY(label->fontMetrics().horizontalAdvance(line) >
                    QApplication::primaryScreen()->availableSize().width() / 2);
            lines = label->height() / label->fontMetrics().lineSpacing();
            QTest::keyClick(box->focusWidget(), Qt::Key_Return);
        });
        velmora::QtDialogs().messageBox(line + "\r\n\r\nSure?", "Fast Mode",
                                        Dialogs::Buttons::YesNo, Dialogs::Icon::Question,
                                        Answer::Yes);
        QCOMPARE(lines, 3);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
