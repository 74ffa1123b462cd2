// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZMT_StringUtils.h"

#include <limits>
#include <locale>
#include <sstream>

#include "ZMT_Exception.h"

namespace ZMT {

double string2val(const std::string &text) {
    std::istringstream in(text);
    // The user's locale must not change how numbers in files are read.
    in.imbue(std::locale::classic());
    std::string word;
    in >> word;
    if (word == "1.#QNAN" && (in >> std::ws).eof())
        return std::numeric_limits<double>::quiet_NaN();

    in.clear();
    in.str(text);
    double value = 0;
    // The stream rejects "inf", "nan" and overflow, and the rest of the text must be blank.
    if (!(in >> value) || !(in >> std::ws).eof())
        throw Exception(MessageFormat("Could not convert '%1' into value.").arg(text), "[string2val]");
    return value;
}

} // namespace ZMT
