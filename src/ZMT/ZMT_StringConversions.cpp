// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZMT_StringConversions.h"

#include "ZMT_Exception.h"

namespace ZMT {

namespace {

bool validCodePoint(char32_t cp) {
    return cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

void appendWide(std::wstring &out, char32_t cp) {
    if (sizeof(wchar_t) >= 4) {
        out += static_cast<wchar_t>(cp);
    } else if (cp >= 0x10000) { // UTF-16 platforms need a surrogate pair
        cp -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (cp >> 10));
        out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
    } else {
        out += static_cast<wchar_t>(cp);
    }
}

} // namespace

std::wstring UTF8ToWstring(const std::string &utf8) {
    static const char *const where = "[ZMT::UTF8ToWstring]";
    static const char *const what = "Cannot create wide string from UTF8 string.";
    std::wstring out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        std::size_t len;
        char32_t cp;
        if (c < 0x80) {
            len = 1;
            cp = c;
        } else if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            throw Exception(what, where);
        }
        if (i + len > n)
            throw Exception(what, where);
        for (std::size_t k = 1; k < len; ++k) {
            const unsigned char cc = static_cast<unsigned char>(utf8[i + k]);
            if ((cc & 0xC0) != 0x80)
                throw Exception(what, where);
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms would let two byte sequences name the same file.
        static const char32_t minimum[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < minimum[len] || !validCodePoint(cp))
            throw Exception(what, where);
        appendWide(out, cp);
        i += len;
    }
    return out;
}

std::string WstringToUTF8(const std::wstring &wide) {
    static const char *const where = "[ZMT::WstringToUTF8]";
    static const char *const what = "Cannot create UTF8 string from wide string.";
    std::string out;
    out.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t cp = static_cast<char32_t>(wide[i]);
        if (sizeof(wchar_t) < 4 && cp >= 0xD800 && cp <= 0xDBFF && i + 1 < wide.size()) {
            const char32_t low = static_cast<char32_t>(wide[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (!validCodePoint(cp))
            throw Exception(what, where);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

} // namespace ZMT
