// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZMT_Exception.h"

namespace ZMT {

Exception::Exception(const std::string &message, const std::string &location)
    : m_messages{Entry{message, location}} {}

Exception::Exception(const MessageFormat &message, const std::string &location)
    : Exception(message.str(), location) {}

Exception::Exception(const Exception &previous, const std::string &message, const std::string &location)
    : m_messages(previous.m_messages) {
    m_messages.push_back(Entry{message, location});
}

Exception::Exception(const Exception &previous, const MessageFormat &message, const std::string &location)
    : Exception(previous, message.str(), location) {}

const char *Exception::what() const noexcept {
    if (m_messages.empty())
        return "";
    return m_messages.back().message.c_str();
}

std::string Exception::fullText() const {
    std::string text;
    for (const Entry &e : m_messages) {
        if (!text.empty())
            text += '\n';
        if (!e.location.empty())
            text += e.location + ' ';
        text += e.message;
    }
    return text;
}

} // namespace ZMT
