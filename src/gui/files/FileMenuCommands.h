// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QString>
#include <functional>

class FileDialog;
struct FileOutcome;
class MessageBox;
class ReadingsStore;
class SettingsStore;

/** @brief The main window's progress bar, as New uses it. */
class ProgressBarControl {
public:
    virtual ~ProgressBarControl() = default;
    virtual void setMax(double max) = 0;
    virtual double max() const = 0;
    virtual void setValue(double value) = 0;
    virtual double value() const = 0;
    virtual void setBarVisible(bool visible) = 0;
};

/** @brief New, Open, Close, Save, Save As and the exports of the File menu: the dialogs and
 *  messages around the file commands. */
class FileMenuCommands {
public:
    struct Deps {
        ReadingsStore& store;
        FileDialog& dialog;
        MessageBox& messages;
        ProgressBarControl& progress;
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
    /** @brief Does nothing. */
    void Close() {}
    /** @brief Saves the table to a data file or, by the type chosen, a survey file with the set
     *  details (a new file replaces the old one only when whole). */
    void Save();
    /** @brief The same as Save. */
    void saveAs() { Save(); }
    /** @brief Export Data: the table as tab-separated text. */
    void exportText();
    /** @brief The sets that hold readings as comma-separated values; the dialog's second file
     *  type chooses the decimal comma. */
    void exportCsv();
    /** @brief The long table: one row per reading with its set's details and units. */
    void exportLong();
    /** @brief GeoJSON: one point per set with a location; the sets left out are told. */
    void exportGeoJson();

    inline static const char* const kSaveFilter = QT_TRANSLATE_NOOP(
        "FileMenuCommands",
        "Data Files (*.dat)|*.dat|Orvanta survey (*.orvanta)|*.orvanta|All Files (*.*)|*.*");
    inline static const char* const kOpenFilter = QT_TRANSLATE_NOOP(
        "FileMenuCommands",
        "Survey and Data Files (*.orvanta *.dat)|*.orvanta|Orvanta survey (*.orvanta)|*.orvanta|"
        "Data Files (*.dat)|*.dat|All Files (*.*)|*.*");
    inline static const char* const kLongFilter = QT_TRANSLATE_NOOP(
        "FileMenuCommands", "CSV, one row per reading (*.csv)|*.csv|All Files (*.*)|*.*");
    inline static const char* const kGeoJsonFilter =
        QT_TRANSLATE_NOOP("FileMenuCommands", "GeoJSON (*.geojson)|*.geojson|All Files (*.*)|*.*");
    inline static const char* const kCsvFilter = QT_TRANSLATE_NOOP(
        "FileMenuCommands", "CSV, decimal point (*.csv)|*.csv|CSV, decimal comma (*.csv)|*.csv");
    inline static const char* const kTextFilter =
        QT_TRANSLATE_NOOP("FileMenuCommands", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*");

    QString mDataFileName;     ///< the data file last chosen (its name)
    QString mExportFileName;   ///< the text export file last chosen (its name)
    QString mCsvFileName;      ///< the CSV export file last chosen (its name)
    QString mGeoJsonFileName;  ///< the GeoJSON export file last chosen (its name)

    /** @brief Opens the data file at @p path without a dialog (File > Open Recent). */
    void openPath(const QString& path);
    /** @brief The data file last opened or saved; empty when none. */
    QString documentPath() const { return m_documentPath; }
    /** @brief The readings changed since that file was opened or saved. */
    bool modified() const { return m_modified; }
    /** @brief A download, New or a reading stored changed the readings. */
    void markModified();
    /** @brief Called when the document path or its modified state changes. */
    std::function<void()> documentChanged;
    /** @brief Shows a note in the status bar (nothing went wrong). */
    std::function<void(const QString&)> note;

    /** @brief A file type filter in the user's language. */
    static QString filter(const char* source) {
        return QCoreApplication::translate("FileMenuCommands", source);
    }

private:
    /** @brief Shows the file dialog offering @p rememberedName and keeps the chosen file's name in
     *  it. For writing, refuses a read-only file with the message. False when there is nothing
     *  to do. */
    bool chooseFile(QString& rememberedName, const QString& title, const QString& filter, bool open,
                    QString* path);
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
    /** @brief The table now is what @p path holds. */
    void setDocument(const QString& path);
    Deps d;
    QString m_documentPath;
    QString m_toldDetailsFor;  ///< the data file the details note was given for
    bool m_modified = false;
};
