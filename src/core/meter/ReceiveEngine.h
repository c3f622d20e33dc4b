// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>

#include "core/meter/MeterFacts.h"
#include "core/meter/Numbers.h"

/** @brief What was asked of the meter last: the engine shows units and mode on the panel only
 *  after a request for live readings, and on the tool bar only after a download request. */
enum class Request { None, Download, Live };

/** @brief What the meter last reported of itself. The engine is its only writer. */
struct MeterReport {
    /** @brief The units digit as the meter sent it, 0 before the first report: the panel's
     *  scale tells 1 (SI) and 2 (CGS) from any other digit. */
    int unitsDigit = 0;
    Meter::Units units() const { return Meter::unitsFromDigit(unitsDigit); }
    /** @brief The units, once the meter has reported them; none before. */
    std::optional<Meter::Units> knownUnits() const {
        if (unitsDigit == 0) return std::nullopt;
        return units();
    }
    Meter::Mode mode = Meter::Mode::Scan;
    int beeper = 0;   ///< the beeper digit: 1 on
    int set = 1;      ///< the meter's current set (its byte less 127)
    int reading = 1;  ///< the meter's current reading number (its byte less 128)
};

/** @brief Where the value being received belongs. */
struct DownloadPosition {
    int received = 0;   ///< values of the download counted so far
    int set = 0;        ///< the set being downloaded (0: a set number that could not be read)
    int position = 0;   ///< the position of the last value within it
    QString valueText;  ///< the value being collected, or the last one, as received
    /** @brief Why the last downloaded value is not in the meter's form (DownloadValue); empty
     *  when it is. */
    QString formFault;
};

/** @brief The engine's own state, kept between characters. */
struct ReceiveState {
    int returnCount = 0;
    bool inSetHeader = false;
    QString setDigits;
    bool inDownload = false;
    bool expectUnits = false;
    bool expectMode = false;
    bool expectSetByte = false;
    bool expectReadingByte = false;
    bool expectBeeper = false;
    bool inValue = false;
    QString sign;  ///< "-", "." or "-." received just before a value's first digit
    bool skipToLineFeed =
        false;  ///< received text was thrown away: ignore up to the next line feed
    /** @brief Set data is arriving: from a set header, or from a download cut short, up to the
     *  end of data or the first element of a live answer. Its values are never live readings. */
    bool inSetAnswer = false;
    /** @brief A set header ended and no value followed yet: the units and mode elements that
     *  come now are the set's, not a live answer's. */
    bool afterSetHeader = false;
    double value = 0.0;  ///< the last value completed
};

/** @brief What the engine calls out to: the meter session in the program, a recorder in tests.
 *  Every call has an empty default, so a test overrides only what it watches. */
class ReceiveHost {
public:
    virtual ~ReceiveHost() = default;
    /** @brief The meter reported its units (MeterReport::unitsDigit) in answer to a request for
     *  live readings. */
    virtual void liveUnitsReported() {}
    /** @brief The meter reported its mode (MeterReport::mode) in answer to a request for live
     *  readings. */
    virtual void liveModeReported() {}
    /** @brief The meter reported its units in answer to a download request: the units of the
     *  set that follows. */
    virtual void downloadUnitsReported() {}
    /** @brief The meter reported its current set (MeterReport::set). */
    virtual void meterSetReported() {}
    /** @brief The meter reported its current reading number (MeterReport::reading). */
    virtual void meterReadingReported() {}
    /** @brief The meter reported its beeper state. */
    virtual void beeperReported(int /*digit*/) {}
    /** @brief A live value arrived: @p value, and @p text as the meter sent it. */
    virtual void ShowLiveValue(double /*value*/, const QString& /*text*/) {}
    /** @brief A set header ended: the values that follow belong to @p set (0: a set number that
     *  could not be read). False when no download was asked for: the set's values are then not
     *  download values. */
    virtual bool beginSet(int /*set*/) { return true; }
    /** @brief A downloaded value: @p text at @p position of @p set; @p formFault says why it is
     *  not in the meter's form, empty when it is (DownloadValue). */
    virtual void StoreReading(int /*set*/, int /*position*/, const QString& /*text*/,
                              const QString& /*formFault*/) {}
    /** @brief A downloaded line that is no reading (DownloadValue): it takes @p position of
     *  @p set all the same, so the values after it stay where the meter put them. */
    virtual void skipUnreadable(int /*set*/, int /*position*/) {}
    /** @brief Two carriage returns: the end of data. */
    virtual void FinishDownload() {}
};

/** @brief What became of one character. */
enum class FeedResult {
    Taken,     ///< the character was used or ignored as the protocol says
    Malformed  ///< it completed something that is not a number (a value, a set number, a payload
               ///< digit); that item was dropped
};

/** @brief The meter's byte stream taken apart, one character (code 0..255) at a time. */
struct ReceiveEngine {
    ReceiveState state;
    DownloadPosition download;

    /** @brief Takes one received character and acts on it: what the meter reports of itself goes
     *  into @p report, the rest to @p host. @p lastRequest is what was asked of the meter last. */
    FeedResult FeedChar(QChar ch, Request lastRequest, MeterReport& report, ReceiveHost& host);
    /** @brief Forgets a value or set header being collected and leaves download mode, so nothing
     *  received before this point can be stored later. */
    void reset();
    /** @brief Received text was thrown away: a value being collected is dropped, and when the
     *  text thrown away cut a line (@p lineCut), the rest of that line is never a value. */
    void discardReceived(bool lineCut);
    /** @brief A download ended before its end of data: what the meter still sends of that
     *  answer, up to its end of data or a live answer, is set data and never a live reading. */
    void cutAnswer() { state.inSetAnswer = true; }
    /** @brief A request for live readings was sent: values from now on are its answer. */
    void expectLiveAnswer() { state.inSetAnswer = false; }
};

/** @brief The longest value text the engine stores; longer ones are unreadable. */
constexpr int kMaxValueLength = Numbers::kMaxReadingLength;
