// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/files/FileMenuCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "core/common/Messages.h"
#include "core/common/SettingsStore.h"
#include "core/files/FileCommands.h"
#include "core/files/LasExport.h"
#include "core/files/LiveRecording.h"
#include "core/files/SurveyExport.h"
#include "core/files/SurveyFile.h"
#include "core/meter/MeterFacts.h"
#include "core/store/EditHistory.h"
#include "core/store/ReadingsStore.h"
#include "gui/dialogs/FileDialog.h"
#include "gui/dialogs/MessageBox.h"

namespace {
const QString kFoldersSection = QStringLiteral("Folders");
}  // namespace

QString FileMenuCommands::folderKey(const QString& rememberedName) const {
    return &rememberedName == &mDataFileName ? QStringLiteral("Data Files")
                                             : QStringLiteral("Exports");
}

QString FileMenuCommands::folderFor(const QString& rememberedName) const {
    if (!d.settings) return d.dialogFolder;
    const QString folder = d.settings->value(kFoldersSection, folderKey(rememberedName), {});
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : d.dialogFolder;
}

QStringList FileMenuCommands::saveFilters() {
    return {tr("Data Files (*.dat)"), tr("Orvanta survey (*.orvanta)"), tr("All Files (*.*)")};
}
QStringList FileMenuCommands::openFilters() {
    return {tr("Survey and Data Files (*.orvanta *.dat)"), tr("Orvanta survey (*.orvanta)"),
            tr("Data Files (*.dat)"), tr("Long tables the program exported (*.csv)"),
            tr("All Files (*.*)")};
}
QStringList FileMenuCommands::exportFilters(const ExportFormats::Format& format) {
    QStringList types;
    for (const QString& type : format.fileTypes)
        types << QCoreApplication::translate("ExportFormats", type.toUtf8().constData());
    // Two types of one suffix choose what is written; any other file is offered beside one.
    if (!format.hasDecimalComma) types << tr("All Files (*.*)");
    return types;
}

std::optional<FileDialog::Choice> FileMenuCommands::chooseFile(QString& rememberedName,
                                                               const QString& title,
                                                               const QStringList& filters,
                                                               FileDialog::Mode mode) {
    std::optional<FileDialog::Choice> chosen =
        d.dialog.choose({mode, title, filters, rememberedName, folderFor(rememberedName)});
    if (!chosen) return std::nullopt;
    const bool open = mode == FileDialog::Mode::Open;
    // A name without an extension takes the chosen type's, so Open's filter lists it later.
    if (!open && QFileInfo(chosen->path).suffix().isEmpty()) {
        const QString ext = FileDialog::suffixOf(filters.value(chosen->filter));
        if (!ext.isEmpty()) chosen->path += QLatin1Char('.') + ext;
    }
    if (d.settings)
        d.settings->setValue(kFoldersSection, folderKey(rememberedName),
                             QFileInfo(chosen->path).absolutePath());
    rememberedName = QFileInfo(chosen->path).fileName();
    // Reading needs no write access; only a file about to be replaced is checked.
    if (!open && FileCommands::isReadOnlyFile(chosen->path)) {
        d.messages.tell(Msg::ReadOnlyFile);
        return std::nullopt;
    }
    return chosen;
}

bool FileMenuCommands::refusedWhileDownloading() {
    if (!d.downloading || !d.downloading()) return false;
    d.messages.tell(Msg::BusyDownloading);
    return true;
}

bool FileMenuCommands::mayReplaceReadings(const QString& question) {
    // One click must not erase a day of field readings; readings already in their file may go.
    const bool unsaved = modified() || m_documentPath.isEmpty();
    return !unsaved || !(d.store.holdsReadings() || holdsDetails()) ||
           d.messages.askYesNo(question);
}

void FileMenuCommands::report(const FileOutcome& outcome) {
    if (!outcome.ok() && !Msg::forFile(outcome).isEmpty()) d.messages.tell(Msg::forFile(outcome));
}

