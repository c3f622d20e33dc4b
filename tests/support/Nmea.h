// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>

/** @brief NMEA 0183 sentences as a receiver sends them, with their checksums. */
namespace Nmea {
inline QByteArray sentence(const QByteArray& body) {
    quint8 sum = 0;
    for (const char c : body) sum ^= static_cast<quint8>(c);
    return '$' + body + '*' + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
}
/** @brief "4723.100,N" from 47.385 degrees; @p digits of the degrees (2 latitude, 3 longitude). */
inline QByteArray angle(double degrees, int digits, char positive, char negative) {
    const double a = degrees < 0 ? -degrees : degrees;
    const int whole = static_cast<int>(a);
    const double minutes = (a - whole) * 60.0;
    return QByteArray::number(whole).rightJustified(digits, '0') +
           QByteArray::number(minutes, 'f', 4).rightJustified(7, '0') + ',' +
           (degrees < 0 ? negative : positive);
}
/** @brief A GGA fix (quality 1) or, with @p quality 0, one saying there is none. */
inline QByteArray gga(const QByteArray& talker, double lat, double lon, double altitude,
                      int satellites, int quality = 1) {
    return sentence(talker + "GGA,101530.00," + angle(lat, 2, 'N', 'S') + ',' +
                    angle(lon, 3, 'E', 'W') + ',' + QByteArray::number(quality) + ',' +
                    QByteArray::number(satellites).rightJustified(2, '0') + ",0.9," +
                    QByteArray::number(altitude, 'f', 1) + ",M,47.0,M,,");
}
inline QByteArray rmc(const QByteArray& talker, double lat, double lon, bool valid = true) {
    return sentence(talker + "RMC,101530.00," + (valid ? "A," : "V,") + angle(lat, 2, 'N', 'S') +
                    ',' + angle(lon, 3, 'E', 'W') + ",0.02,,081226,,,A");
}
}  // namespace Nmea
