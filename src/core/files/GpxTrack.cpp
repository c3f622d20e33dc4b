// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/GpxTrack.h"

#include <QFile>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

#include "core/files/FileCommands.h"

namespace GpxTrack {
namespace {
constexpr qint64 kLargestTrack = 64 << 20;
}

FileOutcome read(const QString& path, QVector<Point>* points) {
    points->clear();
    QByteArray bytes;
    if (FileOutcome got =
            FileCommands::readWhole(path, kLargestTrack, FileFailure::TooLarge, &bytes);
        !got)
        return got;
    const auto refused = [&](const Reason& why) {
        return FileOutcome::failed(FileFailure::TableNotReadable, path, why);
    };
    QXmlStreamReader xml(bytes);
    QVector<Point> track, others;
    bool gpx = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("gpx")) gpx = true;
        if (name != QLatin1String("trkpt") && name != QLatin1String("rtept") &&
            name != QLatin1String("wpt"))
            continue;
        const bool inTrack = name == QLatin1String("trkpt");
        const QString element = name.toString();
        bool latOk = false, lonOk = false;
        Point p;
        p.latitude = xml.attributes().value(QStringLiteral("lat")).toDouble(&latOk);
        p.longitude = xml.attributes().value(QStringLiteral("lon")).toDouble(&lonOk);
        const qint64 line = xml.lineNumber();
        // The point's own elements, up to its end.
        while (!xml.atEnd() &&
               !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == element)) {
            if (!xml.isStartElement()) continue;
            if (xml.name() == QLatin1String("ele")) {
                bool ok = false;
                const double e = xml.readElementText().trimmed().toDouble(&ok);
                if (ok) p.elevationM = e;
            } else if (xml.name() == QLatin1String("time")) {
                p.time = QDateTime::fromString(xml.readElementText().trimmed(), Qt::ISODateWithMs);
            }
        }
        if (!latOk || !lonOk || std::abs(p.latitude) > 90 || std::abs(p.longitude) > 180)
            return refused(Reason::of(Why::PointWithoutPlace, element).at(static_cast<int>(line)));
        if (!p.time.isValid()) continue;  // a point without a time places no reading
        p.time = p.time.toUTC();
        (inTrack ? track : others).append(p);
    }
    if (xml.hasError())
        return refused(Reason::said(xml.errorString()).at(static_cast<int>(xml.lineNumber())));
    if (!gpx) return refused(Reason::of(Why::NotGpx));
    *points = track.isEmpty() ? others : track;
    if (points->isEmpty()) return refused(Reason::of(Why::NoTimedPoint));
    std::stable_sort(points->begin(), points->end(),
                     [](const Point& a, const Point& b) { return a.time < b.time; });
    return FileOutcome::done();
}

std::optional<Point> at(const QVector<Point>& points, const QDateTime& time, int gapSeconds) {
    if (points.isEmpty() || !time.isValid()) return std::nullopt;
    const qint64 gapMs = qint64(gapSeconds) * 1000;
    const auto after =
        std::lower_bound(points.begin(), points.end(), time,
                         [](const Point& p, const QDateTime& t) { return p.time < t; });
    const Point* next = after != points.end() ? &*after : nullptr;
    const Point* before = after != points.begin() ? &*(after - 1) : nullptr;
    if (next && next->time == time) return *next;
    const qint64 toBefore = before ? before->time.msecsTo(time) : -1;
    const qint64 toNext = next ? time.msecsTo(next->time) : -1;
    const bool nearBefore = before && toBefore <= gapMs;
    const bool nearNext = next && toNext <= gapMs;
    if (nearBefore && nearNext) {
        const double f = double(toBefore) / double(toBefore + toNext);
        Point p;
        p.time = time;
        p.latitude = before->latitude + f * (next->latitude - before->latitude);
        p.longitude = before->longitude + f * (next->longitude - before->longitude);
        if (before->elevationM && next->elevationM)
            p.elevationM = *before->elevationM + f * (*next->elevationM - *before->elevationM);
        return p;
    }
    if (nearBefore && (!nearNext || toBefore <= toNext)) return *before;
    if (nearNext) return *next;
    return std::nullopt;
}
}  // namespace GpxTrack
