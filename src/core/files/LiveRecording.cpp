// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/LiveRecording.h"

#include <QFileInfo>
#include <QStringList>

#include "core/common/Messages.h"
#include "core/files/CsvExport.h"

FileOutcome LiveRecording::start(const QString& path, bool withPositions) {
    stop();
    m_count = 0;
    m_positions = withPositions;
    m_mark.clear();
    if (const QFileInfo fi(path); fi.exists() && !fi.isFile())
        return FileOutcome::failed(FileFailure::NotRegular, path);
    m_file.setFileName(path);
    // Unbuffered: every line is in the file once written.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return FileOutcome::failed(FileFailure::NotWritten, path, m_file.errorString());
    return writeLine(
        QStringLiteral("time,value,units,set,reading,mark") +
        (withPositions ? QStringLiteral(",latitude,longitude,elevation_m") : QString()));
}

FileOutcome LiveRecording::add(const QDateTime& time, const QString& value, const QString& units,
                               int set, int reading, const std::optional<GpsFix>& fix) {
    if (!isRecording()) return FileOutcome::done();
    QStringList fields{time.toUTC().toString(Qt::ISODateWithMs),
                       CsvExport::quoted(value),
                       units,
                       QString::number(set),
                       QString::number(reading),
                       CsvExport::textField(m_mark)};
    if (m_positions) {
        fields << (fix ? QString::number(fix->latitude, 'f', 7) : QString())
               << (fix ? QString::number(fix->longitude, 'f', 7) : QString())
               << (fix && fix->elevationM ? QString::number(*fix->elevationM, 'f', 1) : QString());
    }
    const QString line = fields.join(QLatin1Char(','));
    const FileOutcome written = writeLine(line);
    if (written.ok()) {
        ++m_count;
        m_mark.clear();
    }
    return written;
}

FileOutcome LiveRecording::writeLine(const QString& line) {
    const QByteArray bytes = line.toUtf8() + "\r\n";
    if (m_file.write(bytes) != bytes.size()) {
        const QString why = m_file.errorString();
        const QString path = m_file.fileName();
        stop();
        return FileOutcome::failed(FileFailure::NotWritten, path, why);
    }
    return FileOutcome::done();
}
