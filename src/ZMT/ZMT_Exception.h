// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZMT_EXCEPTION_H
#define ZMT_EXCEPTION_H

#include <exception>
#include <string>
#include <vector>

#include "ZMT_MessageFormat.h"

namespace ZMT {

/*! The one error type of model, base library and file readers. It carries a chain of
    messages: every caller that catches it may add its own context (with the location,
    by convention "[Class::function]") and throw it on. what() is the newest message. */
class Exception : public std::exception {
public:
    struct Entry {
        std::string message;
        std::string location;
    };

    Exception(const std::string &message, const std::string &location);
    Exception(const MessageFormat &message, const std::string &location);
    Exception(const Exception &previous, const std::string &message, const std::string &location);
    Exception(const Exception &previous, const MessageFormat &message, const std::string &location);

    const char *what() const noexcept override;

    const std::vector<Entry> &messages() const { return m_messages; }

    /*! All messages, oldest first, one per line as "location message". */
    std::string fullText() const;

private:
    std::vector<Entry> m_messages;
};

} // namespace ZMT

#endif // ZMT_EXCEPTION_H
