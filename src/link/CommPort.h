#pragma once
#include <QByteArray>
#include <QString>

#include "Registry.h"
#include "basVariables.h"

class MSComm;
class MessageBox;

/** @brief The data of the first registry value under @p subKey named "\Device\VCP" and one more
 *  character (a USB virtual serial port), or empty text. */
QString FindVcpPort(Registry& registry, Registry::HKey root, const QString& subKey);

/** @brief "COM12" gives 12: the integer value of the text after its first three characters.
 *  Raises VbError when that is not a 16-bit integer. */
std::int16_t PortNumberFromName(const QString& portName);

/** @brief Opens the meter's port with CommPortNumber and CommSettings, closing it first when
 *  open. Tells the user why when it cannot (no meter, port in use, not allowed). */
bool OpenCommPort(MSComm& comm, const basVariables& vars, MessageBox& messages);

/** @brief Writes @p command to the meter, opening the port first when it is closed. False when
 *  nothing was written. A failed write leaves the port closed for the next sender to reopen. */
bool SendMeterCommand(MSComm& comm, const basVariables& vars, MessageBox& messages, const QByteArray& command);
