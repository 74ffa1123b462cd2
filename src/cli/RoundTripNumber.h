// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ROUNDTRIPNUMBER_H
#define ROUNDTRIPNUMBER_H

#include <QByteArray>

/*! Numbers for machine-readable output: the shortest decimal text, with '.' and never a group
    separator, that reads back to exactly the same double. Scripts and regression tests compare
    results bit for bit, so no digit may be lost and none invented. */
class RoundTripNumber {
public:
    /*! Shortest round-trip text of a finite \a value ("0.1", "1e-05", "-0"); an empty text for
        NaN and infinity, which have no decimal form. */
    static QByteArray text(double value);
    /*! As text(), but "null" for a non-finite value (JSON has no NaN or infinity). */
    static QByteArray json(double value);

    RoundTripNumber() = delete;
};

#endif // ROUNDTRIPNUMBER_H
