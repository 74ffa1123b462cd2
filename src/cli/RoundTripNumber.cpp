// SPDX-License-Identifier: GPL-3.0-or-later
#include "RoundTripNumber.h"

#include <charconv>
#include <cmath>

QByteArray RoundTripNumber::text(double value) {
    if (!std::isfinite(value))
        return QByteArray();
    // to_chars without a format gives the shortest form that reads back to the same bits.
    char buffer[64];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof(buffer), value);
    return QByteArray(buffer, static_cast<int>(result.ptr - buffer));
}

QByteArray RoundTripNumber::json(double value) {
    return std::isfinite(value) ? text(value) : QByteArrayLiteral("null");
}
