// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BATCHJSONWRITER_H
#define BATCHJSONWRITER_H

#include <QByteArray>
#include <QVector>

class BatchItem;

/*! JSON for scripts: an array with one object per file,
    {"file", "inputErrorState", "assessmentType", "heatFlowDirection", "results", "criteria"}.
    "results" holds every field of the results record under its own name, in the record's
    order: vectors as arrays, zones and condRanges_Glaser as [[first,last],...], messages as
    strings. "criteria" holds the assessment lines in the report's order as
    {"label", "value", "fulfilled"}: the label as rich text, the value where the line has one
    (the fRsi value) else null, fulfilled true/false or null for a line without a verdict.

    Doubles are written in their shortest round-trip form, so they read back to the same bits;
    NaN and infinity are written as null. UTF-8. */
class BatchJsonWriter {
public:
    /*! One object (indented as an array element, no trailing comma or line feed). */
    static QByteArray object(const BatchItem &item);
    /*! The whole array of the given objects. */
    static QByteArray array(const QVector<QByteArray> &objects);

    /*! A JSON string literal with the escapes JSON requires. */
    static QByteArray string(const QString &text);

    BatchJsonWriter() = delete;
};

#endif // BATCHJSONWRITER_H
