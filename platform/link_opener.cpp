#include "link_opener.h"

#include <QDesktopServices>

namespace velmora {

bool DesktopLinkOpener::Open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace velmora
