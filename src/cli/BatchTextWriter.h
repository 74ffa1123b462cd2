// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BATCHTEXTWRITER_H
#define BATCHTEXTWRITER_H

#include <QString>

class BatchItem;

/*! Plain text for a person at a terminal: per file its name, the rows of the results summary of
    the window program (thickness, dry thermal resistance, both U-values, the verdict line,
    condensate mass, drying time; or the input errors), then every assessment line with its
    verdict (those of the standard Glaser procedure as a block of their own) and the remark
    below them. Rich text is reduced to plain text and numbers are
    written in the current default locale. The summary rows are those of the results panel
    (ResultsSummary). */
class BatchTextWriter {
public:
    /*! The block of one file, ending with a line feed. */
    static QString write(const BatchItem &item);

    BatchTextWriter() = delete;
};

#endif // BATCHTEXTWRITER_H
