// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/meter/ReceiveEngine.h"

#include <limits>
#include <optional>

#include "core/meter/DownloadValue.h"
#include "core/meter/Numbers.h"

namespace {

// A payload digit: the meter sends one decimal digit after "U", "M" and "B".
std::optional<int> digitValue(QChar ch) {
    if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return std::nullopt;
    return ch.unicode() - '0';
}

}  // namespace

void ReceiveEngine::reset() {
    state.inDownload = false;
    state.inSetHeader = false;
    state.afterSetHeader = false;
    state.setDigits.clear();
    state.inValue = false;
    state.returnCount = 0;
    state.expectUnits = state.expectMode = state.expectSetByte = false;
    state.expectReadingByte = state.expectBeeper = false;
    download.valueText.clear();
}

void ReceiveEngine::discardReceived(bool lineCut) {
    state.inValue = false;
    state.sign.clear();
    download.valueText.clear();
    state.skipToLineFeed = lineCut;
}

FeedResult ReceiveEngine::FeedChar(QChar ch, Request lastRequest, MeterReport& report,
                                   ReceiveHost& host) {
    ReceiveState& st = state;
    DownloadPosition& dl = download;
    const ushort c = ch.unicode();
    // A sign or decimal point belongs to a value only when its first digit follows at once.
    QString sign;
    sign.swap(st.sign);
    const auto endSetHeader = [&] {
        st.inDownload = true;
        st.inSetHeader = false;
        st.afterSetHeader = true;
        dl.position = 0;
        const std::optional<std::int16_t> set = Numbers::toInt16(st.setDigits);
        // A set number that cannot be read stores nothing: its values are counted, never written
        // into another set.
        dl.set = set ? *set : 0;
        // Set data nobody asked for: what follows is not a download's.
        if (!host.beginSet(dl.set)) st.inDownload = false;
        return set ? FeedResult::Taken : FeedResult::Malformed;
    };
    if (st.skipToLineFeed) {
        // The rest of a line whose beginning was thrown away is never a value; a set header
        // starts afresh.
        if (c != 'S') {
            if (c == 0x0A) st.skipToLineFeed = false;
            return FeedResult::Taken;
        }
        st.skipToLineFeed = false;
    }
    if (c == 0x0D) {
        if (st.returnCount == 1) {
            st.inDownload = false;
            st.inSetAnswer = false;
            st.returnCount = 0;
            host.FinishDownload();
        } else {
            st.returnCount = 1;
        }
        return FeedResult::Taken;
    }
    st.returnCount = 0;
    switch (c) {
        case 'S':
            // A set header starts afresh: a value left open before it belongs to nothing.
            st.inSetHeader = true;
            st.inSetAnswer = true;
            st.inDownload = false;
            st.inValue = false;
            dl.valueText.clear();
            st.setDigits.clear();
            return FeedResult::Taken;
        case 'U':
            st.expectUnits = true;
            if (st.inSetHeader) return endSetHeader();
            if (!st.afterSetHeader) st.inSetAnswer = false;  // a live answer's units
            return FeedResult::Taken;
        case 'M':
            st.expectMode = true;
            if (!st.afterSetHeader) st.inSetAnswer = false;
            return FeedResult::Taken;
        case 'N':
            // The meter's set and reading numbers come in live answers only.
            st.expectSetByte = true;
            st.inSetAnswer = st.afterSetHeader = false;
            return FeedResult::Taken;
        case 'R':
            st.expectReadingByte = true;
            st.inSetAnswer = st.afterSetHeader = false;
            return FeedResult::Taken;
        case 'B':
            st.expectBeeper = true;
            st.inSetAnswer = st.afterSetHeader = false;
            return FeedResult::Taken;
        default:
            break;
    }
    if (st.inSetHeader) {
        if (c == 0x0A) return endSetHeader();
        if (st.setDigits.size() <= kMaxValueLength) st.setDigits += ch;
        return FeedResult::Taken;
    }
    if (st.expectUnits) {
        // A character that is not a digit leaves the payload pending for the next one.
        const std::optional<int> digit = digitValue(ch);
        if (!digit) return FeedResult::Malformed;
        st.expectUnits = false;
        report.unitsDigit = *digit;
        if (lastRequest == Request::Live) host.liveUnitsReported();
        if (lastRequest == Request::Download) host.downloadUnitsReported();
        return FeedResult::Taken;
    }
    if (st.expectMode) {
        const std::optional<int> digit = digitValue(ch);
        if (!digit) return FeedResult::Malformed;
        st.expectMode = false;
        report.mode = Meter::modeFromDigit(*digit);
        if (lastRequest == Request::Live) host.liveModeReported();
        return FeedResult::Taken;
    }
    if (st.expectSetByte) {
        report.set = static_cast<int>(c & 0xFF) - 127;
        st.expectSetByte = false;
        host.meterSetReported();
        return FeedResult::Taken;
    }
    if (st.expectReadingByte) {
        report.reading = static_cast<int>(c & 0xFF) - 128;
        st.expectReadingByte = false;
        host.meterReadingReported();
        return FeedResult::Taken;
    }
    if (st.expectBeeper) {
        const std::optional<int> digit = digitValue(ch);
        if (!digit) return FeedResult::Malformed;
        st.expectBeeper = false;
        report.beeper = *digit;
        host.beeperReported(report.beeper);
        return FeedResult::Taken;
    }
    if (st.inValue) {
        if (c != 0x0A) {
            // One character past the longest value is enough to know it is too long.
            if (dl.valueText.size() <= kMaxValueLength) dl.valueText += ch;
            return FeedResult::Taken;
        }
        st.inValue = false;
        if (!st.inDownload) {
            // The values of set data nobody takes (a set not asked for, the rest of a download
            // cut short) are never live readings.
            if (st.inSetAnswer) return FeedResult::Taken;
            const std::optional<QString> text = Numbers::readingText(dl.valueText, &st.value);
            if (!text) return FeedResult::Malformed;
            dl.valueText = *text;
            host.ShowLiveValue(st.value, dl.valueText);
            return FeedResult::Taken;
        }
        const DownloadValue v = DownloadValue::of(dl.valueText);
        if (v.readable) dl.valueText = v.text;
        dl.formFault = v.formFault;
        for (int k = 0; k < v.positions; ++k) {
            if (dl.position == std::numeric_limits<std::int16_t>::max())
                return FeedResult::Malformed;
            ++dl.position;
            if (dl.received < std::numeric_limits<std::int32_t>::max()) ++dl.received;
            // An unreadable line still takes its positions: the ones after it stay where they
            // belong.
            if (v.readable)
                host.StoreReading(dl.set, dl.position, dl.valueText, dl.formFault);
            else
                host.skipUnreadable(dl.set, dl.position);
        }
        return v.readable ? FeedResult::Taken : FeedResult::Malformed;
    }
    if (c >= '0') {
        st.inValue = true;
        st.afterSetHeader = false;
        dl.valueText = c <= '9' ? sign + ch : QString(ch);
    } else if (c == '-') {
        st.sign = QStringLiteral("-");
    } else if (c == '.') {
        st.sign = sign == QLatin1String("-") ? QStringLiteral("-.") : QStringLiteral(".");
    }
    return FeedResult::Taken;
}
