// SPDX-License-Identifier: GPL-3.0-or-later
#include "LegacyTextStream.h"

#include <QTextCodec>

#include <locale>
#include <sstream>

#include "BoundedFileRead.h"
#include "ZMT_Exception.h"
#include "ZMT_Parameter.h"

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r');
}

QString trimBlanks(const QString &text) {
    int begin = 0;
    int end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

LegacyTextStream::LegacyTextStream(const QByteArray &data) : m_data(data) {
    if (m_data.startsWith("\xEF\xBB\xBF"))
        m_pos = 3;
}

bool LegacyTextStream::readFile(const QString &fileName) {
    *this = LegacyTextStream();
    QByteArray data;
    if (BoundedFileRead::readAll(fileName, MaxFileSize, data) != BoundedFileRead::Ok)
        return false;
    *this = LegacyTextStream(data);
    return true;
}

bool LegacyTextStream::readLine(QString &line) {
    if (atEnd())
        return false;
    int end = m_data.indexOf('\n', m_pos);
    if (end < 0)
        end = m_data.size();
    line = trimBlanks(decode(m_data.mid(m_pos, end - m_pos)));
    m_pos = end < m_data.size() ? end + 1 : end;
    return true;
}

bool LegacyTextStream::readNonEmptyLine(QString &line) {
    while (readLine(line)) {
        if (!line.isEmpty())
            return true;
    }
    return false;
}

bool LegacyTextStream::readInt32(qint32 &value) {
    if (bytesAvailable() < 4)
        return false;
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(m_data.at(m_pos + i));
    value = static_cast<qint32>(v);
    m_pos += 4;
    return true;
}

bool LegacyTextStream::skip(qint64 count) {
    if (count < 0 || count > bytesAvailable())
        return false;
    m_pos += static_cast<int>(count);
    return true;
}

bool LegacyTextStream::storesHygroscopicMoistureAt95() const {
    return m_versionText.contains(QLatin1String("1.3"));
}

void LegacyTextStream::splitKeyword(const QString &line, QString &keyword, QString &value) {
    int i = 0;
    const int n = line.size();
    while (i < n && !isBlank(line.at(i)) && line.at(i) != QLatin1Char(':') && line.at(i) != QLatin1Char('='))
        ++i;
    keyword = line.left(i);
    if (i < n && line.at(i) == QLatin1Char(':'))
        ++i;
    while (i < n && isBlank(line.at(i)))
        ++i;
    if (i < n && line.at(i) == QLatin1Char('=')) {
        ++i;
        while (i < n && isBlank(line.at(i)))
            ++i;
    }
    value = trimBlanks(line.mid(i));
}

bool LegacyTextStream::takeVersionLine(const QString &firstLine) {
    static const QString key = QStringLiteral("FileVersion");
    const int at = firstLine.indexOf(key);
    if (at < 0)
        return false;
    QString rest = trimBlanks(firstLine.mid(at + key.size()));
    if (rest.startsWith(QLatin1Char(':')) || rest.startsWith(QLatin1Char('=')))
        rest = trimBlanks(rest.mid(1));
    m_versionText = rest;
    return true;
}

QString LegacyTextStream::decode(const QByteArray &bytes) {
    static QTextCodec *const utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString text = utf8->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return text;
    return QString::fromLatin1(bytes);
}

double LegacyTextStream::parameterValue(const QString &name, const QString &text, const char *unit) {
    ZMT::Parameter parameter;
    parameter.set(name.toStdString(), 0, unit); // gives the messages of read() the name
    // Unit names are UTF-8 in the catalogue ("µg/m3"); the line is already decoded.
    std::istringstream in(text.toStdString());
    in.imbue(std::locale::classic());
    parameter.read(in, true);
    std::string rest;
    if (in >> rest)
        throw ZMT::Exception("Unexpected text '" + rest + "' after parameter '" + name.toStdString() + "'.",
                             "[LegacyTextStream::parameterValue]");
    return parameter.get_value(unit);
}
