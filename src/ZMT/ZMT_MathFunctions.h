// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZMT_MATHFUNCTIONS_H
#define ZMT_MATHFUNCTIONS_H

namespace ZMT {

/*! Base-10 logarithm; throws ZMT::Exception for x <= 0 instead of returning -inf or NaN. */
double f_log10(double x);
/*! 10 to the power of \a exponent; throws ZMT::Exception when the result overflows. */
double f_pow10(double exponent);
/*! \a base to the power of \a exponent; throws ZMT::Exception for a negative base and when
    the result overflows. */
double f_pow(double base, double exponent);

} // namespace ZMT

#endif // ZMT_MATHFUNCTIONS_H
