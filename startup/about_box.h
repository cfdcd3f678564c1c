#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmora {

class LinkOpener;

// `frmAboutVelmora`: the title, version and notices, with the author's web
// site and e-mail address as links. Made afresh for every opening and shown
// modally; OK, Enter and Esc close it.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(LinkOpener& links, QWidget* parent = nullptr);

    void Form_Load();
    void lblEMail_Click();
    void lblWebAdd_Click();

    QPushButton* cmdOK = nullptr;
    QLabel* picIcon = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblEMail = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblCopyRight = nullptr;
    QLabel* lblWebAdd = nullptr;
    QLabel* lblPellin = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LinkOpener& links_;
};

}  // namespace velmora
