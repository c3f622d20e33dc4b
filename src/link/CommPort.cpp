#include "CommPort.h"

#include "ErrorCodes.h"
#include "MSComm.h"
#include "MessageBox.h"
#include "Messages.h"
#include "ReceiveEngine.h"

QString FindVcpPort(Registry& registry, Registry::HKey root, const QString& subKey) {
    Registry::HKey key = 0;
    if (registry.RegOpenKeyA(root, subKey, &key) != Registry::ERROR_SUCCESS) return QString();
    QString result;
    for (std::uint32_t index = 0;; ++index) {
        QByteArray name(255, ' ');
        QByteArray data(255, ' ');
        std::uint32_t nameLen = 255;
        std::uint32_t dataLen = 255;
        const long rc = registry.RegEnumValueA(key, index, name.data(), &nameLen,
                                               reinterpret_cast<std::uint8_t*>(data.data()), &dataLen);
        if (rc == Registry::ERROR_NO_MORE_ITEMS) break;
        if (dataLen > 0) {
            // The name length excludes the terminating zero, so this drops the name's last
            // character ("\Device\VCP0" becomes "\Device\VCP"); the data length includes it.
            const QByteArray shortName = name.left(qMax<qsizetype>(0, qMin<qsizetype>(nameLen, 255) - 1));
            const QByteArray shortData = data.left(qMax<qsizetype>(0, qMin<qsizetype>(dataLen, 255) - 1));
            if (shortName == "\\Device\\VCP") {
                result = QString::fromLatin1(shortData);
                break;
            }
        }
    }
    registry.RegCloseKey(key);
    return result;
}

std::int16_t PortNumberFromName(const QString& portName) { return ToInteger(portName.mid(3)); }

bool OpenCommPort(MSComm& comm, const basVariables& vars, MessageBox& messages) {
    try {
        if (comm.PortOpen()) comm.setPortOpen(false);
        comm.setCommPort(vars.CommPortNumber);
        comm.setSettings(vars.CommSettings);
        comm.setPortOpen(true);
        comm.setRThreshold(1);
        return true;
    } catch (const VbError& e) {
        switch (e.number()) {
            case ErrorCode::CommInvalidPort: messages.MsgBox(Msg::MeterNotConnected); break;
            case ErrorCode::CommPortInUse: messages.MsgBox(Msg::PortInUse); break;
            case ErrorCode::PermissionDenied: messages.MsgBox(Msg::PortPermission); break;
            default: break;
        }
        return false;
    }
}

bool SendMeterCommand(MSComm& comm, const basVariables& vars, MessageBox& messages, const QByteArray& command) {
    if (!comm.PortOpen() && !OpenCommPort(comm, vars, messages)) return false;
    try {
        comm.setOutput(command);
        return true;
    } catch (const VbError&) {
        return false;
    }
}
