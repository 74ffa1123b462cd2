// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuietMessageHandler.h"

#include <climits>

QuietMessageHandler::QuietMessageHandler() {
    setConsoleVerbosityLevel(INT_MIN);
    setLogfileVerbosityLevel(0);
}

void QuietMessageHandler::writeConsole(const std::string &text, int type) {
    // Errors are written whatever the verbosity; debug lines are too, but they are not for users.
    if (type == ZMT::MSG_ERROR)
        ZMT::MessageHandler::writeConsole(text, type);
}
