// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZMT_MessageStream.h"

#include "ZMT_MessageHandler.h"

namespace ZMT {

MessageStream::MessageStream(int type, const std::string &functionId, int verbosity)
    : m_type(type), m_functionId(functionId), m_verbosity(verbosity) {}

MessageStream::~MessageStream() {
    flush();
}

MessageStream &MessageStream::endl() {
    m_buffer << '\n';
    flush();
    return *this;
}

void MessageStream::flush() {
    const std::string text = m_buffer.str();
    if (text.empty())
        return;
    m_buffer.str(std::string());
    m_buffer.clear();
    messageHandler()->message(text, m_type, m_functionId, m_verbosity);
}

} // namespace ZMT
