// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/CsvExport.h"

#include <QList>
#include <QStringList>

#include "core/files/Cp1252.h"
#include "core/meter/MeterFacts.h"
#include "core/store/ReadingsStore.h"

namespace CsvExport {

QString quoted(QString text, QChar sep) {
    if (!text.contains(sep) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

namespace {
// A spreadsheet takes a cell that starts so for a formula (or, after a tab or carriage return,
// may still): "=cmd|' /C calc'!A0", "@SUM(A1)", "+1+1".
bool startsFormula(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char('\'')) ++i;
    if (i >= text.size()) return false;
    const QChar c = text[i];
    return c == QLatin1Char('=') || c == QLatin1Char('+') || c == QLatin1Char('-') ||
           c == QLatin1Char('@') || c == QLatin1Char('\t') || c == QLatin1Char('\r');
}
}  // namespace

QString textField(const QString& text, QChar sep) {
    return quoted(startsFormula(text) ? QLatin1Char('\'') + text : text, sep);
}

QString fromTextField(const QString& field) {
    return field.startsWith(QLatin1Char('\'')) && startsFormula(field) ? field.mid(1) : field;
}

QByteArray build(const ReadingsStore& store, bool decimalComma) {
    QList<int> sets;
    for (int s = 1; s <= Meter::kSets; ++s) {
        for (int r = 0; r < store.rowCount(); ++r) {
            if (!store.holdsReading(s, r + 1)) continue;
            sets.append(s);
            break;
        }
    }
    return build(store, decimalComma, sets);
}

QByteArray build(const ReadingsStore& store, bool decimalComma, const QList<int>& sets) {
    const QChar sep = decimalComma ? QLatin1Char(';') : QLatin1Char(',');
    int lastRow = 0;
    for (int s : sets)
        for (int r = 0; r < store.rowCount(); ++r)
            if (store.holdsReading(s, r + 1)) lastRow = qMax(lastRow, r + 1);
    // A set with flagged readings has a column of their reasons beside its own, so a flagged
    // reading is never taken for a good one; a set without keeps its one column.
    QList<int> flagged;
    for (int s : sets)
        for (int r = 1; r <= store.rowCount(); ++r)
            if (!store.flag(s, r).isEmpty()) {
                flagged << s;
                break;
            }
    QStringList header{QStringLiteral("Number")};
    for (int s : sets) {
        header << QStringLiteral("Set %1").arg(s);
        if (flagged.contains(s)) header << QStringLiteral("Set %1 flag").arg(s);
    }
    QByteArray out = Cp1252::encode(header.join(sep)) + "\r\n";
    for (int r = 0; r < lastRow; ++r) {
        QStringList fields{quoted(store.cell(r, 0), sep)};
        for (int s : sets) {
            QString cell = store.cell(r, s);
            if (!store.holdsReading(s, r + 1))
                cell.clear();
            else if (decimalComma)
                cell.replace(QLatin1Char('.'), QLatin1Char(','));
            fields << quoted(cell, sep);
            if (flagged.contains(s)) fields << textField(store.flag(s, r + 1), sep);
        }
        out += Cp1252::encode(fields.join(sep)) + "\r\n";
    }
    return out;
}

}  // namespace CsvExport