void FileMenuCommands::New() {
    // A file still being written is told first: whether it became the document decides what
    // follows.
    m_writer.finish();
    if (refusedWhileDownloading()) return;
    // Set data that arrives from the question to the end of the clearing is taken in after it:
    // the clearing never erases a reading the user has not seen.
    if (d.holdReceiving) d.holdReceiving(true);
    if (!mayReplaceReadings(Msg::ConfirmNew)) {
        if (d.holdReceiving) d.holdReceiving(false);
        return;
    }
    const FileOutcome cleared = FileCommands::clearReadings(d.store);
    if (d.holdReceiving) d.holdReceiving(false);
    report(cleared);
}

void FileMenuCommands::Open() {
    m_writer.finish();
    if (refusedWhileDownloading()) return;
    const auto chosen =
        chooseFile(mDataFileName, tr("Open Data File"), openFilters(), FileDialog::Mode::Open);
    if (!chosen) return;
    const QString& path = chosen->path;
    openPath(path);
}

void FileMenuCommands::openPath(const QString& path) {
    m_writer.finish();
    if (refusedWhileDownloading()) return;
    // A recording of live readings fills the one set the user names; the rest stays.
    if (LiveRecording::looksLikeRecording(path)) {
        const QString name = QFileInfo(path).fileName();
        std::optional<int> set;
        if (askSet) {
            set = askSet(name);
        } else {
            bool ok = false;
            const int chosen = QInputDialog::getInt(
                nullptr, tr("Open Recording"),
                tr("%1 is a recording of live readings. The set it goes into (its readings "
                   "there are replaced):")
                    .arg(name),
                1, 1, Meter::kSets, 1, &ok);
            if (ok) set = chosen;
        }
        if (!set) return;
        const FileOutcome outcome = LiveRecording::readBack(d.store, path, *set);
        report(outcome);
        if (outcome.ok() && note)
            note(tr("Set %1 now holds the %2 readings of %3")
                     .arg(*set)
                     .arg(d.store.readingCount(*set))
                     .arg(name));
        return;
    }
    if (!mayReplaceReadings(Msg::ConfirmOpen.arg(QFileInfo(path).fileName()))) return;
    const FileOutcome outcome = SurveyFile::openAny(d.store, path);
    report(outcome);
    if (!outcome.ok()) return;
    if (const QString note = Msg::noteForFile(outcome); !note.isEmpty()) d.messages.tell(note);
    setDocument(path, SurveyFile::formatOf(path));
}

namespace {
const QString kAskUnitsKey = QStringLiteral("AskBeforeDroppingUnits");
}  // namespace

QString FileMenuCommands::droppedByDataFile(bool* unitsAlone) const {
    QStringList typed, units;
    int flags = 0;
    for (int set = 1; set <= Meter::kSets; ++set) {
        const SetDetails& details = d.store.details(set);
        if (details.hasTyped()) typed << QString::number(set);
        if (details.units) units << QString::number(set);
        for (int position = 1; position <= d.store.rowCount(); ++position)
            if (!d.store.flag(set, position).isEmpty()) ++flags;
    }
    const qsizetype places = d.store.places().size();
    *unitsAlone = typed.isEmpty() && flags == 0 && places == 0 && !units.isEmpty();
    const bool askUnits =
        !d.settings || d.settings->value(QStringLiteral("Settings"), kAskUnitsKey,
                                         QStringLiteral("1")) != QLatin1String("0");
    QStringList parts;
    if (!typed.isEmpty()) parts << tr("the details typed for sets %1").arg(typed.join(", "));
    if (!units.isEmpty() && (askUnits || !*unitsAlone))
        parts << tr("the units of sets %1").arg(units.join(", "));
    if (flags > 0) parts << tr("the flags of %1 readings, with their reasons").arg(flags);
    if (places > 0) parts << tr("the places of %1 readings, taken by GPS").arg(places);
    return parts.join(QStringLiteral("; "));
}

