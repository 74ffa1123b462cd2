// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZMT_MESSAGEFORMAT_H
#define ZMT_MESSAGEFORMAT_H

#include <string>
#include <vector>

namespace ZMT {

/*! A message text with numbered placeholders "%1", "%2", ... and the argument texts
    that fill them. A placeholder without an argument stays in the text as it is, so a
    message built with too few arguments still shows where something is missing. */
class MessageFormat {
public:
    explicit MessageFormat(const std::string &format) : m_format(format) {}
    explicit MessageFormat(const char *format) : m_format(format) {}

    MessageFormat &arg(const std::string &text);
    MessageFormat &arg(const char *text);
    MessageFormat &arg(int value);
    MessageFormat &arg(long long value);
    MessageFormat &arg(unsigned int value);
    MessageFormat &arg(unsigned long value);
    MessageFormat &arg(double value);

    /*! The text with every placeholder that has an argument replaced. */
    std::string str() const;
    operator std::string() const { return str(); }

    const std::string &format() const { return m_format; }
    const std::vector<std::string> &arguments() const { return m_args; }

private:
    std::string m_format;
    std::vector<std::string> m_args;
};

} // namespace ZMT

#endif // ZMT_MESSAGEFORMAT_H
