// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZMT_STRINGUTILS_H
#define ZMT_STRINGUTILS_H

#include <string>

namespace ZMT {

/*! Parses a whole text as a floating-point number in the C locale ("." as decimal point),
    ignoring blanks around it. "1.#QNAN", which old Windows programs wrote for an undefined
    value, gives a quiet NaN. Anything else that is not a finite number, including a value
    too large for a double, throws ZMT::Exception. */
double string2val(const std::string &text);

} // namespace ZMT

#endif // ZMT_STRINGUTILS_H
