// SPDX-License-Identifier: GPL-3.0-or-later
// The real boxes as far as our adapter decides: Enter's button, Escape's answer,
// lines broken at CR LF and nowhere else, the icon, the input box's default.
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

private slots:
    void enterPressesTheDefaultAndEscapeSaysNo() {
        // Wider than half the screen: Qt would wrap it.
        const QString line =
            "When selected Fast-Mode, you would hard to watch how Opponent getting marks";
        QString shown;  // by the last message box
        const auto pressWhenOpen = [&](Qt::Key key) {
            QTimer::singleShot(0, this, [&, key] {
                QWidget* box = QApplication::activeModalWidget();
                QVERIFY(box != nullptr);
                if (auto* label = box->findChild<QLabel*>("qt_msgbox_label")) {
                    QVERIFY(label->fontMetrics().horizontalAdvance(line) >
                            QApplication::primaryScreen()->availableSize().width() / 2);
                    shown = box->property("text").toString().replace(line, "<line>") +
                            QString(" icon %1, %2 lines")
                                .arg(box->property("icon").toInt())
                                .arg(label->height() / label->fontMetrics().lineSpacing());
                }
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
                dialogs.messageBox(line + "\r\n2", "", Dialogs::Buttons::YesNo, icon, first);
            seen << answers[int(answer)] + shown;
        }
        // The input box's default text comes back with Enter, nothing with Escape.
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            pressWhenOpen(key);
            seen << dialogs.inputBox("Address?", "Remote IP", "10.0.0.1").value_or("cancelled");
        }
        // Icons as Qt numbers them: 4 a question, 0 none, 3 critical.
        QCOMPARE(seen, QStringList({"Yes <line>\n2 icon 4, 2 lines", "No <line>\n2 icon 0, 2 lines",
                                    "No <line>\n2 icon 3, 2 lines", "10.0.0.1", "cancelled"}));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
