// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

namespace velmora {

// Hands a web address or a mail link to the desktop's default handler.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // False when nothing could be started.
    virtual bool open(const QUrl& url) = 0;
};

// The desktop's own handler, started directly with the link as its one
// argument: no shell sees the text, so none of it can run as a command.
class DesktopLinkOpener : public LinkOpener {
public:
    bool open(const QUrl& url) override;
};

}  // namespace velmora
