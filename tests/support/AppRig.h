#pragma once
#include <QSettings>
#include <memory>

#include "Fakes.h"
#include "PortMap.h"
#include "SettingsStore.h"
#include "TestEnv.h"
#include "frmMain.h"

/** @brief A main window in a private home: real database file, real port map, settings in their
 *  own file; only the message boxes and dialogs are fakes. */
struct AppRig {
    AppRig() : settings(env.configFile()), ports(env.portsFolder()) {}
    frmMain& create() {
        w = std::make_unique<frmMain>(
            frmMain::Deps{messages, dialog, settings, ports, env.database(), env.root(), nullptr});
        return *w;
    }
    frmMain& start() {
        create();
        w->Form_Load();
        return *w;
    }
    void setSetting(const QString& key, const QString& value) {
        settings.SaveSetting(SettingKey::App, SettingKey::Section, key, value);
    }
    QString setting(const QString& key) {
        return settings.GetSetting(SettingKey::App, SettingKey::Section, key, QStringLiteral("<absent>"));
    }
    TestEnv env;
    RecordingMessageBox messages;
    ScriptedCommonDialog dialog;
    SettingsStore settings;
    PortMap ports;
    std::unique_ptr<frmMain> w;
};
