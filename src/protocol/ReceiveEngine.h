#pragma once
#include <QString>
#include <cstdint>

#include "basVariables.h"

/** @brief The receive engine's own state, kept between characters. Only received characters
 *  change it. */
struct ReceiveState {
    bool Busy = false;
    QString LastChar;
    std::int16_t ReturnCount = 0;
    bool InSetHeader = false;
    QString SetDigits;
    bool InDownload = false;
    bool ExpectUnits = false;
    bool ExpectMode = false;
    bool ExpectSetByte = false;
    bool ExpectReadingByte = false;
    bool ExpectBeeper = false;
    bool InValue = false;
    double ReadingValue = 0.0;
};

/** @brief What the engine calls out to: the main window in the program, a recorder in tests.
 *  Any of these may raise VbError; the engine then abandons the character. */
class ReceiveHost {
public:
    virtual ~ReceiveHost() = default;
    virtual void SetUnits() = 0;
    virtual void SetMode() = 0;
    virtual void ShowUnitsText() = 0;
    virtual void ShowModeText() = 0;
    /** @brief The main window's band caption shows UnitsText. */
    virtual void ShowBandUnits() = 0;
    virtual void ShowSetNumber() = 0;
    virtual void ShowReadingNumber() = 0;
    virtual void ShowBeeperState(int code) = 0;
    virtual void ShowLiveValue(double v) = 0;
    virtual bool ProgressVisible() = 0;
    virtual void ShowProgress() = 0;
    virtual void CloseProgress() = 0;
    /** @brief Writes mReadingText as reading mReadingNumber of set mSetNumber (never raises). */
    virtual void StoreReading() = 0;
    /** @brief Saves the pending row, rewinds to row 1 and refreshes the grid. */
    virtual void FinishDownload() = 0;
};

/** @brief Takes one received character (code 0..255) and acts on it. */
void FeedChar(QChar ch, ReceiveState& st, basVariables& vars, frmMainVariables& main, ReceiveHost& host);

/** @brief Text to a 16-bit integer by the platform's rules; raises VbError 13 or 6. */
std::int16_t ToInteger(const QString& text);
/** @brief Decimal text to a double; raises VbError 13. */
double ToDouble(const QString& text);
