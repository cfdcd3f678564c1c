#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;

namespace velmora {

class ClipControl;

// `frmStart`, the program's first window: an oval with the product name, its
// caption, the version and a looping logo over a gradient. Eight seconds
// after loading, or at once on a click anywhere on it, it shows the main
// window and unloads itself; a second hand-over (the timer firing while a
// click lets events run) has no visible effect.
class SplashScreen : public QWidget {
    Q_OBJECT

public:
    // `mainWindow` makes sure the main window exists (creating and loading it
    // the first time) and returns it. `programFolder` holds the clips.
    SplashScreen(std::function<QWidget*()> mainWindow, QString programFolder,
                 QWidget* parent = nullptr);

    void Form_Load();
    void Form_Activate();
    void Timer1_Timer();
    // A click on the background or on any of the six controls.
    void Form_Click();
    void HandOver();

    QLabel* lblVersion = nullptr;
    QLabel* lblWebCat = nullptr;
    QLabel* lblName = nullptr;
    ClipControl* AniLogo = nullptr;
    QLabel* ImgCat = nullptr;
    QLabel* ImageKestrane = nullptr;
    QTimer Timer1;

    bool RimDrawn() const { return rimDrawn_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<QWidget*()> mainWindow_;
    QString programFolder_;
    bool activated_ = false;
    bool rimDrawn_ = false;
    bool unloaded_ = false;
};

}  // namespace velmora
