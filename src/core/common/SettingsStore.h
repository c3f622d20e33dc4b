// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

/** @brief The per-user settings: section, key, every value as text. */
class SettingsStore {
public:
    /** @brief The user's own settings file; @p iniFile puts them in that file instead (tests). */
    explicit SettingsStore(QString iniFile = QString());
    virtual ~SettingsStore() = default;
    /** @brief Reads a value, or @p defaultValue when it is absent. */
    virtual QString value(const QString& section, const QString& key,
                          const QString& defaultValue) const;
    /** @brief Writes a value at once; false when the settings could not be written. */
    virtual bool setValue(const QString& section, const QString& key, const QString& value);
    /** @brief The settings file. */
    QString path() const { return m_path; }
    /** @brief Why the settings file cannot be used (a FIFO, a folder, a device: reading one could
     *  wait for ever), empty when it can. The defaults are used then, and nothing is written. */
    QString problem() const;

private:
    bool usable() const;
    QString m_iniFile;
    QString m_path;
};

/** @brief Names of the settings, in one place. */
namespace SettingKey {
inline const QString App = QStringLiteral("Orvanta");
inline const QString Section = QStringLiteral("Settings");
inline const QString StoreFunction = QStringLiteral("StoreFunction");
inline const QString CommNum = QStringLiteral("Comm Num");
/** @brief The lasting name (a /dev/serial/by-id/ name) of the device that answered as the meter. */
inline const QString Meter = QStringLiteral("Meter");
/** @brief The GPS receiver's device; empty or absent: none. Never taken for the meter. */
inline const QString GpsDevice = QStringLiteral("GPS Device");
}  // namespace SettingKey
