// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_TEXTFRAMEINFORMATIONS_H
#define VADAR_TEXTFRAMEINFORMATIONS_H

#include <QSizeF>
#include <QString>

#include <vector>

class QTextDocument;

/*! Measurement of one HTML text for the table layout.

    The first record is the unconstrained layout. When all breakpoints are measured,
    every further record covers the range of text widths over which the laid-out height
    stays the same, so a row height can be looked up without laying the text out again. */
class VaDar_TextFrameInformations {
public:
    struct Info {
        int lineCount = 0;
        double height = 0;
        double width = 0;      ///< ideal width of the layout
        double lowerWidth = 0; ///< smallest text width this record holds for
        double upperWidth = 0; ///< largest text width this record holds for
        bool valid = false;
        bool isValid() const { return valid; }
    };

    /*! The width of the unconstrained record's range. */
    static constexpr double UnlimitedWidth = 1e10;
    /*! Narrowest text width tried when all breakpoints are measured. */
    static constexpr int MinimumBreakpointWidth = 10;

    VaDar_TextFrameInformations();

    /*! Lays \a text out in \a textDocument (its paint device must be set) and stores the
        unconstrained record, plus all breakpoint records when \a allBreakpoints is set. */
    void measure(QTextDocument *textDocument, const QString &text, bool allBreakpoints);

    const QString &text() const { return m_text; }
    const std::vector<Info> &infos() const { return m_infoVect; }

    /*! The record whose width range contains \a width (the narrowest one below all ranges). */
    const Info &info(double width) const;

    /*! The unconstrained layout. */
    const Info &unconstrained() const { return info(UnlimitedWidth); }

    /*! Size (ideal width, height) of the text laid out with \a width; unconstrained for
        a negative width. Uses the breakpoint records when they exist, else lays the text
        out again in \a textDocument. */
    QSizeF layoutSize(QTextDocument *textDocument, double width) const;

    /*! Prepares the document for one layout: HTML with an explicit UTF-8 declaration, no
        document margin, the given text width (-1 = unconstrained). */
    static void layoutText(QTextDocument *textDocument, const QString &text, double width);

    /*! Number of laid-out lines over all blocks of the document. */
    static int lineCount(const QTextDocument *textDocument);

private:
    QString m_text;
    std::vector<Info> m_infoVect;
    bool m_allBreakpoints = false;
};

#endif // VADAR_TEXTFRAMEINFORMATIONS_H
