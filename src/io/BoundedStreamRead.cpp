// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoundedStreamRead.h"

#include <QIODevice>
#include <QtEndian>

#include <limits>

qint64 BoundedStreamRead::bytesLeft(const QDataStream &stream) {
    const QIODevice *device = stream.device();
    return device ? device->bytesAvailable() : 0;
}

bool BoundedStreamRead::fits(const QDataStream &stream, qint64 count, qint64 bytesEach) {
    if (count < 0 || bytesEach < 0)
        return false;
    if (count == 0 || bytesEach == 0)
        return true;
    return count <= bytesLeft(stream) / bytesEach;
}

bool BoundedStreamRead::readString(QDataStream &stream, QString &text) {
    text.clear();
    if (stream.status() != QDataStream::Ok)
        return false;
    quint32 length = 0;
    stream >> length;
    if (stream.status() != QDataStream::Ok)
        return false;
    if (length == 0xFFFFFFFFu) {
        text = QString();
        return true;
    }
    if (length % 2 != 0) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    QByteArray raw;
    if (!readBytes(stream, length, raw))
        return false;
    const int chars = raw.size() / 2;
    text.resize(chars);
    const uchar *src = reinterpret_cast<const uchar *>(raw.constData());
    const bool bigEndian = stream.byteOrder() == QDataStream::BigEndian;
    for (int i = 0; i < chars; ++i) {
        const quint16 unit =
            bigEndian ? qFromBigEndian<quint16>(src + 2 * i) : qFromLittleEndian<quint16>(src + 2 * i);
        text[i] = QChar(unit);
    }
    return true;
}

bool BoundedStreamRead::readBytes(QDataStream &stream, qint64 length, QByteArray &bytes) {
    bytes.clear();
    if (stream.status() != QDataStream::Ok)
        return false;
    if (length < 0 || length > bytesLeft(stream) || length > std::numeric_limits<int>::max()) {
        stream.setStatus(QDataStream::ReadPastEnd);
        return false;
    }
    bytes.resize(static_cast<int>(length));
    if (length > 0 && stream.readRawData(bytes.data(), static_cast<int>(length)) != length) {
        bytes.clear();
        stream.setStatus(QDataStream::ReadPastEnd);
        return false;
    }
    return true;
}
