// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/LasExport.h"

#include <QStringList>
#include <cmath>

#include "core/store/ReadingsStore.h"

namespace LasExport {
namespace {
// A header line: "MNEM.UNIT  DATA : DESCRIPTION". Some readers take the data up to the line's
// last colon, others up to its first: the line holds one colon, so both read it alike. A colon in
// typed text becomes a semicolon, a line break a space; the description holds none.
QString line(const QString& mnemonic, const QString& unit, QString data,
             const QString& description) {
    data.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    data.replace(QLatin1Char(':'), QLatin1Char(';'));
    const QString key = QLatin1Char(' ') + mnemonic + QLatin1Char('.') + unit;
    return key.leftJustified(12) + QLatin1Char(' ') + data.trimmed().leftJustified(28) +
           QStringLiteral(" : ") + description + QLatin1Char('\n');
}
// Depths in metres to a tenth of a millimetre: no binary noise from the sums. A depth a hair
// below zero rounds to -0, which Qt writes as 0.0000.
QString metres(double v) { return QString::number(std::round(v * 10000.0) / 10000.0, 'f', 4); }
}  // namespace

QByteArray build(const ReadingsStore& store, int set, Reason* why) {
    const SetDetails& d = store.details(set);
    if (!d.depthM || !d.spacingM || *d.spacingM <= 0) {
        *why = Reason::of(Why::NoDepthAndSpacing, set);
        return {};
    }
    int last = 0;
    for (int p = 1; p <= store.rowCount(); ++p)
        if (store.holdsReading(set, p)) last = p;
    if (last == 0) {
        *why = Reason::of(Why::SetEmpty, set);
        return {};
    }
    const QString units = d.units ? Meter::unitsName(*d.units) : QString();
    QString out;
    out += QStringLiteral("~Version Information\n");
    out += line(QStringLiteral("VERS"), {}, QStringLiteral("2.0"),
                QStringLiteral("CWLS LOG ASCII STANDARD - VERSION 2.0"));
    out += line(QStringLiteral("WRAP"), {}, QStringLiteral("NO"),
                QStringLiteral("ONE LINE PER DEPTH STEP"));
    out += QStringLiteral("~Well Information\n");
    out += line(QStringLiteral("STRT"), QStringLiteral("M"), metres(*d.depthAt(1)),
                QStringLiteral("START DEPTH"));
    out += line(QStringLiteral("STOP"), QStringLiteral("M"), metres(*d.depthAt(last)),
                QStringLiteral("STOP DEPTH"));
    out += line(QStringLiteral("STEP"), QStringLiteral("M"), metres(*d.spacingM),
                QStringLiteral("STEP"));
    out +=
        line(QStringLiteral("NULL"), {}, QString::fromLatin1(kNull), QStringLiteral("NULL VALUE"));
    out += line(QStringLiteral("WELL"), {}, d.site, QStringLiteral("WELL"));
    out += line(QStringLiteral("LOC"), {},
                d.latitude && d.longitude
                    ? QStringLiteral("%1 %2").arg(QString::number(*d.latitude, 'g', 10),
                                                  QString::number(*d.longitude, 'g', 10))
                    : QString(),
                QStringLiteral("LOCATION (WGS 84 LATITUDE LONGITUDE)"));
    out += line(QStringLiteral("DATE"), {},
                // ISO 8601's basic form: the time without colons.
                d.downloadedUtc.isValid()
                    ? d.downloadedUtc.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"))
                    : QString(),
                QStringLiteral("DOWNLOAD DATE (UTC)"));
    out += QStringLiteral("~Curve Information\n");
    out += line(QStringLiteral("DEPT"), QStringLiteral("M"), {}, QStringLiteral("DEPTH"));
    out += line(QStringLiteral("SUSC"), units, {},
                units.isEmpty() ? QStringLiteral("MAGNETIC SUSCEPTIBILITY (UNITS NOT KNOWN)")
                                : QStringLiteral("MAGNETIC SUSCEPTIBILITY"));
    out += QStringLiteral("~Parameter Information\n");
    out += line(QStringLiteral("SET"), {}, QString::number(set), QStringLiteral("METER SET"));
    out += line(QStringLiteral("OPER"), {}, d.operatorName, QStringLiteral("OPERATOR"));
    out += line(QStringLiteral("DEVI"), {}, d.device, QStringLiteral("DEVICE"));
    out += line(QStringLiteral("ELEV"), QStringLiteral("M"),
                d.elevationM ? QString::number(*d.elevationM, 'g', 10) : QString(),
                QStringLiteral("ELEVATION"));
    out += line(QStringLiteral("NOTE"), {}, d.notes, QStringLiteral("NOTES"));
    out += QStringLiteral("~A  DEPT        SUSC\n");
    for (int p = 1; p <= last; ++p) {
        // A flagged reading is no value of the log, as a cleared or unreadable position.
        const QString value =
            store.countsAsReading(set, p) ? store.reading(set, p) : QString::fromLatin1(kNull);
        out += QLatin1Char(' ') + metres(*d.depthAt(p)).rightJustified(10) + QStringLiteral("  ") +
               value + QLatin1Char('\n');
    }
    return out.toUtf8();
}
}  // namespace LasExport
