// SPDX-License-Identifier: GPL-3.0-or-later
// A full survey (30 sets of 128 readings, every set with its details) saved to a survey file and
// opened again in place of the readings, with the statistics of every set and the long table:
// what Save As, Open and Export ask of the program. The figures are wall times on real files.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "core/files/SurveyExport.h"
#include "core/files/SurveyFile.h"
#include "core/store/ReadingsStore.h"
#include "core/store/SetStatistics.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    ReadingsStore store(tmp.path() + "/Readings.db");
    if (!store.open().ok()) return 1;
    QVector<ReadingsStore::Row> rows(Meter::kPositions);
    ReadingsStore::AllDetails details;
    for (int p = 0; p < Meter::kPositions; ++p)
        for (int s = 0; s < Meter::kSets; ++s)
            rows[p][static_cast<size_t>(s)] =
                QString::number(0.000001 * ((s + 1) * 1000 + p + 1), 'f', 6);
    for (int s = 0; s < Meter::kSets; ++s) {
        SetDetails& d = details[static_cast<size_t>(s)];
        d.site = QStringLiteral("Hole %1").arg(s + 1);
        d.depthM = s * 10.0;
        d.spacingM = 0.05;
        d.latitude = 48 + s * 0.01;
        d.longitude = 11;
        d.units = Meter::Units::SI;
    }
    if (!store.replaceAll(rows, details).ok()) return 1;
    const QString file = tmp.path() + "/survey.orvanta";
    QElapsedTimer t;
    t.start();
    if (!SurveyFile::save(store, file).ok()) return 1;
    const double saveMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
    t.restart();
    if (!SurveyFile::open(store, file).ok()) return 1;
    const double openMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
    t.restart();
    double sum = 0;
    for (int s = 1; s <= Meter::kSets; ++s) sum += SetStatistics::of(store, s).mean;
    const QByteArray table = SurveyExport::longTable(store);
    const double figuresMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
    std::printf(
        "survey: save %.1f ms, open %.1f ms, 30 sets' statistics and the long table (%lld "
        "bytes) %.1f ms (check %.3f)\n",
        saveMs, openMs, static_cast<long long>(table.size()), figuresMs, sum);
    std::printf("FIGURE survey_save_ms %.1f\nFIGURE survey_open_ms %.1f\n", saveMs, openMs);
    return 0;
}
