#include <QApplication>

#include "Paths.h"
#include "PortMap.h"
#include "QtCommonDialog.h"
#include "QtMessageBox.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "frmMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(ORVANTA_VERSION_MAJOR)
                                                .arg(ORVANTA_VERSION_MINOR)
                                                .arg(ORVANTA_VERSION_PATCH));

    SettingsStore settings;
    PortMap ports(Paths::portsFolder());
    QString title = QStringLiteral("Orvanta");
    QtMessageBox messages(&title);
    QtCommonDialog dialog;
    SingleInstance instance(SingleInstance::defaultName());

    frmMain w(frmMain::Deps{messages, dialog, settings, ports, Paths::readingsDatabase(), Paths::dialogFolder(),
                            &instance});
    messages.setTitleSource(&w.V.AppTitle);
    messages.setParent(&w);
    dialog.setParent(&w);
    if (!w.Form_Load()) return 0;
    return app.exec();
}
