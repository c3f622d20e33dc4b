// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/Paths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Paths {

namespace {
// The program's folder under the standard @p location, created the user's alone (0700) when
// missing: sites, coordinates and flags are nobody else's on the machine.
QString privateFolder(QStandardPaths::StandardLocation location) {
    const QString dir = QStandardPaths::writableLocation(location) + QStringLiteral("/Orvanta");
    if (!QFileInfo::exists(dir) && QDir().mkpath(dir))
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return dir;
}
// GenericCacheLocation is $XDG_CACHE_HOME (or ~/.cache).
QString cacheFolder() { return privateFolder(QStandardPaths::GenericCacheLocation); }
const QString kWorkPrefix = QStringLiteral("work-");
}  // namespace

// GenericDataLocation is $XDG_DATA_HOME (or ~/.local/share).
QString dataFolder() { return privateFolder(QStandardPaths::GenericDataLocation); }

QString workFolderPattern() { return cacheFolder() + QLatin1Char('/') + kWorkPrefix + "XXXXXX"; }

void removeStaleWorkFolders() {
    QDir cache(cacheFolder());
    for (const QString& name :
         cache.entryList({kWorkPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDir stale(cache.filePath(name));
        // A few minutes old: a copy another running program is reading now is left alone.
        if (QFileInfo(stale.path()).lastModified().secsTo(QDateTime::currentDateTime()) > 600)
            stale.removeRecursively();
    }
}

QString readingsDatabase() { return dataFolder() + QStringLiteral("/Readings.db"); }

QString portsFolder() { return dataFolder() + QStringLiteral("/ports"); }

QString dialogFolder() {
    // Never the program's own folder: under `make run` that is build/, which `make clean` deletes.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace Paths
