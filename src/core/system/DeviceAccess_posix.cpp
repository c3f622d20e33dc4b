// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "core/system/DeviceAccess.h"

namespace DeviceAccess {

bool mayReadWrite(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    return ::access(native.constData(), R_OK | W_OK) == 0 || errno != EACCES;
}

}  // namespace DeviceAccess
