// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash_screen.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include "clip_control.h"
#include "oval_window.h"
#include "pictures.h"
#include "program_identity.h"
#include "twips.h"

namespace velmora {

namespace {

QFont makeFont(QStringList families, double points, int weight) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setWeight(QFont::Weight(weight));
    return font;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QFont& font,
              const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QColor activeTitleBarColour(const QWidget* widget) {
    return widget->palette().color(QPalette::Active, QPalette::Highlight);
}

}  // namespace

SplashScreen::SplashScreen(std::function<QWidget*()> mainWindow, QStringList clipFolders,
                           QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      mainWindow_(std::move(mainWindow)),
      clipFolders_(std::move(clipFolders)) {
    setObjectName("frmStart");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QPixmap::fromImage(emblemImage())));
    setCursor(smileCursor());

    version_ = label(this, "lblVersion", "Version",
                     makeFont({"Times New Roman", "Liberation Serif"}, 12, QFont::Bold),
                     QColor(0, 0, 128));
    placeInTwips(version_, 1320, 2320, 1965, 285);
    QLabel* product = label(this, "lblWebCat", identity::kTitle,
                            makeFont({"Matura MT Script Capitals", "Dancing Script"}, 21.75, 600),
                            activeTitleBarColour(this));
    placeInTwips(product, 360, 1200, 4005, 585);
    QLabel* productLine =
        label(this, "lblName", "Quendle", makeFont({"Arial", "Liberation Sans"}, 18, QFont::Normal),
              palette().color(QPalette::WindowText));
    placeInTwips(productLine, 1080, 1800, 2325, 405);

    auto* maker = new QLabel(this);
    maker->setObjectName("ImageKestrane");
    maker->setPixmap(QPixmap::fromImage(makerLogoImage(maker->devicePixelRatioF())));
    placeInTwips(maker, 1480, 540, 2250, 495);
    auto* emblem = new QLabel(this);
    emblem->setObjectName("ImgCat");
    emblem->setPixmap(QPixmap::fromImage(emblemImage(emblem->devicePixelRatioF())));
    placeInTwips(emblem, 3480, 1920, 480, 480);
    // Created after the maker's logo: the animation covers the logo's left edge.
    logo_ = new ClipControl(this);
    logo_->setObjectName("AniLogo");
    logo_->setBackground(QColor(213, 227, 70));
    logo_->setAutoPlay(true);
    placeInTwips(logo_, 960, 420, 615, 615);

    for (QWidget* control : {static_cast<QWidget*>(version_), static_cast<QWidget*>(product),
                             static_cast<QWidget*>(productLine), static_cast<QWidget*>(logo_),
                             static_cast<QWidget*>(emblem), static_cast<QWidget*>(maker)}) {
        control->installEventFilter(this);
    }

    // The captions name the labels; the pictures and the clip are named here.
    // Everything on the splash hands over to the main window when clicked.
    maker->setAccessibleName(tr("The maker's logo"));
    emblem->setAccessibleName(tr("The product emblem"));
    logo_->setAccessibleName(tr("Logo animation"));
    setAccessibleDescription(tr("Click to go on to the game"));

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setInterval(8000);
    connect(timer_, &QTimer::timeout, this, &SplashScreen::handOver);
    load();
}

void SplashScreen::load() {
    setFixedSize(pixels(4800), pixels(3200));
    makeOvalWindow(this, -60, -60);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    timer_->start();
}

void SplashScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, &SplashScreen::activate);
}

void SplashScreen::activate() {
    if (activated_) {
        return;
    }
    activated_ = true;
    update();
    version_->setText(versionLine(tr("Version  ")));
    logo_->openFromFolders(clipFolders_, "A_Logo.avi");
}

void SplashScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 192, 255));
    painter.drawImage(0, 0, splashBackgroundImage());
    if (!activated_) {
        return;
    }
    // A thick rim just inside the oval outline.
    const double w = width() * kTwipsPerPixel;
    const double h = height() * kTwipsPerPixel;
    const QPointF centre((w / 2 - 60) / kTwipsPerPixel, (h / 2 - 60) / kTwipsPerPixel);
    const double rx = h / 1.35 / kTwipsPerPixel;
    const double ry = rx * (h / w);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(activeTitleBarColour(this), 20));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, rx, ry);
}

void SplashScreen::click() {
    setCursor(Qt::WaitCursor);
    // The events let in to draw the hourglass may close this window, which
    // then deletes itself: the timer's hand-over is one of them.
    const QPointer<SplashScreen> alive(this);
    QCoreApplication::processEvents();
    if (alive) {
        handOver();
    }
}

void SplashScreen::handOver() {
    QWidget* main = mainWindow_();
    main->setWindowState(main->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    main->show();
    main->activateWindow();
    timer_->stop();
    if (!unloaded_) {
        unloaded_ = true;
        close();
    }
}

void SplashScreen::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        click();
    }
}

bool SplashScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
