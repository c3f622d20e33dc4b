// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Paths {

QString dataFolder() {
    // GenericDataLocation is $XDG_DATA_HOME (or ~/.local/share).
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString dir = base + QStringLiteral("/Orvanta");
    // Sites, coordinates and flags are the user's: nobody else on the machine reads them.
    if (!QFileInfo::exists(dir) && QDir().mkpath(dir))
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return dir;
}

QString readingsDatabase() { return dataFolder() + QStringLiteral("/Readings.db"); }

QString portsFolder() { return dataFolder() + QStringLiteral("/ports"); }

QString dialogFolder() {
    // Never the program's own folder: under `make run` that is build/, which `make clean` deletes.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace Paths
