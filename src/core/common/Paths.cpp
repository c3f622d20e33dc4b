// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Paths {

QString dataFolder() {
    // GenericDataLocation is $XDG_DATA_HOME (or ~/.local/share).
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString dir = base + QStringLiteral("/Orvanta");
    QDir().mkpath(dir);
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
