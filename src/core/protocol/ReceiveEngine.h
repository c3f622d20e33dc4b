// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <cstdint>

#include "core/session/SessionState.h"

/** @brief The receive engine's own state, kept between characters. */
struct ReceiveState {
    bool Busy = false;             ///< a receive notification is being handled
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
    bool SkipToLineFeed = false;   ///< received text was thrown away: ignore up to the next line feed
    double ReadingValue = 0.0;
};

/** @brief What the engine calls out to: the meter session in the program, a recorder in tests.
 *  Every call has an empty default, so a test overrides only what it watches. */
class ReceiveHost {
public:
    virtual ~ReceiveHost() = default;
    /** @brief UnitsCode and UnitsText changed while live readings were asked for. */
    virtual void ShowUnitsText() {}
    /** @brief ModeCode and ModeText changed while live readings were asked for. */
    virtual void ShowModeText() {}
    /** @brief UnitsText changed while a download was asked for. */
    virtual void ShowBandUnits() {}
    virtual void ShowSetNumber() {}
    virtual void ShowReadingNumber() {}
    virtual void ShowBeeperState(int /*code*/) {}
    virtual void ShowLiveValue(double /*value*/) {}
    /** @brief A set header ended: the values that follow belong to set mSetNumber. */
    virtual void BeginSet() {}
    /** @brief A downloaded value: mReadingText as reading mReadingNumber of set mSetNumber. */
    virtual void StoreReading() {}
    /** @brief Two carriage returns: the end of data. */
    virtual void FinishDownload() {}
};

/** @brief What became of one character. */
enum class FeedResult {
    Taken,     ///< the character was used or ignored as the protocol says
    Malformed  ///< it completed something that is not a number (a value, a set number, a payload
               ///< digit); that item was dropped
};

/** @brief Takes one received character (code 0..255) and acts on it. */
FeedResult FeedChar(QChar ch, ReceiveState& st, SessionState& vars, DownloadState& download, ReceiveHost& host);

/** @brief Forgets a value or set header being collected and leaves download mode, so nothing
 *  received before this point can be stored later. */
void ResetReceive(ReceiveState& st, DownloadState& download);

/** @brief The longest value text the engine stores; longer ones are dropped as malformed. */
constexpr int kMaxValueLength = 255;
