// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BOUNDEDSTREAMREAD_H
#define BOUNDEDSTREAMREAD_H

#include <QByteArray>
#include <QDataStream>
#include <QString>

/*! Reads from a data stream whose lengths come from the file itself. A length is trusted only
    when that many bytes are still there, so a damaged or hostile file never makes the reader
    allocate more than the file holds. On failure the stream status is set (ReadPastEnd or
    ReadCorruptData), so later reads fail as well and the caller can simply check the status. */
class BoundedStreamRead {
public:
    /*! Bytes between the read position and the end of the stream's device (0 without one). */
    static qint64 bytesLeft(const QDataStream &stream);
    /*! True when \a count items of at least \a bytesEach bytes can still be present. */
    static bool fits(const QDataStream &stream, qint64 count, qint64 bytesEach);
    /*! A string in the stream's Qt string encoding (32-bit byte length, then UTF-16 in the
        stream's byte order; 0xFFFFFFFF is the null string). */
    static bool readString(QDataStream &stream, QString &text);
    /*! Exactly \a length raw bytes. */
    static bool readBytes(QDataStream &stream, qint64 length, QByteArray &bytes);

    BoundedStreamRead() = delete;
};

#endif // BOUNDEDSTREAMREAD_H
