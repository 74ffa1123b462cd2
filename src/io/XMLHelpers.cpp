// SPDX-License-Identifier: GPL-3.0-or-later
#include "XMLHelpers.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>

namespace XMLHelpers {

namespace {

void raiseInvalidAttribute(QXmlStreamReader &reader, const QString &name) {
    reader.raiseError(
        QCoreApplication::translate("XMLHelpers", "Invalid value for attribute '%1'.").arg(name));
}

bool attributeText(QXmlStreamReader &reader, const QString &name, QString &text) {
    if (reader.hasError())
        return false;
    const QXmlStreamAttributes attributes = reader.attributes();
    if (!attributes.hasAttribute(name))
        return false;
    text = attributes.value(name).toString();
    return true;
}

bool isXmlChar(uint c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

bool readDoubleAttribute(QXmlStreamReader &reader, const QString &name, double &value) {
    QString text;
    if (!attributeText(reader, name, text))
        return false;
    bool ok = false;
    const double v = text.toDouble(&ok); // always the C locale
    // "nan", "inf" and overflowing numbers must not reach the model as valid input.
    if (!ok || !std::isfinite(v)) {
        value = 0;
        raiseInvalidAttribute(reader, name);
        return false;
    }
    value = v;
    return true;
}

bool readIntAttribute(QXmlStreamReader &reader, const QString &name, int &value) {
    QString text;
    if (!attributeText(reader, name, text))
        return false;
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok) {
        value = 0;
        raiseInvalidAttribute(reader, name);
        return false;
    }
    value = v;
    return true;
}

bool readStringAttribute(QXmlStreamReader &reader, const QString &name, QString &value) {
    return attributeText(reader, name, value);
}

bool readElementText(QXmlStreamReader &reader, QString &text) {
    if (reader.hasError())
        return false;
    const QString t = reader.readElementText(QXmlStreamReader::SkipChildElements);
    if (reader.hasError())
        return false;
    text = t;
    return true;
}

bool readIntElementText(QXmlStreamReader &reader, int &value, int minimum, int maximum) {
    const QString name = reader.name().toString();
    QString text;
    if (!readElementText(reader, text))
        return false;
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok || v < minimum || v > maximum) {
        reader.raiseError(
            QCoreApplication::translate("XMLHelpers", "Invalid value for element '%1'.").arg(name));
        return false;
    }
    value = v;
    return true;
}

void skipCurrentElement(QXmlStreamReader &reader) {
    if (!reader.hasError())
        reader.skipCurrentElement();
}

QString numberText(double value) {
    return QString::number(value, 'g', 6);
}

void writeDoubleAttribute(QXmlStreamWriter &writer, const QString &name, double value) {
    writer.writeAttribute(name, numberText(value));
}

void writeIntAttribute(QXmlStreamWriter &writer, const QString &name, int value) {
    writer.writeAttribute(name, QString::number(value));
}

void writeStringAttribute(QXmlStreamWriter &writer, const QString &name, const QString &value) {
    writer.writeAttribute(name, xmlSafe(value));
}

void writeTextElement(QXmlStreamWriter &writer, const QString &name, const QString &text) {
    writer.writeTextElement(name, xmlSafe(text));
}

QString xmlSafe(const QString &text) {
    const QVector<uint> codePoints = text.toUcs4();
    if (std::all_of(codePoints.begin(), codePoints.end(), isXmlChar))
        return text;
    QVector<uint> kept;
    kept.reserve(codePoints.size());
    for (uint c : codePoints)
        if (isXmlChar(c))
            kept.append(c);
    return QString::fromUcs4(kept.constData(), kept.size());
}

} // namespace XMLHelpers
