// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

// Shared by the fuzz targets: an application object, silenced messages, and a scratch file per
// input. The readers are fed through files because that is how the programs call them (by path,
// with the extension deciding the format), so the fuzzers exercise the real entry points.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ZMT_MessageHandler.h"

namespace FuzzSupport {

class SilentHandler : public ZMT::MessageHandler {
public:
    void message(const std::string &, int, const std::string &, int) override {}
};

inline QString &scratchDir() {
    static QString dir;
    return dir;
}

inline void removeScratchDir() {
    QDir(scratchDir()).removeRecursively();
}

/*! Once per process, from LLVMFuzzerInitialize. */
inline void init(int *argc, char ***argv) {
    // Never destroyed: libFuzzer ends the process with exit(), after which Qt's own statics are gone.
    new QCoreApplication(*argc, *argv);
    static SilentHandler handler;
    ZMT::setMessageHandler(&handler);
    QLocale::setDefault(QLocale::c());
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    scratchDir() = QStringLiteral("%1/tavo-fuzz-%2").arg(base).arg(QCoreApplication::applicationPid());
    QDir().mkpath(scratchDir());
    std::atexit(removeScratchDir);
}

/*! Writes \a size bytes to the scratch file \a name and returns its path. */
inline QString scratchFile(const char *data, size_t size, const QString &name) {
    const QString path = scratchDir() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(data, static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        std::fprintf(stderr, "cannot write the scratch file %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

inline QString scratchFile(const uint8_t *data, size_t size, const QString &name) {
    return scratchFile(reinterpret_cast<const char *>(data), size, name);
}

/*! A property every input must have; a violation is a finding like a crash. */
inline void require(bool condition, const char *what) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

} // namespace FuzzSupport

#endif // FUZZSUPPORT_H
