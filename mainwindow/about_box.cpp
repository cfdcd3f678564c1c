// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_box.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "link_opener.h"
#include "pictures.h"
#include "program_identity.h"
#include "twips.h"

namespace velmora {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
              int height) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    placeInTwips(label, left, top, width, height);
    return label;
}

void makeLink(QLabel* label) {
    QFont font = dialogFont(8.25);
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->setCursor(pointingHandCursor());
}

void makeBlack(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

}  // namespace

AboutBox::AboutBox(LinkOpener& links, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      links_(links) {
    setObjectName("frmAboutVelmora");
    setWindowTitle(tr("About me"));
    setWindowIcon(QIcon(QPixmap::fromImage(aboutIconImage())));
    setFixedSize(pixels(5145), pixels(2685));
    setFont(dialogFont(8.25));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("cmdOK");
    placeInTwips(ok, 4080, 2160, 1020, 345);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    QLabel* icon = label(this, "picIcon", QString(), 240, 240, 480, 480);
    icon->setPixmap(QPixmap::fromImage(emblemImage(icon->devicePixelRatioF())));
    icon->setFixedSize(32, 32);
    makeBlack(label(this, "lblDisclaimer", tr("If any comment, please feel free  E-Mail to me"),
                    240, 2040, 3615, 225));
    title_ = label(this, "lblTitle", "Application Title", 1050, 240, 3765, 240);
    makeBlack(title_);
    version_ = label(this, "lblVersion", "Version", 1050, 600, 3645, 225);
    email_ = label(this, "lblEMail", identity::kEmail, 240, 2280, 2055, 255);
    makeLink(email_);
    label(this, "Label1", tr("Thanks for use this program"), 240, 1080, 3135, 255);
    copyright_ = label(this, "lblCopyRight", "CopyRight", 240, 1320, 3015, 255);
    webAddress_ = label(this, "lblWebAdd", "Web Site Address", 240, 1680, 4695, 255);
    makeLink(webAddress_);
    label(this, "lblPellin", "Pellin", 2640, 2280, 975, 255);
    icon->setAccessibleName(tr("The product emblem"));
    email_->setAccessibleDescription(tr("Writes an e-mail to the author"));
    webAddress_->setAccessibleDescription(tr("Opens the author's web site"));
    email_->installEventFilter(this);
    webAddress_->installEventFilter(this);
    load();
}

void AboutBox::load() {
    version_->setText(versionLine(tr("Version ")));
    title_->setText(identity::kTitle);
    copyright_->setText(identity::kLegalNotice);
    webAddress_->setText(identity::kWebAddress);
}

void AboutBox::emailClicked() {
    // A failure to start the mail program is not the box's business.
    links_.open(QUrl(QString("mailto:") + identity::kEmail));
}

void AboutBox::webAddressClicked() {
    // The address the program holds, whatever the label shows.
    links_.open(QUrl(QString(identity::kWebAddress)));
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == email_) {
            emailClicked();
            return true;
        }
        if (watched == webAddress_) {
            webAddressClicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutBox::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The etched rule under the title block: grey over white, running past
    // the right edge.
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(pixels(90), pixels(1005), pixels(5654), pixels(1005));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(pixels(105), pixels(1020) + 1, pixels(5654), pixels(1020) + 1);
}

}  // namespace velmora
