// SPDX-License-Identifier: GPL-3.0-or-later
#include <dirent.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <vector>

#include "core/system/DeviceAccess.h"

namespace DeviceAccess {

bool mayReadWrite(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    return ::access(native.constData(), R_OK | W_OK) == 0 || errno != EACCES;
}

QString groupToJoin(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    if ((st.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP)) return {};
    if (st.st_uid == ::getuid() || st.st_gid == ::getgid()) return {};
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<size_t>(count > 0 ? count : 0));
    if (count > 0 && ::getgroups(count, groups.data()) == count) {
        for (gid_t g : groups)
            if (g == st.st_gid) return {};  // a member already: joining again would not help
    }
    const struct group* gr = ::getgrgid(st.st_gid);
    return gr ? QString::fromLocal8Bit(gr->gr_name) : QString();
}

QString staleLock(const QString& device) {
    // The lock is named after the device's name under /dev, its slashes as underscores.
    QString name = device.startsWith(QLatin1String("/dev/")) ? device.mid(5) : device;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const char* folder : {"/run/lock", "/var/lock"}) {
        const QString lock = QLatin1String(folder) + QLatin1String("/LCK..") + name;
        QFile f(lock);
        if (!QFileInfo(lock).isFile() || !f.open(QIODevice::ReadOnly)) continue;
        bool ok = false;
        const qint64 pid =
            QString::fromLatin1(f.read(64)).simplified().section(' ', 0, 0).toLongLong(&ok);
        if (!ok || pid <= 0) continue;
        // Signal 0 only asks whether the process exists; EPERM means it does (another user's).
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return lock;
    }
    return {};
}

QStringList namesStartingWith(const QString& folder, const QStringList& prefixes) {
    QStringList out;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) return out;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        for (const QString& prefix : prefixes)
            if (name.startsWith(prefix)) {
                out.append(name);
                break;
            }
    }
    ::closedir(dir);
    out.sort();
    return out;
}

}  // namespace DeviceAccess
