// SPDX-License-Identifier: GPL-3.0-or-later
// The announcer as a screen reader finds it: a notification shown anew for each
// utterance (Orca speaks one as it appears), in order and spaced, focus untouched.
#include <QAccessible>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include "announcer.h"

class AnnouncerTest : public QObject {
    Q_OBJECT

    QStringList shown_;  // "show NAME" or "hide"

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(watched);
            shown_ << "show " + face->text(QAccessible::Name);
        } else if (event->type() == QEvent::Hide) {
            shown_ << "hide";
        }
        return false;
    }

private slots:
    void eachUtteranceIsANotificationShownAnewInOrderAndSpaced() {
        QWidget window;
        auto* line = new QLineEdit(&window);
        auto* announcer = new velmora::Announcer(&window);
        window.show();
        line->setFocus();
        const QList<QWidget*> voices = window.findChildren<QWidget*>("announcer voice");
        for (QWidget* voice : voices) {
            voice->installEventFilter(this);
        }
        QStringList said;
        QList<qint64> times;
        QElapsedTimer clock;
        clock.start();
        connect(announcer, &velmora::Announcer::announced,
                [&](const QString& text) { said << text, times << clock.elapsed(); });
        for (const char* text : {"Yours.", "", "Opponent: column 4, row 7.", "Your turn."})
            announcer->say(text);
        QCOMPARE(announcer->pending(), QStringList({"Opponent: column 4, row 7.", "Your turn."}));
        QTRY_COMPARE(said, QStringList({"Yours.", "Opponent: column 4, row 7.", "Your turn."}));
        // Each by another voice: Orca, late to an event, still reads it as it was said.
        QCOMPARE(shown_, QStringList({"show Yours.", "show Opponent: column 4, row 7.",
                                      "show Your turn."}));
        QCOMPARE(voices.size(), velmora::Announcer::kVoices);
        QCOMPARE(QAccessible::queryAccessibleInterface(voices[0])->text(QAccessible::Name),
                 "Yours.");
        QVERIFY2(times[1] - times[0] >= 100 && times[2] - times[1] >= 100, "too close for Orca");
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(voices[2]);
        QCOMPARE(face->role(), QAccessible::Notification);
        QVERIFY(!face->state().invisible && !face->state().focusable && !face->state().focused);
        QCOMPARE(QApplication::focusWidget(), line);
        // A new game drops what has not been said yet.
        QTest::qWait(2 * velmora::Announcer::kSpacingMs);
        announcer->say("Old news."), announcer->say("Older news."), announcer->clear();
        QTest::qWait(2 * velmora::Announcer::kSpacingMs);
        QCOMPARE(said.mid(3), QStringList({"Old news."}));
    }
};

QTEST_MAIN(AnnouncerTest)
#include "announcer_test.moc"