void FileMenuCommands::save(bool askName) {
    m_writer.finish();
    if (refusedWhileDownloading()) return;
    // A survey file or long table the table came from, changed since only by the user's own
    // edits: written back in its own format, never as a data file under its name.
    if (!askName && !m_documentPath.isEmpty() && m_documentFormat != SurveyFile::Format::DataFile &&
        m_documentGeneration == d.store.history().generation()) {
        if (FileCommands::isReadOnlyFile(m_documentPath)) {
            d.messages.tell(Msg::ReadOnlyFile);
            return;
        }
        writeDocument(m_documentPath, m_documentFormat);
        return;
    }
    const auto chosen =
        chooseFile(mDataFileName, tr("Save Data File"), saveFilters(), FileDialog::Mode::Save);
    if (!chosen) return;
    const QString& path = chosen->path;
    QString target = path;
    SurveyFile::Format format = SurveyFile::formatForName(path);
    // A data file keeps readings only: what it would drop is named before, and never dropped
    // without a question (asked once for each data file the user chose to save without them).
    bool unitsAlone = false;
    const QString dropped =
        format == SurveyFile::Format::DataFile ? droppedByDataFile(&unitsAlone) : QString();
    if (!dropped.isEmpty() && m_toldDetailsFor != path) {
        enum { AsSurvey, DataFileOnly, Stay, NeverForUnits };
        QStringList choices{tr("Save as &Survey File"), tr("Save &Data File Only"), tr("Cancel")};
        if (unitsAlone && d.settings) choices << tr("Data File, &Never Ask for Units");
        const int chosen = d.messages.ask(
            tr("A data file keeps the readings only. Saving one drops %1. Save a survey file "
               "(*.orvanta), which keeps them, or the data file without them?")
                .arg(dropped),
            choices);
        if (chosen == Stay || chosen < 0) return;
        if (chosen == AsSurvey) {
            const QFileInfo fi(path);
            target =
                fi.dir().filePath(fi.completeBaseName() + QLatin1Char('.') + SurveyFile::kSuffix);
            format = SurveyFile::Format::Survey;
            if (FileCommands::isReadOnlyFile(target)) {
                d.messages.tell(Msg::ReadOnlyFile);
                return;
            }
        } else {
            if (chosen == NeverForUnits)
                d.settings->setValue(QStringLiteral("Settings"), kAskUnitsKey, QStringLiteral("0"));
            m_toldDetailsFor = path;
        }
    }
    writeDocument(target, format);
}

void FileMenuCommands::writeDocument(const QString& path, SurveyFile::Format format) {
    QByteArray bytes;
    if (const FileOutcome encoded = SurveyFile::encodeAs(d.store, path, format, &bytes); !encoded) {
        report(encoded);
        return;
    }
    // The table may change while the file is written: it is clean at the step it was taken.
    const EditHistory::Mark at = d.store.history().mark();
    writeInBackground(path, bytes, [this, path, format, at] { setDocument(path, format, at); });
}

void FileMenuCommands::writeInBackground(const QString& path, const QByteArray& bytes,
                                         std::function<void()> saved) {
    const QString name = QFileInfo(path).fileName();
    if (note) note(tr("Saving %1...").arg(name));
    m_writer.write(path, bytes, [this, name, saved](const FileOutcome& outcome) {
        report(outcome);
        if (!outcome.ok()) {
            if (note) note(tr("%1 was not saved.").arg(name));
            return;
        }
        if (note) note(tr("Saved %1.").arg(name));
        if (saved) saved();
    });
}

bool FileMenuCommands::holdsDetails() const {
    for (int set = 1; set <= Meter::kSets; ++set)
        if (d.store.details(set) != SetDetails{}) return true;
    return false;
}

void FileMenuCommands::setDocument(const QString& path, SurveyFile::Format format) {
    setDocument(path, format, d.store.history().mark());
}

