// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

class QTimer;

namespace velmora {

// Tells a screen reader short news ("Opponent: column 4, row 7.") without
// touching the keyboard focus. Qt 6.4 has no announcement event, and Orca 43
// ignores name and description changes of whatever it is not reading, but it
// speaks an object of role Notification each time one is shown. So each
// utterance is one of kVoices 1-pixel siblings that paint nothing and take
// neither focus nor clicks, hidden, renamed and shown again, in turn. Orca
// drops all but the last of several shown in the same instant, so utterances
// wait in a queue and go out at least kSpacingMs apart; the first one goes out
// at once. Orca reads the name when it gets to the event, which may be some
// utterances later while it is busy: by then the next ones have gone to other
// voices, so each is still read as it was said. The Announcer itself stays
// hidden.
class Announcer : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSpacingMs = 150;
    static constexpr int kVoices = 8;
    // Orca takes up to 300 ms to read a cell the focus moved to (a whole row
    // on Up and Down); news waits that long after the focus moves.
    static constexpr int kAfterFocusMoveMs = 300;

    explicit Announcer(QWidget* parent);

    // Queues `text`; an empty text is ignored.
    void say(const QString& text);
    // Something else is being read just now (the keyboard focus moved): the
    // next utterance waits at least `milliseconds`, as Orca drops a
    // notification shown while it takes in a focus change.
    void holdFor(int milliseconds);
    // Drops what has not been said yet (a new game makes old news stale).
    void clear();
    // What is waiting to be said, oldest first.
    QStringList pending() const { return queue_; }

signals:
    // `text` has just been shown to screen readers.
    void announced(const QString& text);

private:
    void sayNext();

    QList<QWidget*> voices_;
    int next_ = 0;
    QStringList queue_;
    // The only use of a clock here: the gap after an utterance.
    QTimer* gap_;
};

}  // namespace velmora
