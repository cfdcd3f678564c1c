// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include <QAccessibleWidget>
#include <QLoggingCategory>
#include <QTimer>

#include <utility>

namespace velmora {

namespace {

// Off unless asked for (QT_LOGGING_RULES="velmora.announcer.debug=true"), so
// that a listening check can compare what was told with what Orca said.
Q_LOGGING_CATEGORY(lcAnnouncer, "velmora.announcer", QtInfoMsg)

// One utterance at a time, shown to screen readers.
class Voice : public QWidget {
    Q_OBJECT

public:
    explicit Voice(QWidget* parent) : QWidget(parent) {
        setObjectName("announcer voice");
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 1, 1);
        hide();
    }
};

QAccessibleInterface* voiceFactory(const QString&, QObject* object) {
    auto* voice = qobject_cast<Voice*>(object);
    return voice != nullptr ? new QAccessibleWidget(voice, QAccessible::Notification) : nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent), gap_(new QTimer(this)) {
    static const bool installed = [] {
        QAccessible::installFactory(voiceFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName("announcer");
    setFocusPolicy(Qt::NoFocus);
    hide();
    for (int i = 0; i < kVoices; ++i) {
        voices_ << new Voice(parent);
    }
    gap_->setSingleShot(true);
    // A coarse timer may fire early; the gap is a lower bound for Orca.
    gap_->setTimerType(Qt::PreciseTimer);
    connect(gap_, &QTimer::timeout, this, &Announcer::sayNext);
}

void Announcer::say(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    queue_ << text;
    if (!gap_->isActive()) {
        sayNext();
    }
}

void Announcer::holdFor(int milliseconds) {
    if (gap_->remainingTime() < milliseconds) {  // -1 when no gap runs
        gap_->start(milliseconds);
    }
}

void Announcer::clear() {
    queue_.clear();
}

void Announcer::sayNext() {
    if (queue_.isEmpty()) {
        return;
    }
    const QString text = queue_.takeFirst();
    // Orca speaks a notification when it appears, not when it is renamed.
    QWidget* voice = voices_[std::exchange(next_, (next_ + 1) % kVoices)];
    voice->hide();
    voice->setAccessibleName(text);
    voice->show();
    gap_->start(kSpacingMs);
    qCDebug(lcAnnouncer).noquote() << text;
    emit announced(text);
}

}  // namespace velmora

#include "announcer.moc"
