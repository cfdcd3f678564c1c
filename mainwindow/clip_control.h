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
    void SetAutoPlay(bool autoPlay) { autoPlay_ = autoPlay; }
    void SetBackground(const QColor& colour);

    // Loads the clip at `path` and shows its first picture. On failure the
    // control is left empty and LastError() says why.
    bool Open(const QString& path);
    QString LastError() const { return lastError_; }
    // Opens `fileName` in the program's `folder`. The program plays on without
    // a clip, so a failure only writes one line naming the file to stderr.
    bool OpenFromFolder(const QString& folder, const QString& fileName);

    // From the first picture, repeating until Stop.
    void Play();
    // From the first picture, `repeatCount` times through, then still.
    void Play(int repeatCount);
    void Stop();

    bool IsPlaying() const { return timer_.isActive(); }
    int FrameCount() const { return int(frames_.size()); }
    int CurrentFrame() const { return current_; }
    int FrameInterval() const { return timer_.interval(); }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Advance();

    QVector<QImage> frames_;
    QTimer timer_;
    QColor background_;
    QString lastError_;
    int current_ = 0;
    int repeatsLeft_ = 0;  // plays still to finish; negative: until Stop
    bool autoPlay_ = false;
};

}  // namespace velmora
