// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BOUNDEDFILEREAD_H
#define BOUNDEDFILEREAD_H

#include <QByteArray>
#include <QString>

/*! Reads a whole file of limited size into memory. The size the file system reports is not
    trusted: pipes, FIFOs and devices report none, so the bytes are counted as they arrive and
    the read stops as soon as there are more than allowed. Nothing is ever seeked, so a pipe is
    read exactly once. */
class BoundedFileRead {
public:
    enum Result {
        Ok,
        CannotOpen, ///< see the error string
        TooLarge,   ///< more than the allowed number of bytes
        ReadError   ///< see the error string
    };

    /*! Reads the file at \a path into \a bytes (left empty unless Ok). \a errorString (optional)
        gets the system's text for CannotOpen and ReadError. */
    static Result readAll(const QString &path, qint64 maxSize, QByteArray &bytes,
                          QString *errorString = nullptr);

    BoundedFileRead() = delete;
};

#endif // BOUNDEDFILEREAD_H
