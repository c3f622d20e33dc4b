// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <cstdint>

/** @brief The program-wide shared variables. The meter session owns the one instance and is its
 *  only writer; windows read it through the session. */
struct SessionState {
    bool ReadingMode = false;    ///< live readings were asked for last; the panel is the view
    bool DownloadMode = false;   ///< stored sets were asked for last
    bool StoreToPC = false;      ///< new readings go to the PC database (else the meter's memory)
    std::int16_t CommPortNumber = 0;
    std::int16_t UnitsCode = 0;  ///< 2 CGS, anything else SI
    std::int16_t ModeCode = 0;   ///< 2 Step, anything else Scan
    std::int16_t BeeperCode = 0; ///< 1 on
    QString VersionText;
    QString CommSettings;
    QString UnitsText;
    QString ModeText;
    QString MeterSetText;
    QString MeterReadingText;
    QString mSelectedSet;        ///< set chosen in the tool bar's drop-down, "1".."30"
};

/** @brief Where the download being received stands. */
struct DownloadState {
    std::int32_t mProgressCount = 0;
    std::int16_t mSetNumber = 0;     ///< set being downloaded
    std::int16_t mReadingNumber = 0; ///< position within it
    QString mReadingText;            ///< value being collected, as received
};

/** @brief "Units CGS" when the code is 2, else "Units SI". */
inline QString UnitsTextFor(int unitsCode) {
    return unitsCode == 2 ? QStringLiteral("Units CGS") : QStringLiteral("Units SI");
}
/** @brief "Step" when the code is 2, else "Scan". */
inline QString ModeTextFor(int modeCode) {
    return modeCode == 2 ? QStringLiteral("Step") : QStringLiteral("Scan");
}
