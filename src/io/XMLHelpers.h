// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef XMLHELPERS_H
#define XMLHELPERS_H

#include <QString>

#include <limits>

class QXmlStreamReader;
class QXmlStreamWriter;

/*! Attribute and element helpers shared by the XML readers and writers of the project file.

    Readers: once the reader has an error, every read does nothing and returns false, so a
    reader can go on to the end of its element and let the caller look at the error once. A
    value that does not convert, or that is not a finite number, raises "Invalid value for
    attribute '%1'." (context "XMLHelpers") on the reader and stores 0.

    Writers: numbers use the C locale, 'g' format and 6 significant digits (0.365, 1e-05,
    1.23457e+06). Texts drop characters that XML 1.0 cannot carry, so a saved file always
    reads back. */
namespace XMLHelpers {

/*! Reads the attribute \a name of the current start element. Returns true when it was present
    and converted; a missing attribute leaves \a value unchanged and returns false. */
bool readDoubleAttribute(QXmlStreamReader &reader, const QString &name, double &value);
bool readIntAttribute(QXmlStreamReader &reader, const QString &name, int &value);
bool readStringAttribute(QXmlStreamReader &reader, const QString &name, QString &value);

/*! Reads the text of the current element and moves to its end tag. */
bool readElementText(QXmlStreamReader &reader, QString &text);
/*! Reads the text of the current element as a decimal integer within \a minimum..\a maximum;
    anything else raises "Invalid value for element '%1'." and leaves \a value unchanged. */
bool readIntElementText(QXmlStreamReader &reader, int &value, int minimum = std::numeric_limits<int>::min(),
                        int maximum = std::numeric_limits<int>::max());

/*! Skips the rest of the current element with all its children, up to its end tag. Used both
    for unknown elements and to leave an element whose attributes were read. */
void skipCurrentElement(QXmlStreamReader &reader);

/*! The text form of a number in the file. */
QString numberText(double value);

void writeDoubleAttribute(QXmlStreamWriter &writer, const QString &name, double value);
void writeIntAttribute(QXmlStreamWriter &writer, const QString &name, int value);
void writeStringAttribute(QXmlStreamWriter &writer, const QString &name, const QString &value);
void writeTextElement(QXmlStreamWriter &writer, const QString &name, const QString &text);

/*! \a text without the characters XML 1.0 forbids (control characters other than tab, line
    feed and carriage return, lone surrogates, U+FFFE and U+FFFF). */
QString xmlSafe(const QString &text);

} // namespace XMLHelpers

#endif // XMLHELPERS_H
