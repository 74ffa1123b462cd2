// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZMT_Path.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include "ZMT_Exception.h"
#include "ZMT_MessageHandler.h"
#include "ZMT_StringConversions.h"

namespace ZMT {

namespace {

// Collapses "name/../" where name is a real directory name (not ".." itself).
std::string collapseUpLevels(std::string p) {
    bool changed = true;
    while (changed) {
        changed = false;
        std::string::size_type pos = p.find("/../");
        while (pos != std::string::npos) {
            const std::string::size_type start = (pos == 0) ? std::string::npos : p.rfind('/', pos - 1);
            const std::string::size_type nameBegin = (start == std::string::npos) ? 0 : start + 1;
            const std::string name = p.substr(nameBegin, pos - nameBegin);
            if (pos > 0 && !name.empty() && name != ".." && name != "." &&
                !(name.size() == 2 && name[1] == ':')) {
                p.erase(nameBegin, pos + 4 - nameBegin);
                changed = true;
                break;
            }
            pos = p.find("/../", pos + 1);
        }
    }
    return p;
}

} // namespace

void Path::set(const std::string &utf8Path) {
    std::string p = utf8Path;
    for (char &c : p)
        if (c == '\\')
            c = '/';
    if (p.size() > 1 && p.back() == '/')
        p.pop_back();
    m_path = collapseUpLevels(p);
}

Path Path::parentPath() const {
    if (!isValid())
        throw Exception(MessageFormat("Invalid path: '%1'").arg(m_path), "[Path::parentPath]");
    if (m_path.size() == 2 && m_path[1] == ':')
        throw Exception("No parent possible.", "[Path::parentPath]");
    const std::string::size_type pos = m_path.rfind('/');
    if (pos == std::string::npos)
        return Path();
    if (pos == 0)
        return Path("/");
    return Path(m_path.substr(0, pos));
}

std::string Path::filename() const {
    if (!isValid())
        throw Exception(MessageFormat("Invalid path: '%1'").arg(m_path), "[Path::filename]");
    const std::string::size_type pos = m_path.rfind('/');
    return pos == std::string::npos ? m_path : m_path.substr(pos + 1);
}

std::string Path::extension() const {
    const std::string name = filename();
    const std::string::size_type dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string Path::filenameWithoutExtension() const {
    const std::string name = filename();
    const std::string::size_type dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool Path::exists() const {
    struct stat st;
    return isValid() && ::stat(m_path.c_str(), &st) == 0;
}

bool Path::isDirectory() const {
    struct stat st;
    return isValid() && ::stat(m_path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

Path Path::current() {
    std::vector<char> buffer(4096);
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()) != nullptr)
            return Path(std::string(buffer.data()));
        const int err = errno;
        if (err == ERANGE && buffer.size() < (1u << 20)) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (err == ENOMEM)
            postMessage(MessageFormat("Out of memory! Can not reserve %1 bytes")
                            .arg(static_cast<unsigned long>(buffer.size())),
                        MSG_ERROR, "[current()]");
        else if (err == ERANGE || err == ENAMETOOLONG)
            postMessage(MessageFormat("Path longer than %1 characters").arg(260), MSG_ERROR, "[current()]");
        else
            postMessage(std::string("Couldn't deduce user directory. ") + std::strerror(err), MSG_ERROR,
                        "[current()]");
        return Path();
    }
}

bool makePath(const Path &path) {
    if (!path.isValid() || path.exists())
        return true;
    const std::string::size_type slash = path.str().rfind('/');
    if (slash != std::string::npos && slash > 0) {
        if (!makePath(path.parentPath()))
            return false;
    }
    // The path goes through the wide-string conversion so that an invalid UTF-8 name is
    // refused the same way on every platform.
    const std::string native = WstringToUTF8(UTF8ToWstring(path.str()));
    if (::mkdir(native.c_str(), 0777) != 0 && errno != EEXIST) {
        postMessage(MessageFormat("%1\nError in CreateDirectoryW().").arg(std::strerror(errno)), MSG_ERROR,
                    "[ZMT_Path::makePath]");
        return false;
    }
    return true;
}

} // namespace ZMT
