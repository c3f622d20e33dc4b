// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SurveyExport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/files/CsvExport.h"
#include "core/meter/Numbers.h"
#include "core/store/ReadingsStore.h"
#include "core/store/SetStatistics.h"

namespace SurveyExport {

namespace {
QString utcText(const QDateTime& t) {
    return t.isValid() ? t.toUTC().toString(Qt::ISODate) : QString();
}
QJsonValue orNull(const std::optional<double>& v) { return v ? QJsonValue(*v) : QJsonValue(); }
QJsonValue orNull(const QString& text) { return text.isEmpty() ? QJsonValue() : QJsonValue(text); }
QString optionalText(const std::optional<double>& v) { return v ? figure(*v) : QString(); }
}  // namespace

QString figure(double value) { return SetDetailFields::number(value); }
QString shown(double value) { return QString::number(value, 'g', 6); }

QList<int> setsInUse(const ReadingsStore& store) {
    QList<int> sets;
    for (int s = 1; s <= Meter::kSets; ++s)
        if (store.readingCount(s) > 0 || store.details(s) != SetDetails{}) sets.append(s);
    return sets;
}

QByteArray longTable(const ReadingsStore& store, bool decimalComma) {
    // A table without a reading's place keeps the columns it always had.
    const bool placed = !store.places().isEmpty();
    const QChar sep = decimalComma ? QLatin1Char(';') : QLatin1Char(',');
    // A number in the language's form: the meter's text or a figure, its point a comma.
    const auto number = [decimalComma](QString text) {
        if (decimalComma) text.replace(QLatin1Char('.'), QLatin1Char(','));
        return text;
    };
    QString header = placed ? kLongHeader + kLongPlaceColumns : kLongHeader;
    if (decimalComma) header.replace(QLatin1Char(','), sep);
    QByteArray out = header.toUtf8() + "\r\n";
    for (int set = 1; set <= Meter::kSets; ++set) {
        const SetDetails& d = store.details(set);
        // The set's own fields, the same on each of its rows.
        const QString tail =
            QStringList{CsvExport::quoted(SetDetailFields::unitsName(d.units), sep),
                        CsvExport::textField(d.site, sep),
                        number(optionalText(d.latitude)),
                        number(optionalText(d.longitude)),
                        number(optionalText(d.elevationM)),
                        utcText(d.downloadedUtc),
                        CsvExport::textField(d.operatorName, sep),
                        CsvExport::textField(d.notes, sep),
                        d.complete ? QStringLiteral("true") : QStringLiteral("false")}
                .join(sep);
        for (int p = 1; p <= store.rowCount(); ++p) {
            if (!store.holdsReading(set, p)) continue;
            const QString value = store.reading(set, p);
            const QString row = QStringList{QString::number(set), QString::number(p),
                                            number(optionalText(d.depthAt(p))),
                                            CsvExport::quoted(number(value), sep)}
                                    .join(sep);
            QString line = row + sep + tail + sep + CsvExport::textField(store.flag(set, p), sep);
            if (placed) {
                const std::optional<ReadingPlace> at = store.place(set, p);
                line +=
                    sep +
                    (at ? QStringList{number(figure(at->latitude)), number(figure(at->longitude)),
                                      number(optionalText(at->elevationM)), utcText(at->fixUtc)}
                              .join(sep)
                        : QString(3, sep));
            }
            out += line.toUtf8() + "\r\n";
        }
    }
    return out;
}

QJsonObject statisticsObject(const SetStatistics& s) {
    // A figure of no reading is none, not 0.
    const auto figure = [&s](double v) { return s.count > 0 ? QJsonValue(v) : QJsonValue(); };
    return QJsonObject{
        {QStringLiteral("set"), s.set},
        {QStringLiteral("units"), orNull(SetDetailFields::unitsName(s.units))},
        {QStringLiteral("count"), s.count},
        {QStringLiteral("mean"), figure(s.mean)},
        {QStringLiteral("median"), figure(s.median)},
        {QStringLiteral("sd"), orNull(s.sd)},
        {QStringLiteral("min"), figure(s.min)},
        {QStringLiteral("max"), figure(s.max)},
        {QStringLiteral("geometric_mean"), orNull(s.geometricMean)},
    };
}

QByteArray geoJson(const ReadingsStore& store, int* leftOut) {
    QJsonArray features;
    int without = 0;
    // Every point of a file has the same dimension: readers give a 2D point among 3D ones an
    // elevation of 0. Where some sets have an elevation and some none, every point is 2D and
    // the elevation is a property.
    // Readings kept with a place of their own are points too.
    bool withHeight = false, withoutHeight = false;
    for (int set = 1; set <= Meter::kSets; ++set) {
        const SetDetails& d = store.details(set);
        if (!d.hasLocation()) continue;
        (d.elevationM ? withHeight : withoutHeight) = true;
    }
    const QVector<ReadingsStore::PlacedReading> placed = store.places();
    for (const ReadingsStore::PlacedReading& p : placed)
        (p.place.elevationM ? withHeight : withoutHeight) = true;
    const bool mixed = withHeight && withoutHeight;
    const auto point = [mixed](double longitude, double latitude,
                               const std::optional<double>& elevation) {
        QJsonArray coordinates{longitude, latitude};
        if (elevation && !mixed) coordinates.append(*elevation);
        return QJsonObject{{QStringLiteral("type"), QStringLiteral("Point")},
                           {QStringLiteral("coordinates"), coordinates}};
    };
    for (int set = 1; set <= Meter::kSets; ++set) {
        const SetDetails& d = store.details(set);
        if (!d.hasLocation()) {
            if (store.readingCount(set) > 0) ++without;
            continue;
        }
        QJsonObject properties = statisticsObject(SetStatistics::of(store, set));
        if (mixed) properties.insert(QStringLiteral("elevation_m"), orNull(d.elevationM));
        properties.insert(QStringLiteral("site"), orNull(d.site));
        properties.insert(QStringLiteral("downloaded_utc"), orNull(utcText(d.downloadedUtc)));
        properties.insert(QStringLiteral("operator"), orNull(d.operatorName));
        properties.insert(QStringLiteral("notes"), orNull(d.notes));
        properties.insert(QStringLiteral("complete"), d.complete);
        features.append(QJsonObject{
            {QStringLiteral("type"), QStringLiteral("Feature")},
            {QStringLiteral("geometry"), point(*d.longitude, *d.latitude, d.elevationM)},
            {QStringLiteral("properties"), properties},
        });
    }
    for (const ReadingsStore::PlacedReading& p : placed) {
        const SetDetails& d = store.details(p.set);
        QJsonObject properties{
            {QStringLiteral("set"), p.set},
            {QStringLiteral("position"), p.position},
            // The reading as the meter sent it, and as a number for a map's colours.
            {QStringLiteral("value"), store.reading(p.set, p.position)},
            {QStringLiteral("reading"), orNull(Numbers::toReal(store.reading(p.set, p.position)))},
            {QStringLiteral("units"), orNull(SetDetailFields::unitsName(d.units))},
            {QStringLiteral("depth_m"), orNull(d.depthAt(p.position))},
            {QStringLiteral("flag"), orNull(store.flag(p.set, p.position))},
            {QStringLiteral("fix_utc"), orNull(utcText(p.place.fixUtc))},
        };
        if (mixed) properties.insert(QStringLiteral("elevation_m"), orNull(p.place.elevationM));
        features.append(QJsonObject{
            {QStringLiteral("type"), QStringLiteral("Feature")},
            {QStringLiteral("geometry"),
             point(p.place.longitude, p.place.latitude, p.place.elevationM)},
            {QStringLiteral("properties"), properties},
        });
    }
    if (leftOut) *leftOut = without;
    const QJsonObject collection{{QStringLiteral("type"), QStringLiteral("FeatureCollection")},
                                 {QStringLiteral("features"), features}};
    return QJsonDocument(collection).toJson(QJsonDocument::Indented);
}

QStringList detailLines(const ReadingsStore& store, int set) {
    const SetDetails& d = store.details(set);
    QStringList lines;
    for (DetailField f : SetDetailFields::all()) {
        const QString text = SetDetailFields::text(d, f);
        if (!text.isEmpty())
            lines << SetDetailFields::label(f) + QStringLiteral(": ") +
                         QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    return lines + factLines(store, set);
}

QStringList factLines(const ReadingsStore& store, int set) {
    const SetDetails& d = store.details(set);
    QStringList lines;
    const QString units = SetDetailFields::unitsName(d.units);
    lines << QCoreApplication::translate("SurveyExport", "Units: ") +
                 (units.isEmpty() ? QCoreApplication::translate("SurveyExport", "not known")
                                  : units);
    if (d.downloadedUtc.isValid())
        lines << QCoreApplication::translate("SurveyExport", "Downloaded: ") +
                     utcText(d.downloadedUtc) +
                     (d.device.isEmpty()
                          ? QString()
                          : QCoreApplication::translate("SurveyExport", " from ") + d.device);
    // Flagged readings are among those held, and out of every statistic: said, so that the
    // count here and the statistics' count agree once they are taken away.
    int flagged = 0;
    for (int p = 1; p <= store.rowCount(); ++p)
        if (store.holdsReading(set, p) && !store.flag(set, p).isEmpty()) ++flagged;
    lines << QCoreApplication::translate("SurveyExport", "Readings: %1%2%3%4")
                 .arg(store.readingCount(set))
                 .arg(flagged > 0
                          ? QCoreApplication::translate("SurveyExport", ", %1 flagged").arg(flagged)
                          : QString())
                 .arg(d.unreadable > 0
                          ? QCoreApplication::translate("SurveyExport", ", %1 unreadable")
                                .arg(d.unreadable)
                          : QString())
                 .arg(d.complete ? QString()
                                 : QCoreApplication::translate("SurveyExport", " (incomplete)"));
    return lines;
}

QString summaryHtml(const ReadingsStore& store, const QString& title, const QDateTime& printed) {
    QString html =
        QStringLiteral("<html><body><h2>%1</h2><p>%2</p>")
            .arg(title.toHtmlEscaped(),
                 QCoreApplication::translate("SurveyExport", "Printed %1")
                     .arg(printed.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm 'UTC'")))
                     .toHtmlEscaped());
    const QList<int> sets = setsInUse(store);
    if (sets.isEmpty())
        html += QStringLiteral("<p>%1</p>")
                    .arg(QCoreApplication::translate("SurveyExport",
                                                     "No set holds readings or details."));
    for (int set : sets) {
        html +=
            QStringLiteral("<h3>%1</h3><p>")
                .arg(
                    QCoreApplication::translate("SurveyExport", "Set %1").arg(set).toHtmlEscaped());
        QStringList lines = detailLines(store, set);
        lines << QCoreApplication::translate("SurveyExport", "Statistics: %1")
                     .arg(statisticsLine(store, set));
        for (QString& line : lines) line = line.toHtmlEscaped();
        html += lines.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
    }
    return html + QStringLiteral("</body></html>");
}

QString statisticsLine(const ReadingsStore& store, int set) {
    const SetStatistics s = SetStatistics::of(store, set);
    if (s.count == 0) return QCoreApplication::translate("SurveyExport", "No readings");
    const QString units = SetDetailFields::unitsName(s.units);
    const QString u = units.isEmpty()
                          ? QCoreApplication::translate("SurveyExport", " (units not known)")
                          : QStringLiteral(" (") + units + QLatin1Char(')');
    QString line = QCoreApplication::translate("SurveyExport",
                                               "n %1, mean %2, median %3, sd %4, min %5, max %6")
                       .arg(s.count)
                       .arg(shown(s.mean), shown(s.median),
                            s.sd ? shown(*s.sd) : QStringLiteral("-"), shown(s.min), shown(s.max));
    if (s.geometricMean)
        line += QCoreApplication::translate("SurveyExport", ", geometric mean ") +
                shown(*s.geometricMean);
    return line + u;
}

}  // namespace SurveyExport
