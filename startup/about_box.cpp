#include "about_box.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <cmath>

#include "link_opener.h"
#include "pictures.h"
#include "program_identity.h"
#include "twips.h"

namespace velmora {

namespace {

QLabel* Label(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
              int height) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    PlaceInTwips(label, left, top, width, height);
    return label;
}

void MakeLink(QLabel* label) {
    QFont font = DialogFont(8.25);
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->setCursor(PointingHandCursor());
}

void MakeBlack(QLabel* label) {
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
    setWindowTitle("About me");
    setWindowIcon(QIcon(QPixmap::fromImage(AboutIconImage())));
    setFixedSize(Pixels(5145), Pixels(2685));
    setFont(DialogFont(8.25));

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    PlaceInTwips(cmdOK, 4080, 2160, 1020, 345);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    picIcon = Label(this, "picIcon", QString(), 240, 240, 480, 480);
    picIcon->setPixmap(QPixmap::fromImage(EmblemImage()));
    picIcon->setFixedSize(32, 32);
    lblDisclaimer = Label(this, "lblDisclaimer", "If any comment, please feel free  E-Mail to me",
                          240, 2040, 3615, 225);
    MakeBlack(lblDisclaimer);
    lblTitle = Label(this, "lblTitle", "Application Title", 1050, 240, 3765, 240);
    MakeBlack(lblTitle);
    lblVersion = Label(this, "lblVersion", "Version", 1050, 600, 3645, 225);
    lblEMail = Label(this, "lblEMail", identity::kEmail, 240, 2280, 2055, 255);
    MakeLink(lblEMail);
    Label1 = Label(this, "Label1", "Thanks for use this program", 240, 1080, 3135, 255);
    lblCopyRight = Label(this, "lblCopyRight", "CopyRight", 240, 1320, 3015, 255);
    lblWebAdd = Label(this, "lblWebAdd", "Web Site Address", 240, 1680, 4695, 255);
    MakeLink(lblWebAdd);
    lblPellin = Label(this, "lblPellin", "Pellin", 2640, 2280, 975, 255);
    lblEMail->installEventFilter(this);
    lblWebAdd->installEventFilter(this);
    Form_Load();
}

void AboutBox::Form_Load() {
    lblVersion->setText(VersionLine("Version "));
    lblTitle->setText(identity::kTitle);
    lblCopyRight->setText(identity::kLegalNotice);
    lblWebAdd->setText(identity::kWebAddress);
}

void AboutBox::lblEMail_Click() {
    // A failure to start the mail program is not the box's business.
    links_.Open(QUrl(QString("mailto:") + identity::kEmail));
}

void AboutBox::lblWebAdd_Click() {
    // The address the program holds, whatever the label shows.
    links_.Open(QUrl(QString(identity::kWebAddress)));
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == lblEMail) {
            lblEMail_Click();
            return true;
        }
        if (watched == lblWebAdd) {
            lblWebAdd_Click();
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
    painter.drawLine(Pixels(90), Pixels(1005), Pixels(5654), Pixels(1005));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(Pixels(105), Pixels(1020) + 1, Pixels(5654), Pixels(1020) + 1);
}

}  // namespace velmora
