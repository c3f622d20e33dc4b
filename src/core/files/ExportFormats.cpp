// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/ExportFormats.h"

#include <QFileInfo>

#include "core/files/CsvExport.h"
#include "core/files/FileCommands.h"
#include "core/files/GpxExport.h"
#include "core/files/LasExport.h"
#include "core/files/SurveyExport.h"
#include "core/files/SurveyFile.h"

namespace ExportFormats {

namespace {
Written bytesOnly(QByteArray bytes) {
    Written w;
    w.bytes = std::move(bytes);
    return w;
}

QVector<Format> made() {
    QVector<Format> list;
    Format f;

    f = {};
    f.id = QStringLiteral("dat");
    f.cliHelp = QStringLiteral("The data file format.");
    f.suffix = QStringLiteral("dat");
    f.fileTypes = {QStringLiteral("Data Files (*.dat)")};
    f.write = [](const ReadingsStore& store, const Options& o) {
        Written w;
        w.problem = FileCommands::encodeDataFile(store, o.path, &w.bytes);
        return w;
    };
    list << f;

    f = {};
    f.id = QStringLiteral("txt");
    f.cliHelp = QStringLiteral("The tab-separated text export.");
    f.suffix = QStringLiteral("txt");
    f.fileTypes = {QT_TRANSLATE_NOOP("ExportFormats", "Text Files (*.txt)")};
    f.menuText = QT_TRANSLATE_NOOP("ExportFormats", "&Export Data");
    f.menuName = QStringLiteral("Exportmenu");
    f.title = QT_TRANSLATE_NOOP("ExportFormats", "Export Data to Text file");
    f.write = [](const ReadingsStore& store, const Options&) {
        return bytesOnly(FileCommands::textExport(store));
    };
    list << f;

    f = {};
    f.id = QStringLiteral("csv");
    f.cliHelp = QStringLiteral("CSV with a header.");
    f.suffix = QStringLiteral("csv");
    f.fileTypes = {QT_TRANSLATE_NOOP("ExportFormats", "CSV, decimal point (*.csv)"),
                   QT_TRANSLATE_NOOP("ExportFormats", "CSV, decimal comma (*.csv)")};
    f.menuText = QT_TRANSLATE_NOOP("ExportFormats", "Expor&t CSV...");
    f.menuName = QStringLiteral("ExportCsvmenu");
    f.title = QT_TRANSLATE_NOOP("ExportFormats", "Export CSV");
    f.hasDecimalComma = true;
    f.write = [](const ReadingsStore& store, const Options& o) {
        return bytesOnly(o.onlySets.isEmpty()
                             ? CsvExport::build(store, o.decimalComma)
                             : CsvExport::build(store, o.decimalComma, o.onlySets));
    };
    list << f;

    f = {};
    f.id = QStringLiteral("long");
    f.cliHelp = QStringLiteral("CSV, one row per reading with its set's details and units.");
    f.suffix = QStringLiteral("csv");
    f.fileTypes = {
        QT_TRANSLATE_NOOP("ExportFormats", "CSV, one row per reading (*.csv)"),
        QT_TRANSLATE_NOOP("ExportFormats", "CSV, one row per reading, decimal comma (*.csv)")};
    f.menuText = QT_TRANSLATE_NOOP("ExportFormats", "Export &Long Table...");
    f.menuName = QStringLiteral("ExportLongmenu");
    f.title = QT_TRANSLATE_NOOP("ExportFormats", "Export Long Table");
    f.hasDecimalComma = true;
    f.write = [](const ReadingsStore& store, const Options& o) {
        return bytesOnly(SurveyExport::longTable(store, o.decimalComma));
    };
    list << f;

    f = {};
    f.id = QStringLiteral("geojson");
    f.cliHelp = QStringLiteral("GeoJSON, one point per set with a location.");
    f.suffix = QStringLiteral("geojson");
    f.fileTypes = {QT_TRANSLATE_NOOP("ExportFormats", "GeoJSON (*.geojson)")};
    f.menuText = QT_TRANSLATE_NOOP("ExportFormats", "Export &GeoJSON...");
    f.menuName = QStringLiteral("ExportGeoJsonmenu");
    f.title = QT_TRANSLATE_NOOP("ExportFormats", "Export GeoJSON");
    f.write = [](const ReadingsStore& store, const Options&) {
        Written w;
        w.bytes = SurveyExport::geoJson(store, &w.leftOut);
        return w;
    };
    list << f;

    f = {};
    f.id = QStringLiteral("gpx");
    f.cliHelp = QStringLiteral("GPX 1.1, one waypoint per set with a location.");
    f.suffix = QStringLiteral("gpx");
    f.fileTypes = {QT_TRANSLATE_NOOP("ExportFormats", "GPX waypoints (*.gpx)")};
    f.menuText = QT_TRANSLATE_NOOP("ExportFormats", "Export S&ites as GPX...");
    f.menuName = QStringLiteral("ExportGpxmenu");
    f.title = QT_TRANSLATE_NOOP("ExportFormats", "Export Sites as GPX");
    f.write = [](const ReadingsStore& store, const Options&) {
        Written w;
        w.bytes = GpxExport::waypoints(store, &w.leftOut);
        return w;
    };
    list << f;

    f = {};
    f.id = QStringLiteral("survey");
    f.cliHelp = QStringLiteral("A survey file (readings and set details).");
    f.suffix = SurveyFile::kSuffix;
    f.fileTypes = {QStringLiteral("Orvanta survey (*.orvanta)")};
    // An SQLite file: written whole to a named file, never to a terminal or a pipe.
    f.toStandardOutput = false;
    f.write = [](const ReadingsStore& store, const Options& o) {
        Written w;
        w.problem = SurveyFile::encode(store, o.path, &w.bytes);
        return w;
    };
    list << f;
    f = {};
    f.id = QStringLiteral("las");
    f.cliHelp = QStringLiteral("A LAS 2.0 log of one set (--set N) by depth.");
    f.suffix = QStringLiteral("las");
    f.fileTypes = {QT_TRANSLATE_NOOP("ExportFormats", "LAS 2.0 logs (*.las)")};
    f.menuText = QT_TRANSLATE_NOOP("ExportFormats", "Export LAS Log of the C&hosen Set...");
    f.menuName = QStringLiteral("ExportLasmenu");
    f.title = QT_TRANSLATE_NOOP("ExportFormats", "Export LAS Log of Set %1");
    f.needsSet = true;
    f.refusal = QT_TRANSLATE_NOOP("ExportFormats", "Set %1 cannot be written as a LAS log: %2.");
    f.write = [](const ReadingsStore& store, const Options& o) {
        Written w;
        Reason why;
        w.bytes = LasExport::build(store, o.set, &why);
        if (w.bytes.isEmpty())
            w.problem = FileOutcome::at(FileFailure::NotWritten, o.path, o.set, 0, why);
        return w;
    };
    list << f;

    return list;
}
}  // namespace

const QVector<Format>& all() {
    static const QVector<Format> list = made();
    return list;
}

const Format* byId(const QString& id) {
    for (const Format& f : all())
        if (f.id == id) return &f;
    return nullptr;
}

const Format* bySuffix(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    for (const Format& f : all())
        if (f.suffix.compare(suffix, Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

QString ids(bool standardOutputOnly) {
    QStringList out;
    for (const Format& f : all())
        if (!standardOutputOnly || (f.toStandardOutput && !f.needsSet)) out << f.id;
    return out.join(QStringLiteral(", "));
}
}  // namespace ExportFormats
