#include "SettingsStore.h"

#include <QSettings>

QString SettingsStore::GetSetting(const QString& appName, const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    QSettings s(appName, appName);
    s.beginGroup(section);
    const QVariant v = s.value(key);
    return v.isValid() ? v.toString() : defaultValue;
}

void SettingsStore::SaveSetting(const QString& appName, const QString& section, const QString& key,
                                const QString& value) {
    QSettings s(appName, appName);
    s.beginGroup(section);
    s.setValue(key, value);
    s.sync();
}
