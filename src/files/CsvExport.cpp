#include "CsvExport.h"

#include <QList>
#include <QStringList>

#include "Cp1252.h"
#include "DataEnvironment.h"
#include "Recordset.h"

namespace {
bool holdsReading(const QString& cell) { return !cell.isEmpty() && cell != DataEnvironment::kCleared; }
}  // namespace

namespace CsvExport {

QByteArray build(const Recordset& rs, bool decimalComma) {
    const QChar sep = decimalComma ? QLatin1Char(';') : QLatin1Char(',');
    const int rows = rs.State() == Recordset::adStateOpen ? rs.RecordCount() : 0;
    QList<int> sets;
    int lastRow = 0;
    for (int s = 1; s <= 30; ++s) {
        for (int r = 0; r < rows; ++r) {
            if (!holdsReading(rs.cell(r, s))) continue;
            if (!sets.contains(s)) sets.append(s);
            lastRow = qMax(lastRow, r + 1);
        }
    }
    QStringList header{QStringLiteral("Number")};
    for (int s : sets) header << QStringLiteral("Set %1").arg(s);
    QByteArray out = Cp1252::encode(header.join(sep)) + "\r\n";
    for (int r = 0; r < lastRow; ++r) {
        QStringList fields{rs.cell(r, 0)};
        for (int s : sets) {
            QString cell = rs.cell(r, s);
            if (!holdsReading(cell)) cell.clear();
            else if (decimalComma) cell.replace(QLatin1Char('.'), QLatin1Char(','));
            fields << cell;
        }
        out += Cp1252::encode(fields.join(sep)) + "\r\n";
    }
    return out;
}

}  // namespace CsvExport
