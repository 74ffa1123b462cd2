// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MOISTSTORAGECHECK_H
#define MOISTSTORAGECHECK_H

#include <QCoreApplication>
#include <QString>

/*! Plausibility of the two moisture storage values of a material, w_80 (moisture content at
    80 % RH) and w_sat (saturation moisture content), both in m³/m³. The condensation calculation
    needs free pore volume above the moisture content at 95 % RH (w_80 × 95 / 80, linear through
    the 80 % point); the material editors validate their fields with the same rule.

    Without widgets, so that the editors' validator and the calculation share it. */
class MoistStorageCheck {
    Q_DECLARE_TR_FUNCTIONS(Calculation)
public:
    /*! Result codes, also shown by the editors. */
    enum Code {
        Valid = 0,
        W80NotPositive = 1,  ///< w_80 <= 0
        WsatNotPositive = 2, ///< w_sat <= 0
        W80NotBelowWsat = 3, ///< w_80 >= w_sat
        W95NotBelowWsat = 4, ///< Material::w95(w_80) >= w_sat
        W80NotBelowOne = 5,  ///< w_80 >= 1 (single value only)
        WsatNotBelowOne = 6  ///< w_sat >= 1 (single value only)
    };

    /*! Checks the pair: codes 1 to 4 in this order, else 0. NaN fails like an out-of-range
        value. */
    static Code check(double w_80, double w_sat);
    /*! Checks an edited w_80 without a partner value: 1, 5 or 0. */
    static Code checkW80(double w_80);
    /*! Checks an edited w_sat without a partner value: 2, 6 or 0. */
    static Code checkWsat(double w_sat);

    /*! The translated text of a code (empty for 0 and unknown codes). */
    static QString message(int code);
};

#endif // MOISTSTORAGECHECK_H
