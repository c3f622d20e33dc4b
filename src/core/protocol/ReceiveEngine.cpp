// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/protocol/ReceiveEngine.h"

#include <limits>

#include "core/compat/Conversions.h"

namespace {

// A payload digit: the meter sends one decimal digit after "U", "M" and "B".
bool digitValue(QChar ch, std::int16_t* out) {
    if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return false;
    *out = static_cast<std::int16_t>(ch.unicode() - '0');
    return true;
}

FeedResult endSetHeader(ReceiveState& st, DownloadState& dl, ReceiveHost& host) {
    st.InDownload = true;
    st.InSetHeader = false;
    dl.mReadingNumber = 0;
    const std::optional<std::int16_t> set = toInt16(st.SetDigits);
    // A set number that cannot be read stores nothing: its values are counted, never written
    // into another set.
    dl.mSetNumber = set ? *set : 0;
    if (!set) return FeedResult::Malformed;
    host.BeginSet();
    return FeedResult::Taken;
}

FeedResult completeValue(ReceiveState& st, DownloadState& dl, ReceiveHost& host) {
    st.InValue = false;
    if (dl.mReadingText.size() > kMaxValueLength) return FeedResult::Malformed;
    const std::optional<double> value = toReal(dl.mReadingText);
    if (!value) return FeedResult::Malformed;
    st.ReadingValue = *value;
    if (st.InDownload) {
        if (dl.mReadingNumber == std::numeric_limits<std::int16_t>::max()) return FeedResult::Malformed;
        ++dl.mReadingNumber;
        if (dl.mProgressCount < std::numeric_limits<std::int32_t>::max()) ++dl.mProgressCount;
        host.StoreReading();
    } else {
        host.ShowLiveValue(st.ReadingValue);
    }
    return FeedResult::Taken;
}

}  // namespace

void ResetReceive(ReceiveState& st, DownloadState& dl) {
    st.InDownload = false;
    st.InSetHeader = false;
    st.SetDigits.clear();
    st.InValue = false;
    st.ReturnCount = 0;
    st.ExpectUnits = st.ExpectMode = st.ExpectSetByte = st.ExpectReadingByte = st.ExpectBeeper = false;
    dl.mReadingText.clear();
}

FeedResult FeedChar(QChar ch, ReceiveState& st, SessionState& vars, DownloadState& dl, ReceiveHost& host) {
    const ushort c = ch.unicode();
    if (st.SkipToLineFeed) {
        // The rest of a line whose beginning was thrown away is never a value; a set header
        // starts afresh.
        if (c != 'S') {
            if (c == 0x0A) st.SkipToLineFeed = false;
            return FeedResult::Taken;
        }
        st.SkipToLineFeed = false;
    }
    if (c == 0x0D) {
        if (st.ReturnCount == 1) {
            st.InDownload = false;
            st.ReturnCount = 0;
            host.FinishDownload();
        } else {
            st.ReturnCount = 1;
        }
        return FeedResult::Taken;
    }
    st.ReturnCount = 0;
    switch (c) {
        case 'S':
            // A set header starts afresh: a value left open before it belongs to nothing.
            st.InSetHeader = true;
            st.InDownload = false;
            st.InValue = false;
            dl.mReadingText.clear();
            st.SetDigits.clear();
            return FeedResult::Taken;
        case 'U':
            st.ExpectUnits = true;
            if (st.InSetHeader) return endSetHeader(st, dl, host);
            return FeedResult::Taken;
        case 'M': st.ExpectMode = true; return FeedResult::Taken;
        case 'N': st.ExpectSetByte = true; return FeedResult::Taken;
        case 'R': st.ExpectReadingByte = true; return FeedResult::Taken;
        case 'B': st.ExpectBeeper = true; return FeedResult::Taken;
        default: break;
    }
    if (st.InSetHeader) {
        if (c == 0x0A) return endSetHeader(st, dl, host);
        if (st.SetDigits.size() <= kMaxValueLength) st.SetDigits += ch;
        return FeedResult::Taken;
    }
    if (st.ExpectUnits) {
        // A character that is not a digit leaves the payload pending for the next one.
        if (!digitValue(ch, &vars.UnitsCode)) return FeedResult::Malformed;
        st.ExpectUnits = false;
        vars.UnitsText = UnitsTextFor(vars.UnitsCode);
        if (vars.ReadingMode) host.ShowUnitsText();
        if (vars.DownloadMode) host.ShowBandUnits();
        return FeedResult::Taken;
    }
    if (st.ExpectMode) {
        if (!digitValue(ch, &vars.ModeCode)) return FeedResult::Malformed;
        st.ExpectMode = false;
        if (vars.ReadingMode) {
            vars.ModeText = ModeTextFor(vars.ModeCode);
            host.ShowModeText();
        }
        return FeedResult::Taken;
    }
    if (st.ExpectSetByte) {
        vars.MeterSetText = QString::number(static_cast<int>(c & 0xFF) - 127);
        st.ExpectSetByte = false;
        host.ShowSetNumber();
        return FeedResult::Taken;
    }
    if (st.ExpectReadingByte) {
        vars.MeterReadingText = QString::number(static_cast<int>(c & 0xFF) - 128);
        st.ExpectReadingByte = false;
        host.ShowReadingNumber();
        return FeedResult::Taken;
    }
    if (st.ExpectBeeper) {
        if (!digitValue(ch, &vars.BeeperCode)) return FeedResult::Malformed;
        st.ExpectBeeper = false;
        host.ShowBeeperState(vars.BeeperCode);
        return FeedResult::Taken;
    }
    if (st.InValue) {
        if (c == 0x0A) return completeValue(st, dl, host);
        // One character past the longest value is enough to know it is too long.
        if (dl.mReadingText.size() <= kMaxValueLength) dl.mReadingText += ch;
        return FeedResult::Taken;
    }
    if (c >= '0') {
        st.InValue = true;
        dl.mReadingText = ch;
    }
    return FeedResult::Taken;
}
