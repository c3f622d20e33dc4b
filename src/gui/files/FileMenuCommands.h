// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>

#include "core/files/ExportFormats.h"
#include "core/files/FileWriter.h"
#include "core/files/SurveyFile.h"
#include "core/store/EditHistory.h"
#include "gui/dialogs/FileDialog.h"

struct FileOutcome;
class MessageBox;
class QMimeData;
class ReadingsStore;
class SettingsStore;

/** @brief New, Open, Close, Save, Save As and the exports of the File menu: the dialogs and
 *  messages around the file commands. */
class FileMenuCommands {
    Q_DECLARE_TR_FUNCTIONS(FileMenuCommands)

public:
    struct Deps {
        ReadingsStore& store;
        FileDialog& dialog;
        MessageBox& messages;
        QString dialogFolder;                     ///< where the dialogs open
        std::function<bool()> downloading;        ///< a download is being received
        std::function<void(bool)> holdReceiving;  ///< received bytes wait while New runs
        SettingsStore* settings = nullptr;        ///< where each dialog's last folder is kept
    };
    explicit FileMenuCommands(Deps deps) : d(std::move(deps)) {}

    /** @brief Clears every reading to "0.000000", after asking when readings would be lost: some
     *  changed since the data file was opened or saved, or none was ever put in a file. */
    void New();
    /** @brief Loads a survey file (readings and details) or a data file (record k into row k;
     *  no details) into the table. */
    void Open();
    /** @brief Saves the table to a data file or, by the type chosen, a survey file with the set
     *  details or a long table (a new file replaces the old one only when whole). A table
     *  opened from a survey file or a long table and changed only by the user's edits since is
     *  written back to it, in its format, without a dialog. */
    void Save() { save(false); }
    /** @brief Save with the dialog every time. */
    void saveAs() { save(true); }
    /** @brief Export Data: the table as tab-separated text. */
    void exportText();
    /** @brief Writes the table in @p format to a file the user chooses (@p set for a format of
     *  one set, which refuses a set it cannot write, with the reason, before a file is asked
     *  for). The CSV's second file type writes a decimal comma. */
    void exportAs(const ExportFormats::Format& format, int set = 0);
    /** @brief The name the export dialog of @p format last chose, offered the next time. */
    QString& rememberedName(const ExportFormats::Format& format);

    /** @brief The file types of each dialog, in the user's language; the first is offered. */
    static QStringList saveFilters();
    static QStringList openFilters();
    /** @brief @p format's file types, in the user's language, and All Files where it has one. */
    static QStringList exportFilters(const ExportFormats::Format& format);

    QString mDataFileName;    ///< the data file last chosen (its name)
    QString mExportFileName;  ///< the text export file last chosen (its name)

    /** @brief Whether the program may close: nothing unsaved, or the user saved it or chose
     *  to quit without saving. */
    bool mayClose();
    /** @brief The local files @p mime carries (files dragged from a file manager). */
    static QStringList droppedFiles(const QMimeData* mime);
    /** @brief @p path names a file Open takes: a data file (named .dat and beginning as one),
     *  a survey file or a long table. */
    static bool opensByName(const QString& path);
    /** @brief Whether @p files dropped on the window are taken: one file, no download running.
     *  Once the drag has ended (no question inside it), the file is opened as Open does, or the
     *  user told why it was not; @p context ends that wait when it goes. */
    bool takeDrop(const QStringList& files, QObject* context);

    /** @brief Opens the data file at @p path without a dialog (File > Open Recent). */
    void openPath(const QString& path);
    /** @brief The name of that file, or words saying there is none, for titles. */
    QString documentName() const;
    /** @brief The data file last opened or saved; empty when none. */
    QString documentPath() const { return m_documentPath; }
    /** @brief The readings changed since that file was opened or saved: the store's history
     *  is not at its clean step. */
    bool modified() const;
    /** @brief A file is being written, or its outcome not yet told. */
    bool isWriting() const { return m_writer.isWriting(); }
    /** @brief Waits for the files being written and tells how each went. */
    void finishWriting() { m_writer.finish(); }
    /** @brief Called when the document path or its modified state changes. */
    std::function<void()> documentChanged;
    /** @brief Shows a note in the status bar (nothing went wrong). */
    std::function<void(const QString&)> note;
    /** @brief Asks which set the recording @p file goes into; none when the user cancels. Tests
     *  put their own. */
    std::function<std::optional<int>(const QString& file)> askSet;

private:
    /** @brief Shows the file dialog offering @p rememberedName and keeps the chosen file's name in
     *  it. For writing, refuses a read-only file with the message. Nothing when there is nothing
     *  to do. */
    std::optional<FileDialog::Choice> chooseFile(QString& rememberedName, const QString& title,
                                                 const QStringList& filters, FileDialog::Mode mode);
    /** @brief The folder the dialogs of @p rememberedName last chose a file in, else dialogFolder.
     */
    QString folderFor(const QString& rememberedName) const;
    /** @brief The settings key of that folder: one for data files, one for exports. */
    QString folderKey(const QString& rememberedName) const;
    /** @brief A download is writing the table: the command refuses. */
    bool refusedWhileDownloading();
    /** @brief True when the table may be replaced: it holds no readings that were not saved,
     *  or the user answered yes to @p question. */
    bool mayReplaceReadings(const QString& question);
    void report(const FileOutcome& outcome);
    /** @brief Some set has details (typed, or kept from a download). */
    bool holdsDetails() const;
    /** @brief The table now is what @p path holds, in @p format. */
    void setDocument(const QString& path, SurveyFile::Format format);
    /** @brief @p path was written, in @p format, from the table as it stood at @p at. */
    void setDocument(const QString& path, SurveyFile::Format format, const EditHistory::Mark& at);
    void save(bool askName);
    /** @brief Writes the table to @p path in @p format away from the interface thread; the
     *  document is that file once it is whole on disk. */
    void writeDocument(const QString& path, SurveyFile::Format format);
    /** @brief Writes @p bytes to @p path away from the interface thread, telling in the status
     *  bar that it is saving, then how it went; @p saved runs once the file is whole on disk. */
    void writeInBackground(const QString& path, const QByteArray& bytes,
                           std::function<void()> saved);
    /** @brief What a data file would drop of the table, in words; empty when nothing. Units
     *  alone are left out when the user asked not to be asked for them (@p unitsAlone tells
     *  that units are all it would drop). */
    QString droppedByDataFile(bool* unitsAlone) const;
    Deps d;
    QString m_documentPath;
    SurveyFile::Format m_documentFormat = SurveyFile::Format::DataFile;
    int m_documentGeneration = -1;          ///< the store history's generation the file was read at
    QString m_toldDetailsFor;               ///< the data file the details note was given for
    QHash<QString, QString> m_exportNames;  ///< by format, those other than the text export
    FileWriter m_writer;                    ///< last: it waits for its writes when it goes
};
