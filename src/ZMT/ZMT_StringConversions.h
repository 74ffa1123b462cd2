// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZMT_STRINGCONVERSIONS_H
#define ZMT_STRINGCONVERSIONS_H

#include <string>

namespace ZMT {

/*! Strict UTF-8 to wide string; throws ZMT::Exception on malformed input. */
std::wstring UTF8ToWstring(const std::string &utf8);
/*! Wide string to UTF-8; throws ZMT::Exception for code points that are not characters. */
std::string WstringToUTF8(const std::wstring &wide);

} // namespace ZMT

#endif // ZMT_STRINGCONVERSIONS_H
