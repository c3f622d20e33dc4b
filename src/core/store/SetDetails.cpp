// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/SetDetails.h"

#include <QLocale>
#include <cmath>

#include "core/common/Messages.h"

std::optional<double> SetDetails::depthAt(int position) const {
    if (!depthM) return std::nullopt;
    if (position == 1) return depthM;
    if (!spacingM) return std::nullopt;
    return *depthM + (position - 1) * *spacingM;
}

bool SetDetails::hasTyped() const {
    return !site.isEmpty() || depthM || spacingM || latitude || longitude || elevationM ||
           !operatorName.isEmpty() || !notes.isEmpty();
}

bool SetDetails::operator==(const SetDetails& o) const {
    return site == o.site && depthM == o.depthM && spacingM == o.spacingM &&
           latitude == o.latitude && longitude == o.longitude && elevationM == o.elevationM &&
           operatorName == o.operatorName && notes == o.notes && downloadedUtc == o.downloadedUtc &&
           device == o.device && units == o.units && complete == o.complete &&
           unreadable == o.unreadable;
}

SetDetails SetDetails::merged(const SetDetails& current, const SetDetails& before,
                              const SetDetails& after) {
    SetDetails out = current;
    const auto take = [](auto& field, const auto& was, const auto& now) {
        if (was != now) field = now;
    };
    take(out.site, before.site, after.site);
    take(out.depthM, before.depthM, after.depthM);
    take(out.spacingM, before.spacingM, after.spacingM);
    take(out.latitude, before.latitude, after.latitude);
    take(out.longitude, before.longitude, after.longitude);
    take(out.elevationM, before.elevationM, after.elevationM);
    take(out.operatorName, before.operatorName, after.operatorName);
    take(out.notes, before.notes, after.notes);
    take(out.downloadedUtc, before.downloadedUtc, after.downloadedUtc);
    take(out.device, before.device, after.device);
    take(out.units, before.units, after.units);
    take(out.complete, before.complete, after.complete);
    take(out.unreadable, before.unreadable, after.unreadable);
    return out;
}

namespace SetDetailFields {

const QList<DetailField>& all() {
    static const QList<DetailField> fields{DetailField::Site,      DetailField::Depth,
                                           DetailField::Spacing,   DetailField::Latitude,
                                           DetailField::Longitude, DetailField::Elevation,
                                           DetailField::Operator,  DetailField::Notes};
    return fields;
}

QString optionName(DetailField field) {
    switch (field) {
        case DetailField::Site:
            return QStringLiteral("site");
        case DetailField::Depth:
            return QStringLiteral("depth");
        case DetailField::Spacing:
            return QStringLiteral("spacing");
        case DetailField::Latitude:
            return QStringLiteral("lat");
        case DetailField::Longitude:
            return QStringLiteral("lon");
        case DetailField::Elevation:
            return QStringLiteral("elevation");
        case DetailField::Operator:
            return QStringLiteral("operator");
        case DetailField::Notes:
            return QStringLiteral("notes");
    }
    return {};
}

QString label(DetailField field) { return Msg::fieldName(optionName(field)); }

namespace {
std::optional<double>* numberField(SetDetails& d, DetailField field) {
    switch (field) {
        case DetailField::Depth:
            return &d.depthM;
        case DetailField::Spacing:
            return &d.spacingM;
        case DetailField::Latitude:
            return &d.latitude;
        case DetailField::Longitude:
            return &d.longitude;
        case DetailField::Elevation:
            return &d.elevationM;
        default:
            return nullptr;
    }
}
}  // namespace

QString number(double value) { return QString::number(value, 'g', 15); }

QString text(const SetDetails& details, DetailField field) {
    switch (field) {
        case DetailField::Site:
            return details.site;
        case DetailField::Operator:
            return details.operatorName;
        case DetailField::Notes:
            return details.notes;
        default:
            break;
    }
    const auto* value = numberField(const_cast<SetDetails&>(details), field);
    return value && *value ? number(**value) : QString();
}

Reason textProblem(const QString& key, const QString& text, int longest, bool lineBreaks) {
    if (text.size() > longest) return Reason::of(Why::TextTooLong, key, longest);
    for (const QChar c : text) {
        if (lineBreaks &&
            (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t')))
            continue;
        // A NUL cuts the text short in every C program that reads the file; other controls
        // hide or reorder what is shown.
        if (c.category() == QChar::Other_Control || c == QChar(0x2028) || c == QChar(0x2029))
            return Reason::of(
                Why::ControlCharacter, key,
                QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    return {};
}

Reason setText(SetDetails& details, DetailField field, const QString& text) {
    const QString trimmed = text.trimmed();
    const bool notes = field == DetailField::Notes;
    const QString key = optionName(field);
    if (Reason why =
            textProblem(key, notes ? text : trimmed, notes ? kLongestNotes : kLongestText, notes))
        return why;
    switch (field) {
        case DetailField::Site:
            details.site = trimmed;
            return {};
        case DetailField::Operator:
            details.operatorName = trimmed;
            return {};
        case DetailField::Notes:
            details.notes = text;
            return {};
        default:
            break;
    }
    std::optional<double>* value = numberField(details, field);
    if (trimmed.isEmpty()) {
        value->reset();
        return {};
    }
    // A point or, as many desktops write it, a comma.
    bool ok = false;
    // A comma is never a thousands separator here: the C locale would read a spacing typed
    // "0,125" as 125 and a latitude "47,376" as 47376. A single comma is the decimal one.
    static const QLocale c = [] {
        QLocale l = QLocale::c();
        l.setNumberOptions(QLocale::RejectGroupSeparator);
        return l;
    }();
    double v = c.toDouble(trimmed, &ok);
    if (!ok && trimmed.count(QLatin1Char(',')) == 1 && !trimmed.contains(QLatin1Char('.')))
        v = c.toDouble(QString(trimmed).replace(QLatin1Char(','), '.'), &ok);
    // "1.234,5" or "1,234.5": which of the two is the decimal separator is anybody's guess.
    if (!ok && trimmed.contains(QLatin1Char(',')) && trimmed.contains(QLatin1Char('.')))
        return Reason::of(Why::TwoSeparators, key, trimmed);
    if (!ok || !std::isfinite(v)) return Reason::of(Why::NotANumber, key, trimmed);
    if (field == DetailField::Latitude && (v < -90 || v > 90))
        return Reason::of(Why::NotBetween, key, trimmed, -90, 90);
    if (field == DetailField::Longitude && (v < -180 || v > 180))
        return Reason::of(Why::NotBetween, key, trimmed, -180, 180);
    if (field == DetailField::Spacing && v < 0) return Reason::of(Why::BelowZero, key, trimmed);
    // Depths, spacings and elevations on this planet: a 1e308 is a typing slip, and would make
    // every depth after it infinite.
    if (std::fabs(v) > kLargestMetres)
        return Reason::of(Why::BeyondMetres, key, trimmed, kLargestMetres);
    *value = v;
    return {};
}

QString unitsName(const std::optional<Meter::Units>& units) {
    return units ? Meter::unitsName(*units) : QString();
}

}  // namespace SetDetailFields
