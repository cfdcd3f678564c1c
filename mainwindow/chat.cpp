// SPDX-License-Identifier: GPL-3.0-or-later
// Lines of text between the two users while they are connected.
#include <QLineEdit>
#include <QPlainTextEdit>

#include "clip_control.h"
#include "main_window.h"

namespace velmora {

namespace {

// Past this many characters the transcript starts again before a new line.
constexpr int kTranscriptLimit = 25000;

}  // namespace

bool MainWindow::sendChatLine() {
    // ISO 8859-1 on the wire; both transcripts show what travelled.
    const QByteArray text = chatLine_->text().toLatin1();
    if (!connection_.sendChat(text)) {
        return false;  // Enter is left to the box, and the text stays
    }
    addToTranscript(QString::fromLatin1(text));
    chatLine_->clear();
    return true;
}

void MainWindow::showChatLine(const QString& text) {
    addToTranscript(text);
    lamp_->play(1);
}

void MainWindow::clearChat() {
    transcript_->clear();
    transcriptLength_ = 0;
    chatLine_->clear();
}

void MainWindow::addToTranscript(const QString& line) {
    if (transcriptLength_ > kTranscriptLimit) {
        transcript_->clear();
        transcriptLength_ = 0;
    }
    // At the insertion point, which the user may have moved by clicking.
    transcript_->insertPlainText(line + "\r\n");
    transcriptLength_ += int(line.size()) + 2;
}

}  // namespace velmora
