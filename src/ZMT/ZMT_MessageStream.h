// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZMT_MESSAGESTREAM_H
#define ZMT_MESSAGESTREAM_H

#include <sstream>
#include <string>

namespace ZMT {

/*! Composes log lines piece by piece. Each endl() hands the buffered text, with a line
    feed, to the current message handler as one message; text still buffered when the
    stream is destroyed is sent without a line feed. Verbosity -1 is always written. */
class MessageStream {
public:
    MessageStream(int type, const std::string &functionId, int verbosity);
    ~MessageStream();

    MessageStream(const MessageStream &) = delete;
    MessageStream &operator=(const MessageStream &) = delete;

    void setType(int type) { m_type = type; }
    void setVerbosity(int verbosity) { m_verbosity = verbosity; }
    int type() const { return m_type; }
    int verbosity() const { return m_verbosity; }
    const std::string &functionId() const { return m_functionId; }

    template <typename T> MessageStream &operator<<(const T &value) {
        m_buffer << value;
        return *this;
    }
    MessageStream &operator<<(MessageStream &(*manipulator)(MessageStream &)) { return manipulator(*this); }

    /*! Ends the line: sends buffer + "\n" and empties the buffer. */
    MessageStream &endl();
    /*! Sends what is buffered (without a line feed) and empties the buffer. */
    void flush();

private:
    std::ostringstream m_buffer;
    int m_type;
    std::string m_functionId;
    int m_verbosity;
};

/*! Manipulator: stream << "text" << ZMT::endl; */
inline MessageStream &endl(MessageStream &stream) {
    return stream.endl();
}

} // namespace ZMT

#endif // ZMT_MESSAGESTREAM_H
