// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LEGACYTEXTSTREAM_H
#define LEGACYTEXTSTREAM_H

#include <QByteArray>
#include <QString>

/*! Line reader for the text files of the first program generation (projects "*.tpj" and
    material lists). Those files were written on Windows as Latin-1 text with CRLF line ends,
    and the remarks block of a project holds raw binary data (a length and that many bytes)
    between two lines. The whole file is therefore kept as bytes, lines are decoded one at a
    time, and the binary part is read exactly where the text left off.

    Every line is decoded as UTF-8 when its bytes are valid UTF-8 and as Latin-1 otherwise.
    Plain ASCII reads the same either way, and Latin-1 text with umlauts or other accented
    letters is practically never valid UTF-8 (such a byte followed by an ordinary letter is an
    invalid sequence), so trying UTF-8 first reads both kinds of file. A UTF-8 byte order mark
    at the start of the file is skipped. */
class LegacyTextStream {
public:
    /*! Files larger than this are not read; real files are a few kilobytes. */
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

    LegacyTextStream() = default;
    explicit LegacyTextStream(const QByteArray &data);

    /*! Reads the whole file. False (stream left empty) when it cannot be opened or read, or is
        larger than MaxFileSize. */
    bool readFile(const QString &fileName);

    bool atEnd() const { return m_pos >= m_data.size(); }
    /*! Number of bytes not read yet. */
    qint64 bytesAvailable() const { return m_data.size() - m_pos; }

    /*! The next line, decoded and trimmed of blanks, tabs and carriage returns (it may be empty).
        False at the end of the data. */
    bool readLine(QString &line);
    /*! The next line that is not empty after trimming; false when only empty lines are left. */
    bool readNonEmptyLine(QString &line);
    /*! A 32-bit signed integer in little-endian byte order; false when fewer than 4 bytes are left. */
    bool readInt32(qint32 &value);
    /*! Skips \a count bytes; false, skipping nothing, when \a count is negative or more bytes than
        are left. */
    bool skip(qint64 count);

    /*! The version text of the file: what follows "FileVersion" in its first line. */
    const QString &versionText() const { return m_versionText; }
    void setVersionText(const QString &text) { m_versionText = text; }
    /*! True for files whose version text contains "1.3": their "W_hyg" is the moisture content at
        95 % relative humidity instead of 80 %. */
    bool storesHygroscopicMoistureAt95() const;

    /*! Splits a keyword line into the keyword and its value. The keyword is the leading run of
        characters up to a blank, tab, ':' or '='; one ':' directly after it, the blanks that
        follow and one '=' with its blanks are dropped, so "Keyword value", "Keyword: value" and
        "Keyword = value" all give the same value. */
    static void splitKeyword(const QString &line, QString &keyword, QString &value);
    /*! When \a firstLine contains "FileVersion", stores the text after it (trimmed, without a
        leading ':' or '=') as version text and returns true. */
    bool takeVersionLine(const QString &firstLine);

    /*! Reads a parameter value written as "value unit" (\a text, the rest of a keyword line) with
        the parameter parser of the old formats and returns it in \a unit. Throws ZMT::Exception
        when the text is not exactly a number and a unit, the number is not finite, the unit is
        unknown or cannot be converted into \a unit. \a name only labels the messages. */
    static double parameterValue(const QString &name, const QString &text, const char *unit);

    /*! Decodes one line as UTF-8 when it is valid UTF-8, otherwise as Latin-1. */
    static QString decode(const QByteArray &bytes);

private:
    QByteArray m_data;
    int m_pos = 0;
    QString m_versionText;
};

#endif // LEGACYTEXTSTREAM_H
