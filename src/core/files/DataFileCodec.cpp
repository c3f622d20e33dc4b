// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/DataFileCodec.h"

#include "core/files/Cp1252.h"

namespace {
void putU16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}
std::uint16_t getU16(const QByteArray& data, qsizetype at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(data[at]) |
                                      (static_cast<unsigned char>(data[at + 1]) << 8));
}
}  // namespace

namespace DataFileCodec {

bool write(const DataFileRecord& record, QByteArray& out) {
    putU16(out, static_cast<std::uint16_t>(record.RowNumber));
    for (const QString& text : record.SetValue) {
        const QByteArray bytes = Cp1252::encode(text);
        if (bytes.size() > 0xFFFF) return false;
        putU16(out, static_cast<std::uint16_t>(bytes.size()));
        out.append(bytes);
    }
    return true;
}

ReadResult read(const QByteArray& data, qsizetype& offset, DataFileRecord& record) {
    if (offset >= data.size()) return ReadResult::End;
    qsizetype at = offset;
    if (data.size() - at < 2) return ReadResult::Damaged;
    DataFileRecord r;
    r.RowNumber = static_cast<std::int16_t>(getU16(data, at));
    at += 2;
    for (QString& text : r.SetValue) {
        if (data.size() - at < 2) return ReadResult::Damaged;
        const std::uint16_t len = getU16(data, at);
        at += 2;
        if (data.size() - at < len) return ReadResult::Damaged;
        text = Cp1252::decode(QByteArrayView(data).sliced(at, len));
        at += len;
    }
    record = r;
    offset = at;
    return ReadResult::Ok;
}

}  // namespace DataFileCodec
