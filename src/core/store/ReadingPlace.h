// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <optional>

#include "core/store/SetDetails.h"

/** @brief Where one reading was taken: a GPS fix current when it was stored (WGS 84 degrees,
 *  metres above sea level) and when that fix was made. */
struct ReadingPlace {
    double latitude = 0;
    double longitude = 0;
    std::optional<double> elevationM;
    QDateTime fixUtc;

    bool operator==(const ReadingPlace& o) const {
        return latitude == o.latitude && longitude == o.longitude && elevationM == o.elevationM &&
               fixUtc == o.fixUtc;
    }
    bool operator!=(const ReadingPlace& o) const { return !(*this == o); }
    /** @brief Inside the ranges of latitude, longitude and a sensible elevation. */
    bool isValid() const {
        return latitude >= -90 && latitude <= 90 && longitude >= -180 && longitude <= 180 &&
               (!elevationM || (*elevationM > -SetDetailFields::kLargestMetres &&
                                *elevationM < SetDetailFields::kLargestMetres));
    }
};
