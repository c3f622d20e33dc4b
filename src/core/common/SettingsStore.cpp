// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/SettingsStore.h"

#include <QSettings>
#include <memory>

namespace {
std::unique_ptr<QSettings> open(const QString& iniFile, const QString& appName) {
    if (!iniFile.isEmpty()) return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(appName, appName);
}
}  // namespace

QString SettingsStore::value(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    const auto s = open(m_iniFile, SettingKey::App);
    s->beginGroup(section);
    const QVariant v = s->value(key);
    return v.isValid() ? v.toString() : defaultValue;
}

bool SettingsStore::setValue(const QString& section, const QString& key, const QString& value) {
    const auto s = open(m_iniFile, SettingKey::App);
    s->beginGroup(section);
    s->setValue(key, value);
    s->sync();
    return s->status() == QSettings::NoError;
}
