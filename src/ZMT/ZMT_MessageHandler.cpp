// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZMT_MessageHandler.h"

#include <cstdio>
#include <ctime>
#include <iostream>
#include <vector>

#include <unistd.h>

namespace ZMT {

namespace {

MessageHandler *&currentHandlerSlot() {
    static MessageHandler *current = nullptr;
    return current;
}

// ANSI colours standing in for the console attributes 14 (yellow), 12 (red), 13 (magenta).
const char *consoleColour(int type) {
    switch (type) {
    case MSG_WARNING:
        return "\033[93m";
    case MSG_ERROR:
        return "\033[91m";
    case MSG_DEBUG:
        return "\033[95m";
    default:
        return nullptr;
    }
}

// Splits at line feeds; a line feed that ends the text does not start another line.
std::vector<std::string> splitLines(const std::string &text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type pos = text.find('\n', start);
        if (pos == std::string::npos) {
            if (start < text.size() || lines.empty())
                lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, pos - start));
        start = pos + 1;
        if (start == text.size())
            break;
    }
    return lines;
}

bool endsWithLineFeed(const std::string &text) {
    return !text.empty() && text.back() == '\n';
}

} // namespace

MessageHandler::MessageHandler() = default;

MessageHandler::~MessageHandler() {
    if (currentHandlerSlot() == this)
        currentHandlerSlot() = nullptr; // the default handler is current again
}

const char *MessageHandler::prefix(int type) {
    switch (type) {
    case MSG_PROGRESS:
        return "[Progress]\t";
    case MSG_CONTINUED:
        return "";
    case MSG_WARNING:
        return "[Warning ]\t";
    case MSG_ERROR:
        return "[Error   ]\t";
    case MSG_DEBUG:
        return "[Debug   ]\t";
    default:
        return "[Invalid ]\t";
    }
}

std::string MessageHandler::timeStamp() const {
    if (m_timeStampFormat.empty())
        return std::string();
    std::vector<char> buffer(m_timeStampFormat.size() + 500);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::size_t len = std::strftime(buffer.data(), buffer.size(), m_timeStampFormat.c_str(), &local);
    return std::string(buffer.data(), len) + '\t';
}

std::string MessageHandler::formatLines(const std::string &text, int type,
                                        const std::string &location) const {
    const int width = m_functionNameWidth > 0 ? m_functionNameWidth : 0;
    std::string columns = timeStamp();
    columns += prefix(type);
    std::string function = location;
    if (function.size() < static_cast<std::size_t>(width))
        function.append(static_cast<std::size_t>(width) - function.size(), ' ');
    columns += function;
    columns += '\t';
    if (m_indentation > 0)
        columns.append(static_cast<std::size_t>(2 * m_indentation), ' ');

    std::string out;
    const std::vector<std::string> lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += '\n';
        out += columns;
        out += lines[i];
    }
    if (endsWithLineFeed(text))
        out += '\n';
    return out;
}

void MessageHandler::message(const std::string &text, int type, const std::string &location, int verbosity) {
    if (type < MSG_PROGRESS || type > MSG_DEBUG)
        return; // invalid messages are not written anywhere
    const bool always = (type == MSG_ERROR || type == MSG_DEBUG);
    if (!always && verbosity > m_logfileVerbosity && verbosity > m_consoleVerbosity)
        return;

    if (m_logStream) {
        const bool levelOk = verbosity != 0 && verbosity <= m_logfileVerbosity;
        if (type == MSG_CONTINUED) {
            if (levelOk)
                *m_logStream << text;
        } else if (always || levelOk) {
            *m_logStream << formatLines(text, type, location);
            // Warnings, errors and debug lines get their own line end, but a text that
            // already ends in one never produces an empty extra line.
            if (type != MSG_PROGRESS && !endsWithLineFeed(text))
                *m_logStream << '\n';
        }
        m_logStream->flush();
    }

    if (always || verbosity <= m_consoleVerbosity) {
        if (type == MSG_CONTINUED) {
            writeConsole(text, type);
        } else {
            std::string indent(static_cast<std::size_t>(m_indentation > 0 ? 2 * m_indentation : 0), ' ');
            std::string console;
            const std::vector<std::string> lines = splitLines(text);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                if (i > 0)
                    console += '\n';
                console += indent + lines[i];
            }
            if (endsWithLineFeed(text) || type != MSG_PROGRESS)
                console += '\n';
            writeConsole(console, type);
        }
    }
}

void MessageHandler::writeConsole(const std::string &text, int type) {
    const char *colour = consoleColour(type);
    static const bool terminal = isatty(fileno(stderr)) != 0;
    if (colour && terminal)
        std::cerr << colour << text << "\033[0m";
    else
        std::cerr << text;
    std::cerr.flush();
}

bool MessageHandler::openLog(const std::string &fileName, bool append, std::string &errText) {
    m_logStream.reset();
    if (fileName.empty() || m_logfileVerbosity == 0)
        return true;
    auto stream = std::make_unique<std::ofstream>(fileName, append ? (std::ios::out | std::ios::app)
                                                                   : (std::ios::out | std::ios::trunc));
    if (!stream->is_open() || !stream->good()) {
        errText = "Cannot open/create logfile '" + fileName + "'.";
        return false;
    }
    if (append)
        *stream << "\n----------- continued -------------\n";
    m_logStream = std::move(stream);
    return true;
}

MessageHandler *defaultMessageHandler() {
    static MessageHandler handler; // thread-safe static initialisation
    return &handler;
}

MessageHandler *messageHandler() {
    MessageHandler *current = currentHandlerSlot();
    return current ? current : defaultMessageHandler();
}

void setMessageHandler(MessageHandler *handler) {
    currentHandlerSlot() = (handler == defaultMessageHandler()) ? nullptr : handler;
}

void restoreDefaultMessageHandler() {
    currentHandlerSlot() = nullptr;
}

void postMessage(const std::string &text, int type, const std::string &location, int verbosity) {
    messageHandler()->message(text, type, location, verbosity);
}

void postMessage(const MessageFormat &text, int type, const std::string &location, int verbosity) {
    messageHandler()->message(text.str(), type, location, verbosity);
}

} // namespace ZMT
