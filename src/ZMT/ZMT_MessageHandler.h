// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZMT_MESSAGEHANDLER_H
#define ZMT_MESSAGEHANDLER_H

#include <fstream>
#include <memory>
#include <string>

#include "ZMT_MessageFormat.h"

namespace ZMT {

/*! Message type codes used by every caller. */
enum MessageType {
    MSG_PROGRESS = 0,
    MSG_CONTINUED = 1, // raw continuation of a progress message
    MSG_WARNING = 2,
    MSG_ERROR = 3,
    MSG_DEBUG = 4
};

/*! Writes progress, warnings, errors and debug lines to the log file and the console.
    One process-wide handler is current at a time (see messageHandler()). A message is
    written to the log when its verbosity is not above the log level, to the console when
    it is not above the console level; errors and debug lines are always written. */
class MessageHandler {
public:
    MessageHandler();
    virtual ~MessageHandler();

    MessageHandler(const MessageHandler &) = delete;
    MessageHandler &operator=(const MessageHandler &) = delete;

    virtual void message(const std::string &text, int type, const std::string &location, int verbosity);
    /*! Opens (append == false: truncates) the log file. An empty name or a log level of 0
        succeed without a file. On failure errText says which file could not be opened. */
    virtual bool openLog(const std::string &fileName, bool append, std::string &errText);

    void setConsoleVerbosityLevel(int level) { m_consoleVerbosity = level; }
    void setLogfileVerbosityLevel(int level) { m_logfileVerbosity = level; }
    void setTimeStampFormat(const std::string &format) { m_timeStampFormat = format; }
    void setFunctionNameColumnWidth(int width) { m_functionNameWidth = width; }
    void setIndentation(int level) { m_indentation = level; }

    int consoleVerbosityLevel() const { return m_consoleVerbosity; }
    int logfileVerbosityLevel() const { return m_logfileVerbosity; }
    const std::string &timeStampFormat() const { return m_timeStampFormat; }
    int functionNameColumnWidth() const { return m_functionNameWidth; }
    int indentation() const { return m_indentation; }
    bool isLogOpen() const { return m_logStream != nullptr; }

    /*! The line prefix of a message type ("[Progress]\t", ...). */
    static const char *prefix(int type);

    /*! The log text of one message exactly as message() writes it, without the line end
        that warnings, errors and debug lines get. Exposed for the tests. */
    std::string formatLines(const std::string &text, int type, const std::string &location) const;

protected:
    /*! Writes one console message; the default writes to standard error, coloured on a
        terminal, so that standard output stays free for a program's own output. */
    virtual void writeConsole(const std::string &text, int type);

private:
    std::string timeStamp() const;

    int m_functionNameWidth = 40;
    int m_consoleVerbosity = 4;
    int m_logfileVerbosity = 2;
    std::unique_ptr<std::ofstream> m_logStream;
    std::string m_timeStampFormat = "%Y-%m-%d %H:%M:%S";
    int m_indentation = 0;
};

/*! The current handler (initially the process-wide default handler). */
MessageHandler *messageHandler();
/*! Makes \a handler current; nullptr restores the default. */
void setMessageHandler(MessageHandler *handler);
void restoreDefaultMessageHandler();
MessageHandler *defaultMessageHandler();

void postMessage(const std::string &text, int type, const std::string &location, int verbosity = 1);
void postMessage(const MessageFormat &text, int type, const std::string &location, int verbosity = 1);

} // namespace ZMT

#endif // ZMT_MESSAGEHANDLER_H
