#pragma once
#include <QString>
#include <functional>

#include "basVariables.h"

class CommonDialog;
class MessageBox;
class Recordset;

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

/** @brief New, Open, Close, Save, Save As and Export Data on the table Sets. */
class FileCommands {
public:
    struct Deps {
        Recordset& rs;
        CommonDialog& dialog;
        MessageBox& messages;
        frmMainVariables& vars;
        ProgressBarControl& progress;
        std::function<void()> processEvents;  ///< lets the window handle pending events
        QString dialogFolder;                 ///< where the dialogs open
    };
    explicit FileCommands(Deps deps) : d(std::move(deps)) {}

    /** @brief Clears every reading to "0.000000", after asking when any reading would be lost. */
    void Newmenu_Click();
    /** @brief Loads a data file into the table, record k into row k. */
    void Openmenu_Click();
    /** @brief Does nothing. */
    void Closemenu_Click() {}
    /** @brief Saves the table to a data file (a new file replaces the old one only when whole). */
    void Savemenu_Click();
    /** @brief The same as Save. */
    void Saveasmenu_Click() { Savemenu_Click(); }
    /** @brief Export Data. */
    void Exportmenu_Click() { ExportToText(); }
    /** @brief Writes the table as tab-separated text. */
    void ExportToText();
    /** @brief Writes the sets that hold readings as comma-separated values; the dialog's second
     *  file type chooses the decimal comma. */
    void ExportCsv();

    inline static const QString kDataFilter = QStringLiteral("Data Files (*.dat)|*.dat|All Files (*.*)|*.*");
    inline static const QString kCsvFilter =
        QStringLiteral("CSV, decimal point (*.csv)|*.csv|CSV, decimal comma (*.csv)|*.csv");
    inline static const QString kTextFilter = QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*");

private:
    /** @brief Shows the file dialog offering @p rememberedName, keeps the chosen file's name in
     *  it, and refuses a read-only file with the message. False when there is nothing to do. */
    bool chooseFile(QString& rememberedName, const QString& title, const QString& filter, bool open, QString* path);
    /** @brief Writes a new file and puts it in the old one's place only when it is whole. */
    void writeReplacing(const QString& path, const QByteArray& bytes);
    /** @brief Back to row 1 after a failure, if the table is there. */
    void rewind();
    Deps d;
};

/** @brief Applies the whole records of a data file to the table, record k to row k, stopping at
 *  a damaged record or at the first record without a row. Returns the rows loaded. The last row
 *  written is saved. */
int LoadDataFile(const QByteArray& data, Recordset& rs);

/** @brief True when a file at @p path may not be written: its read-only attribute, or a folder
 *  this user may not write in. */
bool IsReadOnlyTarget(const QString& path);
