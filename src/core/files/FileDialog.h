// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

/** @brief The open and save dialogs, with the properties the file commands set and read. */
class FileDialog {
public:
    virtual ~FileDialog() = default;

    QString FileName;  ///< in: the name offered; out: the full path chosen
    QString DialogTitle;
    QString InitDir;
    QString Filter;       ///< "Name (*.ext)|*.ext|..." pairs
    int FilterIndex = 1;  ///< in: the type offered; out: the type chosen (1-based)
    QString FileTitle;    ///< out: the chosen file's name without its folder

    /** @brief Open dialog; accepts only an existing file. False when closed without a choice. */
    virtual bool ShowOpen() = 0;
    /** @brief Save dialog; asks before replacing an existing file. False when closed without a
     *  choice. */
    virtual bool ShowSave() = 0;
};
