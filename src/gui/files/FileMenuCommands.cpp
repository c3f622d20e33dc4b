// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/files/FileMenuCommands.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "core/common/Messages.h"
#include "core/common/SettingsStore.h"
#include "core/files/FileCommands.h"
#include "core/files/FileDialog.h"
#include "core/files/SurveyExport.h"
#include "core/files/SurveyFile.h"
#include "core/meter/MeterFacts.h"
#include "core/store/ReadingsStore.h"
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

bool FileMenuCommands::chooseFile(QString& rememberedName, const QString& title,
                                  const QString& filter, bool open, QString* path) {
    FileDialog& fd = d.dialog;
    fd.FileName = rememberedName;
    fd.DialogTitle = title;
    fd.InitDir = folderFor(rememberedName);
    fd.Filter = filter;
    fd.FilterIndex = 1;
    if (!(open ? fd.ShowOpen() : fd.ShowSave())) return false;
    // A name without an extension takes the chosen type's, so Open's filter lists it later.
    if (!open && QFileInfo(fd.FileName).suffix().isEmpty()) {
        const QString pattern = fd.Filter.split(QLatin1Char('|')).value(2 * fd.FilterIndex - 1);
        if (pattern.startsWith(QLatin1String("*.")) && pattern != QLatin1String("*.*")) {
            fd.FileName += pattern.mid(1);
            fd.FileTitle = QFileInfo(fd.FileName).fileName();
        }
    }
    if (d.settings)
        d.settings->setValue(kFoldersSection, folderKey(rememberedName),
                             QFileInfo(fd.FileName).absolutePath());
    rememberedName = fd.FileTitle;
    *path = fd.FileName;
    // Reading needs no write access; only a file about to be replaced is checked.
    if (!open && FileCommands::isReadOnlyFile(*path)) {
        d.messages.tell(Msg::ReadOnlyFile);
        return false;
    }
    return true;
}

bool FileMenuCommands::refusedWhileDownloading() {
    if (!d.downloading || !d.downloading()) return false;
    d.messages.tell(Msg::BusyDownloading);
    return true;
}

bool FileMenuCommands::mayReplaceReadings(const QString& question) {
    // One click must not erase a day of field readings; readings already in their file may go.
    const bool unsaved = m_modified || m_documentPath.isEmpty();
    return !unsaved || !d.store.holdsReadings() || d.messages.askYesNo(question);
}

void FileMenuCommands::report(const FileOutcome& outcome) {
    if (!outcome.ok() && !Msg::forFile(outcome).isEmpty()) d.messages.tell(Msg::forFile(outcome));
}

void FileMenuCommands::New() {
    if (refusedWhileDownloading()) return;
    // Set data that arrives from the question to the end of the clearing is taken in after it:
    // the clearing never erases a reading the user has not seen.
    if (d.holdReceiving) d.holdReceiving(true);
    if (!mayReplaceReadings(Msg::ConfirmNew)) {
        if (d.holdReceiving) d.holdReceiving(false);
        return;
    }
    d.progress.setMax(Meter::kPositions);
    d.progress.setValue(0);
    d.progress.setBarVisible(true);
    const FileOutcome cleared = FileCommands::clearReadings(d.store);
    d.progress.setValue(Meter::kPositions);
    d.progress.setValue(0);
    d.progress.setBarVisible(false);
    if (d.holdReceiving) d.holdReceiving(false);
    report(cleared);
    markModified();
}

void FileMenuCommands::Open() {
    if (refusedWhileDownloading()) return;
    QString path;
    if (!chooseFile(mDataFileName,
                    QCoreApplication::translate("FileMenuCommands", "Open Data File"),
                    filter(kOpenFilter), true, &path))
        return;
    openPath(path);
}

void FileMenuCommands::openPath(const QString& path) {
    if (refusedWhileDownloading()) return;
    if (!mayReplaceReadings(Msg::ConfirmOpen.arg(QFileInfo(path).fileName()))) return;
    const FileOutcome outcome = SurveyFile::openAny(d.store, path);
    report(outcome);
    if (!outcome.ok()) return;
    setDocument(path);
}

void FileMenuCommands::Save() {
    if (refusedWhileDownloading()) return;
    QString path;
    if (!chooseFile(mDataFileName,
                    QCoreApplication::translate("FileMenuCommands", "Save Data File"),
                    filter(kSaveFilter), false, &path))
        return;
    const bool survey =
        QFileInfo(path).suffix().compare(SurveyFile::kSuffix, Qt::CaseInsensitive) == 0;
    const FileOutcome outcome =
        survey ? SurveyFile::save(d.store, path) : FileCommands::saveDataFile(d.store, path);
    report(outcome);
    if (!outcome.ok()) return;
    setDocument(path);
    // A data file holds readings only; what it leaves behind is said once, quietly.
    bool details = false;
    for (int set = 1; set <= Meter::kSets && !details; ++set)
        details = d.store.details(set) != SetDetails{};
    if (!survey && details && m_toldDetailsFor != path && note) {
        m_toldDetailsFor = path;
        note(Msg::DetailsOnlyInSurvey);
    }
}

void FileMenuCommands::setDocument(const QString& path) {
    m_documentPath = path;
    m_modified = false;
    if (documentChanged) documentChanged();
}

void FileMenuCommands::markModified() {
    if (m_modified) return;
    m_modified = true;
    if (documentChanged) documentChanged();
}

void FileMenuCommands::exportText() {
    QString path;
    if (!chooseFile(mExportFileName,
                    QCoreApplication::translate("FileMenuCommands", "Export Data to Text file"),
                    filter(kTextFilter), false, &path))
        return;
    report(FileCommands::exportText(d.store, path));
}

void FileMenuCommands::exportLong() {
    QString path;
    if (!chooseFile(mCsvFileName,
                    QCoreApplication::translate("FileMenuCommands", "Export Long Table"),
                    filter(kLongFilter), false, &path))
        return;
    report(FileCommands::writeWhole(path, SurveyExport::longTable(d.store)));
}

void FileMenuCommands::exportGeoJson() {
    QString path;
    if (!chooseFile(mGeoJsonFileName,
                    QCoreApplication::translate("FileMenuCommands", "Export GeoJSON"),
                    filter(kGeoJsonFilter), false, &path))
        return;
    int leftOut = 0;
    const FileOutcome written =
        FileCommands::writeWhole(path, SurveyExport::geoJson(d.store, &leftOut));
    report(written);
    if (written.ok() && leftOut > 0)
        d.messages.tell(Msg::SetsWithoutLocation.arg(leftOut).arg(QFileInfo(path).fileName()));
}

void FileMenuCommands::exportCsv() {
    QString path;
    if (!chooseFile(mCsvFileName, QCoreApplication::translate("FileMenuCommands", "Export CSV"),
                    filter(kCsvFilter), false, &path))
        return;
    report(FileCommands::exportCsv(d.store, path, d.dialog.FilterIndex == 2));
}
