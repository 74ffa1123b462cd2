// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_ASSERT_H
#define VADAR_ASSERT_H

/*! Checks for programming errors inside the VaDar classes. Unlike Q_ASSERT they stay
    active in release builds: a wrong index or a null painter must never turn into a
    silent out-of-range access. A failed check writes the condition text to the log and
    throws a ZMT::Exception whose message is exactly that condition text. */
#define VADAR_ASSERT(condition, location)                                                                    \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            VaDar::assertionFailed(#condition, location);                                                    \
    } while (false)

namespace VaDar {

[[noreturn]] void assertionFailed(const char *condition, const char *location);

} // namespace VaDar

#endif // VADAR_ASSERT_H
