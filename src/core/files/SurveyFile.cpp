// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SurveyFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include "core/common/Messages.h"
#include "core/common/Paths.h"
#include "core/files/LongTableFile.h"
#include "core/files/SurveyExport.h"
#include "core/meter/Numbers.h"
#include "core/store/ReadingsFile.h"
#include "core/store/ReadingsStore.h"

namespace SurveyFile {

namespace {
const QByteArray kSqliteMagic("SQLite format 3\0", 16);

// A survey file holds no raw downloads and is read without a journal beside it: it may lie on
// a read-only medium, and a copy sent by mail has no -wal or -shm file. The reason it could not
// be made so, or nothing.
Reason notReadyAsSurvey(const QString& path) {
    const QString name = QStringLiteral("survey-") + QUuid::createUuid().toString(QUuid::Id128);
    Reason why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            // The raw downloads stay with the readings database: a survey is what was measured.
            // A work copy, read back whole before anything replaces the user's file: no sync.
            const bool ok =
                q.exec(QStringLiteral("PRAGMA synchronous=OFF")) &&
                q.exec(QStringLiteral("DROP TABLE IF EXISTS Downloads")) &&
                q.exec(QStringLiteral("VACUUM")) &&
                q.exec(QStringLiteral("PRAGMA journal_mode=DELETE")) && q.next() &&
                q.value(0).toString().compare(QLatin1String("delete"), Qt::CaseInsensitive) == 0;
            // A refusal SQLite gives no words for is a refusal all the same.
            if (!ok)
                why = q.lastError().isValid() ? ReadingsFile::reasonOf(q.lastError())
                                              : Reason::of(Why::JournalKept);
        } else {
            why = ReadingsFile::reasonOf(db.lastError());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return why;
}
}  // namespace

bool looksLikeSurvey(const QString& path) {
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly)) return false;
    return f.read(kSqliteMagic.size()) == kSqliteMagic;
}

FileOutcome encode(const ReadingsStore& store, const QString& path, QByteArray* bytes) {
    // Built whole in a private folder and read back: the old survey is replaced only by a whole
    // new one.
    QTemporaryDir work(Paths::workFolderPattern());
    if (!work.isValid())
        return FileOutcome::failed(FileFailure::NotWritten, path, Reason::said(work.errorString()));
    const QString copy = work.filePath(QStringLiteral("survey.orvanta"));
    const StoreResult copied = store.copyTo(copy);
    if (!copied) return FileOutcome::failed(FileFailure::NotWritten, path, copied.reason);
    if (const Reason why = notReadyAsSurvey(copy))
        return FileOutcome::failed(FileFailure::NotWritten, path, why);
    QFile f(copy);
    if (!f.open(QIODevice::ReadOnly))
        return FileOutcome::failed(FileFailure::NotWritten, path, Reason::said(f.errorString()));
    *bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return FileOutcome::failed(FileFailure::NotWritten, path, Reason::said(f.errorString()));
    return FileOutcome::done();
}

FileOutcome save(const ReadingsStore& store, const QString& path) {
    QByteArray bytes;
    if (FileOutcome encoded = encode(store, path, &bytes); !encoded) return encoded;
    return FileCommands::writeWhole(path, bytes);
}

FileOutcome open(ReadingsStore& store, const QString& path) {
    const QFileInfo fi(path);
    if (fi.exists() && !fi.isFile()) return FileOutcome::failed(FileFailure::NotRegular, path);
    if (fi.size() > kLargestFile) return FileOutcome::failed(FileFailure::SurveyTooLarge, path);
    QByteArray bytes;
    if (FileOutcome read =
            FileCommands::readWhole(path, kLargestFile, FileFailure::SurveyTooLarge, &bytes);
        !read)
        return read;
    if (!bytes.startsWith(kSqliteMagic)) return FileOutcome::failed(FileFailure::NotSqlite, path);
    // Checked and read from a private copy in memory: SQLite may write to a file it opens (a
    // journal to roll back, an earlier layout brought up to date), and the user's file is never
    // written, nor is a copy left on a disk.
    ReadingsStore copy(QStringLiteral(":memory:"));
    const StoreResult opened = copy.openImage(bytes);
    if (!opened) {
        return FileOutcome::failed(
            opened.kind == StoreFailure::Newer ? FileFailure::SurveyNewer : FileFailure::NotSurvey,
            path, opened.reason);
    }
    QVector<ReadingsStore::Row> rows;
    for (int p = 1; p <= copy.rowCount(); ++p) {
        ReadingsStore::Row row;
        for (int s = 1; s <= Meter::kSets; ++s) {
            const QString text = copy.reading(s, p);
            if (!text.isEmpty() && text != Meter::kClearedReading && !Numbers::isReading(text))
                return FileOutcome::at(FileFailure::SurveyNotReading, path, s, p,
                                       Reason::of(Why::NoReading, text.left(40)));
            row[static_cast<size_t>(s - 1)] = text;
        }
        rows.append(row);
    }
    ReadingsStore::AllDetails details;
    for (int s = 1; s <= Meter::kSets; ++s) {
        const SetDetails d = copy.details(s);
        // What a file holds meets the rules typing does: a latitude of 123 is no place.
        for (const DetailField field : SetDetailFields::all()) {
            SetDetails checked = d;
            if (const Reason why =
                    SetDetailFields::setText(checked, field, SetDetailFields::text(d, field)))
                return FileOutcome::at(FileFailure::SurveyDetail, path, s, 0, why);
        }
        details[static_cast<size_t>(s - 1)] = d;
    }
    const QVector<ReadingsStore::Mark> marks = copy.marks();
    const QVector<ReadingsStore::PlacedReading> places = copy.places();
    copy.close();
    const StoreResult replaced = store.replaceAll(rows, details, marks, places);
    if (!replaced) return FileOutcome::failed(FileFailure::TableNotReplaced, path, replaced.reason);
    return FileOutcome::done();
}

Format formatOf(const QString& path) {
    if (looksLikeSurvey(path)) return Format::Survey;
    if (LongTableFile::looksLikeLongTable(path)) return Format::LongTable;
    return Format::DataFile;
}

Format formatForName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(kSuffix, Qt::CaseInsensitive) == 0) return Format::Survey;
    if (suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0) return Format::LongTable;
    return Format::DataFile;
}

FileOutcome encodeAs(const ReadingsStore& store, const QString& path, Format format,
                     QByteArray* bytes) {
    switch (format) {
        case Format::Survey:
            return encode(store, path, bytes);
        case Format::LongTable:
            if (!store.isOpen()) return FileOutcome::failed(FileFailure::StoreClosed, path);
            *bytes = SurveyExport::longTable(store);
            return FileOutcome::done();
        case Format::DataFile:
            break;
    }
    return FileCommands::encodeDataFile(store, path, bytes);
}

FileOutcome saveAs(const ReadingsStore& store, const QString& path, Format format) {
    QByteArray bytes;
    if (FileOutcome encoded = encodeAs(store, path, format, &bytes); !encoded) return encoded;
    return FileCommands::writeWhole(path, bytes);
}

FileOutcome openAny(ReadingsStore& store, const QString& path) {
    if (looksLikeSurvey(path)) return open(store, path);
    if (LongTableFile::looksLikeLongTable(path)) return LongTableFile::open(store, path);
    return FileCommands::openDataFile(store, path);
}

}  // namespace SurveyFile
