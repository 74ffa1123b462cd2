// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef QUIETMESSAGEHANDLER_H
#define QUIETMESSAGEHANDLER_H

#include "ZMT_MessageHandler.h"

/*! Message handler of the batch program: standard output and standard error carry the
    program's own output, so the libraries' progress, warning and debug lines are not shown.
    Only errors reach the console (on standard error), because the user has to see them. There
    is no log file: the window program's log must not be truncated by a batch run. */
class QuietMessageHandler : public ZMT::MessageHandler {
public:
    QuietMessageHandler();

protected:
    void writeConsole(const std::string &text, int type) override;
};

#endif // QUIETMESSAGEHANDLER_H
