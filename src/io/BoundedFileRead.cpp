// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoundedFileRead.h"

#include <QFile>

BoundedFileRead::Result BoundedFileRead::readAll(const QString &path, qint64 maxSize, QByteArray &bytes,
                                                 QString *errorString) {
    bytes.clear();
    maxSize = qBound(qint64(0), maxSize, qint64(1) << 30); // far below what a QByteArray holds
    QFile file(path);
    const auto fail = [&](Result result) {
        bytes.clear();
        if (errorString)
            *errorString = file.errorString();
        return result;
    };
    if (!file.open(QIODevice::ReadOnly))
        return fail(CannotOpen);
    if (!file.isSequential()) {
        if (file.size() > maxSize)
            return fail(TooLarge);
        bytes.reserve(static_cast<int>(file.size()));
    }
    // A read returns 0 only at the end of the data; a pipe is waited for.
    const qint64 chunk = 64 * 1024;
    for (;;) {
        const qint64 room = qMin(chunk, maxSize + 1 - bytes.size());
        const int old = bytes.size();
        bytes.resize(old + static_cast<int>(room));
        const qint64 n = file.read(bytes.data() + old, room);
        if (n < 0)
            return fail(ReadError);
        bytes.resize(old + static_cast<int>(n));
        if (bytes.size() > maxSize)
            return fail(TooLarge);
        if (n == 0)
            return Ok;
    }
}
