// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QVector>
#include <QWidget>

namespace velmora {

// Plays a short silent clip (see avi_reader.h) at the clip's own frame rate.
// Pixels of the clip's corner colour are transparent: the control's own
// background shows through them, so one clip suits any background.
class ClipControl : public QWidget {
    Q_OBJECT

public:
    explicit ClipControl(QWidget* parent = nullptr);

    // A control with automatic play starts looping as soon as a clip opens.
    void setAutoPlay(bool autoPlay) { autoPlay_ = autoPlay; }
    void setBackground(const QColor& colour);

    // Loads the clip at `path` and shows its first picture. On failure the
    // control is left empty and lastError() says why.
    bool open(const QString& path);
    QString lastError() const { return lastError_; }
    // Opens `fileName` from the first of `folders` that holds it, or its
    // "@2x" twin beside it when the control's device pixel ratio is above 1.
    // The program plays on without a clip, so a failure only writes one line
    // naming the file to stderr.
    bool openFromFolders(const QStringList& folders, const QString& fileName);

    // From the first picture, repeating until stop().
    void play();
    // From the first picture, `repeatCount` times through, then still.
    void play(int repeatCount);
    void stop();

    bool isPlaying() const { return timer_.isActive(); }
    int frameCount() const { return int(frames_.size()); }
    int currentFrame() const { return current_; }
    int frameInterval() const { return timer_.interval(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void advance();

    QVector<QImage> frames_;  // of device pixel ratio 2 when opened from a "@2x" clip
    QTimer timer_;
    QColor background_;
    QString lastError_;
    int current_ = 0;
    int repeatsLeft_ = 0;  // plays still to finish; negative: until stop()
    bool autoPlay_ = false;
};

}  // namespace velmora
