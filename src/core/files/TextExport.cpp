// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/TextExport.h"

#include "core/files/Cp1252.h"
#include "core/meter/MeterFacts.h"

namespace TextExport {

QByteArray headerLine() {
    QByteArray line = "Number\t";
    for (int i = 1; i <= Meter::kSets; ++i) line += "Set " + QByteArray::number(i) + '\t';
    return line + "\r\n";
}

QByteArray rowLine(const QStringList& fields) {
    QByteArray line;
    for (const QString& f : fields) line += Cp1252::encode(f) + '\t';
    return line + "\r\n";
}

}  // namespace TextExport
