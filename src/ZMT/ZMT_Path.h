// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZMT_PATH_H
#define ZMT_PATH_H

#include <string>

namespace ZMT {

/*! One file system path, stored as UTF-8 with forward slashes. Assigning normalises:
    backslashes become slashes, one trailing slash is dropped and "dir/../" steps in the
    middle are collapsed. Everything else about files is done with Qt's classes. */
class Path {
public:
    Path() = default;
    Path(const std::string &utf8Path) { set(utf8Path); }
    Path(const char *utf8Path) { set(utf8Path ? std::string(utf8Path) : std::string()); }

    Path &operator=(const std::string &utf8Path) {
        set(utf8Path);
        return *this;
    }

    const std::string &str() const { return m_path; }
    bool isValid() const { return !m_path.empty(); }

    /*! The path without its last component. Throws for an invalid path or a bare drive. */
    Path parentPath() const;
    /*! The last component. Throws for an invalid path. */
    std::string filename() const;
    /*! The part of the file name after the last "." (without the dot), or empty. */
    std::string extension() const;
    /*! The file name without the last "." and what follows it. */
    std::string filenameWithoutExtension() const;

    bool exists() const;
    bool isDirectory() const;

    bool operator==(const Path &other) const { return m_path == other.m_path; }
    bool operator!=(const Path &other) const { return m_path != other.m_path; }

    /*! The process's working directory; an empty path (and an error message) on failure. */
    static Path current();

private:
    void set(const std::string &utf8Path);

    std::string m_path;
};

/*! Creates the directory and every missing parent. An empty or existing path is not an
    error. On failure an error message with the system's reason is posted and false returned. */
bool makePath(const Path &path);

} // namespace ZMT

#endif // ZMT_PATH_H
