#pragma once
#include <QString>

class QPrinter;

/** @brief The file and print dialogs, with the properties the commands set and read.
 *
 * With CancelError on, closing a dialog without a choice raises error 32755. */
class CommonDialog {
public:
    virtual ~CommonDialog() = default;

    bool CancelError = false;
    QString FileName;    ///< in: the name offered; out: the full path chosen
    QString DialogTitle;
    int Flags = 0;
    QString InitDir;
    QString Filter;      ///< "Name (*.ext)|*.ext|..." pairs
    int FilterIndex = 1;
    QString FileTitle;   ///< out: the chosen file's name without its folder

    /** @brief Open dialog; accepts only an existing file. */
    virtual void ShowOpen() = 0;
    /** @brief Save dialog; no overwrite question. */
    virtual void ShowSave() = 0;
    /** @brief Print dialog; on return printer() is the chosen printer. */
    virtual void ShowPrinter() = 0;
    /** @brief The printer chosen in the last print dialog. */
    virtual QPrinter& printer() = 0;
};
