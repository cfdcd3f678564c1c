// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

class QTimer;

namespace velmora {

// Tells a screen reader short news ("Opponent: column 4, row 7.") without
// touching the keyboard focus. Qt 6.4 has no announcement event, and Orca 43
// ignores name and description changes of whatever it is not reading, but it
// speaks an object of role Notification each time one is shown. So this is a
// 1-pixel child that paints nothing, takes neither focus nor clicks, and for
// each utterance is hidden, renamed and shown again. Orca drops all but the
// last of several shown in the same instant, so utterances wait in a queue
// and go out at least kSpacingMs apart; the first one goes out at once.
class Announcer : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSpacingMs = 150;

    explicit Announcer(QWidget* parent);

    // Queues `text`; an empty text is ignored.
    void say(const QString& text);
    // Drops what has not been said yet (a new game makes old news stale).
    void clear();
    // What is waiting to be said, oldest first.
    QStringList pending() const { return queue_; }

signals:
    // `text` has just been shown to screen readers.
    void announced(const QString& text);

private:
    void sayNext();

    QStringList queue_;
    // The only use of a clock here: the gap after an utterance.
    QTimer* gap_;
};

}  // namespace velmora
