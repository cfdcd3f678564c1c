// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

namespace velmora {

class LinkOpener;

// `frmAboutVelmora`: the title, version and notices, with the author's web
// site and e-mail address as links. Made afresh for every opening and shown
// modally; OK, Enter and Esc close it.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(LinkOpener& links, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void emailClicked();
    void webAddressClicked();

    LinkOpener& links_;
    QLabel* version_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* email_ = nullptr;
    QLabel* copyright_ = nullptr;
    QLabel* webAddress_ = nullptr;
};

}  // namespace velmora
