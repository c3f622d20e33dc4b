// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/SettingsStore.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

#include "core/common/Messages.h"

namespace {
std::unique_ptr<QSettings> open(const QString& iniFile, const QString& appName) {
    if (!iniFile.isEmpty()) return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(appName, appName);
}
}  // namespace

SettingsStore::SettingsStore(QString iniFile)
    : m_iniFile(std::move(iniFile)),
      m_path(!m_iniFile.isEmpty()
                 ? m_iniFile
                 : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QLatin1Char('/') + SettingKey::App + QLatin1Char('/') + SettingKey::App +
                       QStringLiteral(".conf")) {}

bool SettingsStore::usable() const {
    const QFileInfo fi(m_path);
    return !fi.exists() || fi.isFile();
}

QString SettingsStore::problem() const {
    return usable() ? QString() : Msg::SettingsNotRegular.arg(m_path);
}

QString SettingsStore::value(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    if (!usable()) return defaultValue;
    const auto s = open(m_iniFile, SettingKey::App);
    s->beginGroup(section);
    const QVariant v = s->value(key);
    return v.isValid() ? v.toString() : defaultValue;
}

bool SettingsStore::setValue(const QString& section, const QString& key, const QString& value) {
    if (!usable()) return false;
    const auto s = open(m_iniFile, SettingKey::App);
    s->beginGroup(section);
    s->setValue(key, value);
    s->sync();
    return s->status() == QSettings::NoError;
}
