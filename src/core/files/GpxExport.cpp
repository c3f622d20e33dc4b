// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/GpxExport.h"

#include <QXmlStreamWriter>

#include "core/gps/GpsReceiver.h"
#include "core/meter/MeterFacts.h"
#include "core/store/ReadingsStore.h"
#include "core/store/SetStatistics.h"

namespace GpxExport {

QByteArray waypoints(const ReadingsStore& store, int* leftOut) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("gpx"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.topografix.com/GPX/1/1"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("creator"), QStringLiteral("Orvanta"));
    int without = 0;
    for (int set = 1; set <= Meter::kSets; ++set) {
        const SetDetails& d = store.details(set);
        if (!d.hasLocation()) {
            if (store.readingCount(set) > 0) ++without;
            continue;
        }
        xml.writeStartElement(QStringLiteral("wpt"));
        xml.writeAttribute(QStringLiteral("lat"), PositionText::degrees(*d.latitude));
        xml.writeAttribute(QStringLiteral("lon"), PositionText::degrees(*d.longitude));
        // The schema's order: ele, time, name, cmt, desc, ..., type.
        if (d.elevationM)
            xml.writeTextElement(QStringLiteral("ele"), PositionText::metres(d.elevationM));
        if (d.downloadedUtc.isValid())
            xml.writeTextElement(QStringLiteral("time"),
                                 d.downloadedUtc.toUTC().toString(Qt::ISODate));
        const QString name = QStringLiteral("Set %1").arg(set);
        xml.writeTextElement(QStringLiteral("name"),
                             d.site.isEmpty() ? name : name + QStringLiteral(": ") + d.site);
        if (!d.notes.isEmpty()) xml.writeTextElement(QStringLiteral("cmt"), d.notes);
        const SetStatistics s = SetStatistics::of(store, set);
        QString desc = QStringLiteral("%1 readings").arg(s.count);
        if (s.count > 0)
            desc +=
                QStringLiteral(", median %1 %2")
                    .arg(QString::number(s.median, 'g', 6), SetDetailFields::unitsName(s.units));
        xml.writeTextElement(QStringLiteral("desc"), desc.trimmed());
        xml.writeTextElement(QStringLiteral("type"), QStringLiteral("susceptibility set"));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    if (leftOut) *leftOut = without;
    return bytes;
}
}  // namespace GpxExport
