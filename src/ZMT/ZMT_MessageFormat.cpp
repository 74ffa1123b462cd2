// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZMT_MessageFormat.h"

#include <cctype>
#include <sstream>

namespace ZMT {

MessageFormat &MessageFormat::arg(const std::string &text) {
    m_args.push_back(text);
    return *this;
}

MessageFormat &MessageFormat::arg(const char *text) {
    return arg(std::string(text ? text : ""));
}

MessageFormat &MessageFormat::arg(int value) {
    return arg(std::to_string(value));
}

MessageFormat &MessageFormat::arg(long long value) {
    return arg(std::to_string(value));
}

MessageFormat &MessageFormat::arg(unsigned int value) {
    return arg(std::to_string(value));
}

MessageFormat &MessageFormat::arg(unsigned long value) {
    return arg(std::to_string(value));
}

MessageFormat &MessageFormat::arg(double value) {
    std::ostringstream s;
    s << value;
    return arg(s.str());
}

std::string MessageFormat::str() const {
    std::string out;
    out.reserve(m_format.size());
    const std::size_t n = m_format.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = m_format[i];
        if (c == '%' && i + 1 < n && std::isdigit(static_cast<unsigned char>(m_format[i + 1]))) {
            std::size_t j = i + 1;
            std::size_t number = 0;
            while (j < n && std::isdigit(static_cast<unsigned char>(m_format[j]))) {
                if (number < 100000) // large enough for any argument list, small enough not to overflow
                    number = number * 10 + static_cast<std::size_t>(m_format[j] - '0');
                ++j;
            }
            if (number >= 1 && number <= m_args.size())
                out += m_args[number - 1];
            else
                out.append(m_format, i, j - i); // keep "%N" when that argument is missing
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

} // namespace ZMT
