// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "identity.h"

namespace velmora {

// `prefix` followed by major.minor.revision, each a plain decimal number.
inline QString versionLine(const QString& prefix) {
    return prefix + QString::number(identity::kVersionMajor) + "." +
           QString::number(identity::kVersionMinor) + "." +
           QString::number(identity::kVersionRevision);
}

}  // namespace velmora
