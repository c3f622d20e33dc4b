#include "ReceiveEngine.h"

#include <QLocale>
#include <cmath>
#include <limits>

#include "ErrorCodes.h"

std::int16_t ToInteger(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    const double d = QLocale::c().toDouble(t, &ok);
    if (!ok || t.isEmpty() || !std::isfinite(d))
        throw VbError(ErrorCode::TypeMismatch, QStringLiteral("Type mismatch"));
    const double r = std::nearbyint(d);  // halves to even
    if (r < -32768.0 || r > 32767.0) throw VbError(ErrorCode::Overflow, QStringLiteral("Overflow"));
    return static_cast<std::int16_t>(r);
}

double ToDouble(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    const double d = QLocale::c().toDouble(t, &ok);
    if (!ok || t.isEmpty() || !std::isfinite(d))
        throw VbError(ErrorCode::TypeMismatch, QStringLiteral("Type mismatch"));
    return d;
}

namespace {

// A payload digit: the meter sends one decimal digit after "U", "M" and "B".
std::int16_t DigitValue(QChar ch) {
    if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
        throw VbError(ErrorCode::TypeMismatch, QStringLiteral("Type mismatch"));
    return static_cast<std::int16_t>(ch.unicode() - '0');
}

void EndSetHeader(ReceiveState& st, frmMainVariables& main) {
    st.InDownload = true;
    st.InSetHeader = false;
    main.mReadingNumber = 0;
    main.mSetNumber = ToInteger(st.SetDigits);  // on failure the previous set number stays
}

void CompleteValue(ReceiveState& st, frmMainVariables& main, ReceiveHost& host) {
    st.InValue = false;
    st.ReadingValue = ToDouble(main.mReadingText);
    if (st.InDownload) {
        if (main.mReadingNumber == std::numeric_limits<std::int16_t>::max())
            throw VbError(ErrorCode::Overflow, QStringLiteral("Overflow"));
        ++main.mReadingNumber;
        if (main.mProgressCount < std::numeric_limits<std::int32_t>::max()) ++main.mProgressCount;
        if (!host.ProgressVisible()) host.ShowProgress();
        host.StoreReading();
    } else {
        host.ShowLiveValue(st.ReadingValue);
    }
}

void EndOfData(ReceiveState& st, ReceiveHost& host) {
    host.CloseProgress();
    host.FinishDownload();
    st.InDownload = false;
    st.ReturnCount = 0;
}

}  // namespace

void FeedChar(QChar ch, ReceiveState& st, basVariables& vars, frmMainVariables& main, ReceiveHost& host) {
    const ushort c = ch.unicode();
    if (c == 0x0D) {
        if (st.ReturnCount == 1) EndOfData(st, host);
        else st.ReturnCount = 1;
        return;
    }
    st.ReturnCount = 0;
    switch (c) {
        case 'S':
            st.InSetHeader = true;
            st.InDownload = false;
            st.SetDigits.clear();
            return;
        case 'U':
            st.ExpectUnits = true;
            if (st.InSetHeader) EndSetHeader(st, main);
            return;
        case 'M': st.ExpectMode = true; return;
        case 'N': st.ExpectSetByte = true; return;
        case 'R': st.ExpectReadingByte = true; return;
        case 'B': st.ExpectBeeper = true; return;
        default: break;
    }
    if (st.InSetHeader) {
        if (c == 0x0A) EndSetHeader(st, main);
        else st.SetDigits += ch;
        return;
    }
    if (st.ExpectUnits) {
        vars.UnitsCode = DigitValue(ch);
        st.ExpectUnits = false;
        host.SetUnits();
        if (vars.ReadingMode) host.ShowUnitsText();
        if (vars.DownloadMode) host.ShowBandUnits();
        return;
    }
    if (st.ExpectMode) {
        vars.ModeCode = DigitValue(ch);
        st.ExpectMode = false;
        if (vars.ReadingMode) {
            host.SetMode();
            host.ShowModeText();
        }
        return;
    }
    if (st.ExpectSetByte) {
        vars.MeterSetText = QString::number(static_cast<int>(c & 0xFF) - 127);
        st.ExpectSetByte = false;
        host.ShowSetNumber();
        return;
    }
    if (st.ExpectReadingByte) {
        vars.MeterReadingText = QString::number(static_cast<int>(c & 0xFF) - 128);
        st.ExpectReadingByte = false;
        host.ShowReadingNumber();
        return;
    }
    if (st.ExpectBeeper) {
        vars.BeeperCode = DigitValue(ch);
        st.ExpectBeeper = false;
        host.ShowBeeperState(vars.BeeperCode);
        return;
    }
    if (st.InValue) {
        if (c == 0x0A) CompleteValue(st, main, host);
        else main.mReadingText += ch;
        return;
    }
    if (c >= '0') {
        st.InValue = true;
        main.mReadingText = ch;
    }
}
