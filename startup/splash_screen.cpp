#include "splash_screen.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

#include "clip_control.h"
#include "oval_window.h"
#include "pictures.h"
#include "program_identity.h"
#include "twips.h"

namespace velmora {

namespace {

QFont Font(QStringList families, double points, int weight) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setWeight(QFont::Weight(weight));
    return font;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text, const QFont& font,
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

QColor ActiveTitleBarColour(const QWidget* widget) {
    return widget->palette().color(QPalette::Active, QPalette::Highlight);
}

}  // namespace

SplashScreen::SplashScreen(std::function<QWidget*()> mainWindow, QString programFolder,
                           QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      mainWindow_(std::move(mainWindow)),
      programFolder_(std::move(programFolder)) {
    setObjectName("frmStart");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QPixmap::fromImage(EmblemImage())));
    setCursor(SmileCursor());

    lblVersion =
        Label(this, "lblVersion", "Version",
              Font({"Times New Roman", "Liberation Serif"}, 12, QFont::Bold), QColor(0, 0, 128));
    PlaceInTwips(lblVersion, 1320, 2320, 1965, 285);
    lblWebCat = Label(this, "lblWebCat", identity::kTitle,
                      Font({"Matura MT Script Capitals", "Dancing Script"}, 21.75, 600),
                      ActiveTitleBarColour(this));
    PlaceInTwips(lblWebCat, 360, 1200, 4005, 585);
    lblName =
        Label(this, "lblName", "Quendle", Font({"Arial", "Liberation Sans"}, 18, QFont::Normal),
              palette().color(QPalette::WindowText));
    PlaceInTwips(lblName, 1080, 1800, 2325, 405);

    ImageKestrane = new QLabel(this);
    ImageKestrane->setObjectName("ImageKestrane");
    ImageKestrane->setPixmap(QPixmap::fromImage(MakerLogoImage()));
    PlaceInTwips(ImageKestrane, 1480, 540, 2250, 495);
    ImgCat = new QLabel(this);
    ImgCat->setObjectName("ImgCat");
    ImgCat->setPixmap(QPixmap::fromImage(EmblemImage()));
    PlaceInTwips(ImgCat, 3480, 1920, 480, 480);
    // Created after the maker's logo: the animation covers the logo's left edge.
    AniLogo = new ClipControl(this);
    AniLogo->setObjectName("AniLogo");
    AniLogo->SetBackground(QColor(213, 227, 70));
    AniLogo->SetAutoPlay(true);
    PlaceInTwips(AniLogo, 960, 420, 615, 615);

    for (QWidget* control : {static_cast<QWidget*>(lblVersion), static_cast<QWidget*>(lblWebCat),
                             static_cast<QWidget*>(lblName), static_cast<QWidget*>(AniLogo),
                             static_cast<QWidget*>(ImgCat), static_cast<QWidget*>(ImageKestrane)}) {
        control->installEventFilter(this);
    }

    Timer1.setSingleShot(false);
    Timer1.setInterval(8000);
    connect(&Timer1, &QTimer::timeout, this, &SplashScreen::Timer1_Timer);
    Form_Load();
}

void SplashScreen::Form_Load() {
    setFixedSize(Pixels(4800), Pixels(3200));
    MakeOvalWindow(this, -60, -60);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Timer1.start();
}

void SplashScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, &SplashScreen::Form_Activate);
}

void SplashScreen::Form_Activate() {
    if (activated_) {
        return;
    }
    activated_ = true;
    rimDrawn_ = true;
    update();
    lblVersion->setText(VersionLine("Version  "));
    AniLogo->OpenFromFolder(programFolder_, "A_Logo.avi");
}

void SplashScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 192, 255));
    painter.drawImage(0, 0, SplashBackgroundImage());
    if (!rimDrawn_) {
        return;
    }
    // A thick rim just inside the oval outline.
    const double w = width() * kTwipsPerPixel;
    const double h = height() * kTwipsPerPixel;
    const QPointF centre((w / 2 - 60) / kTwipsPerPixel, (h / 2 - 60) / kTwipsPerPixel);
    const double rx = h / 1.35 / kTwipsPerPixel;
    const double ry = rx * (h / w);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ActiveTitleBarColour(this), 20));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, rx, ry);
}

void SplashScreen::Timer1_Timer() {
    HandOver();
}

void SplashScreen::Form_Click() {
    setCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();
    HandOver();
}

void SplashScreen::HandOver() {
    QWidget* main = mainWindow_();
    main->setWindowState(main->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    main->show();
    main->activateWindow();
    Timer1.stop();
    if (!unloaded_) {
        unloaded_ = true;
        close();
    }
}

void SplashScreen::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Form_Click();
    }
}

bool SplashScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Form_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
