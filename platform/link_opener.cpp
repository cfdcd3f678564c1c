// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_opener.h"

#include <QDesktopServices>

namespace velmora {

bool DesktopLinkOpener::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace velmora
