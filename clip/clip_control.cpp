// SPDX-License-Identifier: GPL-3.0-or-later
#include "clip_control.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>

#include "avi_reader.h"

namespace velmora {

namespace {

// Larger files are not clips of the kind these controls play.
constexpr qint64 kMaxClipFileBytes = 32 * 1024 * 1024;

}  // namespace

ClipControl::ClipControl(QWidget* parent)
    : QWidget(parent), background_(palette().window().color()) {
    // Every paint fills the whole control first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ClipControl::advance);
}

void ClipControl::setBackground(const QColor& colour) {
    background_ = colour;
    update();
}

bool ClipControl::open(const QString& path) {
    stop();
    frames_.clear();
    current_ = 0;
    update();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        lastError_ = path + ": " + file.errorString();
        return false;
    }
    if (file.size() > kMaxClipFileBytes) {
        lastError_ = path + ": the file is too large for a clip";
        return false;
    }
    const QByteArray bytes = file.readAll();
    const AviReadResult result =
        readAvi(reinterpret_cast<const uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
    if (!result.ok) {
        lastError_ = path + ": " + QString::fromStdString(result.error);
        return false;
    }
    const AviClip& clip = result.clip;
    const uint32_t key = clip.frames.front().front();
    for (const std::vector<uint32_t>& pixels : clip.frames) {
        // Premultiplied, as the painter blends it: any other format is
        // converted on every paint, on Qt's worker threads.
        QImage image(clip.width, clip.height, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < clip.height; ++y) {
            auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
            for (int x = 0; x < clip.width; ++x) {
                const uint32_t pixel = pixels[std::size_t(y) * clip.width + x];
                line[x] = pixel == key ? 0u : pixel;
            }
        }
        frames_.append(image);
    }
    timer_.setInterval(std::max(1, clip.microsecondsPerFrame / 1000));
    lastError_.clear();
    if (autoPlay_) {
        play();
    }
    return true;
}

bool ClipControl::openFromFolders(const QStringList& folders, const QString& fileName) {
    // On a screen of more than one device pixel to a layout pixel, the clip
    // drawn at twice the resolution beside the named one ("A_Logo@2x.avi", as
    // Qt names its pictures) shows the same picture in the same place, in the
    // screen's finer pixels. Without one, the named clip is scaled up.
    QString finer = fileName;
    finer.insert(fileName.contains('.') ? fileName.lastIndexOf('.') : fileName.size(), "@2x");
    QString firstError;
    for (const QString& folder : folders) {
        if (devicePixelRatioF() > 1 && open(folder + "/" + finer)) {
            for (QImage& frame : frames_) {
                frame.setDevicePixelRatio(2);
            }
            return true;
        }
        if (open(folder + "/" + fileName)) {
            return true;
        }
        if (firstError.isEmpty()) {
            firstError = lastError_;
        }
    }
    lastError_ = firstError.isEmpty() ? fileName + ": no folder to look in" : firstError;
    qWarning().noquote() << "velmora: cannot play" << lastError_;
    return false;
}

void ClipControl::play() {
    play(-1);
}

void ClipControl::play(int repeatCount) {
    if (frames_.isEmpty()) {
        return;
    }
    current_ = 0;
    repeatsLeft_ = repeatCount;
    update();
    timer_.start();
}

void ClipControl::stop() {
    timer_.stop();
}

void ClipControl::advance() {
    if (current_ + 1 < frames_.size()) {
        ++current_;
    } else if (repeatsLeft_ < 0 || --repeatsLeft_ > 0) {
        current_ = 0;
    } else {
        timer_.stop();
    }
    update();
}

void ClipControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (frames_.isEmpty()) {
        return;
    }
    const QImage& frame = frames_.at(current_);
    // A clip larger than the control is shrunk to fit, never cut; it, and a
    // finer clip on a screen of a ratio other than its own, are scaled smoothly.
    QSize size = frame.deviceIndependentSize().toSize();
    if (size.width() > width() || size.height() > height()) {
        size.scale(this->size(), Qt::KeepAspectRatio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    } else if (frame.devicePixelRatio() > 1 && frame.devicePixelRatio() != devicePixelRatioF()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawImage(target, frame);
}

void ClipControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked();
    }
}

}  // namespace velmora
