// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_Assert.h"

#include <string>

#include "ZMT_Exception.h"
#include "ZMT_MessageHandler.h"

namespace VaDar {

void assertionFailed(const char *condition, const char *location) {
    // Logged first: an exception that escapes an event handler ends the program and
    // would otherwise leave no trace of the broken condition in the log.
    ZMT::postMessage(std::string("Assertion failed: ") + condition, ZMT::MSG_ERROR, location);
    throw ZMT::Exception(condition, location);
}

} // namespace VaDar
