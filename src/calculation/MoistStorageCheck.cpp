// SPDX-License-Identifier: GPL-3.0-or-later
#include "MoistStorageCheck.h"

#include "Material.h"

// Every test is written so that NaN fails it.

MoistStorageCheck::Code MoistStorageCheck::check(double w_80, double w_sat) {
    if (!(w_80 > 0))
        return W80NotPositive;
    if (!(w_sat > 0))
        return WsatNotPositive;
    if (!(w_80 < w_sat))
        return W80NotBelowWsat;
    if (!(Material::w95(w_80) < w_sat))
        return W95NotBelowWsat;
    return Valid;
}

MoistStorageCheck::Code MoistStorageCheck::checkW80(double w_80) {
    if (!(w_80 > 0))
        return W80NotPositive;
    if (!(w_80 < 1))
        return W80NotBelowOne;
    return Valid;
}

MoistStorageCheck::Code MoistStorageCheck::checkWsat(double w_sat) {
    if (!(w_sat > 0))
        return WsatNotPositive;
    if (!(w_sat < 1))
        return WsatNotBelowOne;
    return Valid;
}

QString MoistStorageCheck::message(int code) {
    switch (code) {
    case W80NotPositive:
        return tr("Moisture content at 80%RH less or equal 0");
    case WsatNotPositive:
        return tr("Saturation moisture content less or equal 0");
    case W80NotBelowWsat:
        return tr("Moisture content at 80%RH greater or equal saturation moisture content");
    case W95NotBelowWsat:
        return tr(
            "Moisture content at 80%RH leads to a moisture content at 95%RH greater or equal saturation "
            "moisture content");
    case W80NotBelowOne:
        return tr("Moisture content at 80%RH greater or equal to 1.0");
    case WsatNotBelowOne:
        return tr("Moisture content at saturation greater or equal to 1.0");
    default:
        return QString();
    }
}
