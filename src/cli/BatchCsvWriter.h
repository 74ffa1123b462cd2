// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BATCHCSVWRITER_H
#define BATCHCSVWRITER_H

#include <QByteArray>

class BatchItem;

/*! CSV for spreadsheets and plotting: per file three tables, separated by a blank line, each
    starting with its header line.
    - interfaces: file, index, x (distance from the warm surface, m), T, psat, pv, T_Glaser,
      psat_Glaser, pv_Glaser;
    - layers: file, index, name, d, R_layers, Z_layers, L_layers, w_left, w_right, sk_Tavo,
      mc_layers;
    - verdicts of the standard Glaser procedure: file, index, label (plain text), fulfilled
      ("true" or "false"), in the report's order.
    Every row starts with the file name, so the rows of several files stay apart. Indices count
    from 0 (warm side). Numbers with '.' in their shortest round-trip form, an empty cell for a
    value that is not a number; texts are quoted when they need it (RFC 4180). UTF-8, line feeds. */
class BatchCsvWriter {
public:
    /*! The three tables of one file, each followed by a line feed; the blank line between files
        is added by the caller. */
    static QByteArray write(const BatchItem &item);

    /*! A field, quoted when it holds a comma, a quote or a line break. */
    static QByteArray field(const QString &text);

    BatchCsvWriter() = delete;
};

#endif // BATCHCSVWRITER_H