void FileMenuCommands::setDocument(const QString& path, SurveyFile::Format format,
                                   const EditHistory::Mark& at) {
    m_documentPath = path;
    m_documentFormat = format;
    d.store.history().setClean(at);
    m_documentGeneration = at.generation;
    if (documentChanged) documentChanged();
}

bool FileMenuCommands::modified() const { return !d.store.history().isClean(); }

QString FileMenuCommands::documentName() const {
    return m_documentPath.isEmpty()
               ? QCoreApplication::translate("MainWindow", "Readings (not saved in a file)")
               : QFileInfo(m_documentPath).fileName();
}

bool FileMenuCommands::mayClose() {
    m_writer.finish();
    if (!modified()) return true;
    enum { SaveFirst, QuitAnyway, Stay };
    const int chosen = d.messages.ask(
        Msg::ConfirmQuit, {QCoreApplication::translate("MainWindow", "&Save..."),
                           QCoreApplication::translate("MainWindow", "&Quit Without Saving"),
                           QCoreApplication::translate("MainWindow", "Cancel")});
    if (chosen == SaveFirst) {
        Save();
        // The program closes only once the file is written and whole.
        m_writer.finish();
    }
    return chosen == QuitAnyway || (chosen == SaveFirst && !modified());
}

QStringList FileMenuCommands::droppedFiles(const QMimeData* mime) {
    QStringList files;
    if (!mime || !mime->hasUrls()) return files;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}

bool FileMenuCommands::opensByName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    // Many programs name their files .dat: only a data file's own beginning makes it ours.
    if (suffix.compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0)
        return FileCommands::looksLikeDataFile(path);
    if (suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0) return true;
    return suffix.compare(SurveyFile::kSuffix, Qt::CaseInsensitive) == 0;
}

bool FileMenuCommands::takeDrop(const QStringList& files, QObject* context) {
    QString why;
    if (files.size() > 1)
        why = tr("Drop one file at a time: %1 files were dropped, none was opened.")
                  .arg(files.size());
    else if (d.downloading && d.downloading())
        why = Msg::BusyDownloading;
    QTimer::singleShot(0, context, [this, why, path = files.value(0)] {
        if (why.isEmpty())
            openPath(path);
        else
            d.messages.tell(why);
    });
    return why.isEmpty();
}

void FileMenuCommands::exportText() { exportAs(*ExportFormats::byId(QStringLiteral("txt"))); }

QString& FileMenuCommands::rememberedName(const ExportFormats::Format& format) {
    return format.id == QLatin1String("txt") ? mExportFileName : m_exportNames[format.id];
}

void FileMenuCommands::exportAs(const ExportFormats::Format& format, int set) {
    ExportFormats::Options options;
    options.set = set;
    if (format.needsSet) {
        const ExportFormats::Written tried = format.write(d.store, options);
        if (!tried.problem.ok()) {
            d.messages.tell(QCoreApplication::translate("ExportFormats", format.refusal)
                                .arg(set)
                                .arg(Msg::why(tried.problem.reason)));
            return;
        }
    }
    QString title = QCoreApplication::translate("ExportFormats", format.title);
    if (format.needsSet) title = title.arg(set);
    const auto chosen =
        chooseFile(rememberedName(format), title, exportFilters(format), FileDialog::Mode::Save);
    if (!chosen) return;
    options.path = chosen->path;
    options.decimalComma = format.hasDecimalComma && chosen->filter == 1;
    const ExportFormats::Written written = format.write(d.store, options);
    if (!written.problem.ok()) {
        report(written.problem);
        return;
    }
    const QString name = QFileInfo(chosen->path).fileName();
    const int leftOut = written.leftOut;
    writeInBackground(chosen->path, written.bytes, [this, name, leftOut] {
        if (leftOut > 0) d.messages.tell(Msg::SetsWithoutLocation.arg(leftOut).arg(name));
    });
}
