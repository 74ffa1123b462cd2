// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZMT_MathFunctions.h"

#include <cmath>

#include "ZMT_Exception.h"

namespace ZMT {

double f_log10(double x) {
    if (x <= 0)
        throw Exception(MessageFormat("Negative or zero value in log function, x = %1").arg(x),
                        "[ZMT::f_log10]");
    return std::log10(x);
}

double f_pow10(double exponent) {
    const double result = std::pow(10.0, exponent);
    if (std::isinf(result))
        throw Exception(MessageFormat("Exponent too large in power function, exponent = %1").arg(exponent),
                        "[ZMT::f_pow10]");
    return result;
}

double f_pow(double base, double exponent) {
    if (base < 0)
        throw Exception(MessageFormat("Negative base in power function, base = %1").arg(base),
                        "[ZMT::f_pow]");
    const double result = std::pow(base, exponent);
    // Overflow, and also zero to a negative power.
    if (std::isinf(result))
        throw Exception(MessageFormat("Exponent too large in power function, exponent = %1").arg(exponent),
                        "[ZMT::f_pow]");
    return result;
}

} // namespace ZMT
