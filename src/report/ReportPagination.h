// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef REPORTPAGINATION_H
#define REPORTPAGINATION_H

#include <QRectF>

#include <utility>

/*! Places the body frames of a report one below the other on pages that all carry the same
    header and footer. A frame that does not fit into the rest of a page moves whole to the next
    page; a frame taller than the whole body is shrunk to the body height (never cut), and it
    never leaves a page empty behind it. All sizes are device pixels of one page. */
class ReportPagination {
public:
    /*! Where a frame goes. */
    struct Placement {
        QRectF rect;      ///< on its page, in page coordinates, after scaling
        int page = 1;     ///< 1-based
        double scale = 1; ///< factor the frame is painted with (< 1 when shrunk)
    };

    /*! A page of \a pageWidth x \a pageHeight with a header and a footer of the given heights.
        The body keeps at least one pixel of height. */
    ReportPagination(double pageWidth, double pageHeight, double headerHeight, double footerHeight);

    /*! Places the next frame, \a width wide and \a height high (>= 0). */
    Placement place(double width, double height);

    int pageCount() const { return m_pageCount; }
    /*! The part of a page between header and footer. */
    const QRectF &bodyRect() const { return m_body; }

    /*! The pages to print for a requested range: 0 for the first page means page 1, 0 for the
        last means the last page; both are clamped to the pages that exist, and a range given
        backwards is turned round. Returns (first, last), 1-based; (1, 0) when there are none. */
    static std::pair<int, int> pageRange(int fromPage, int toPage, int pageCount);

private:
    QRectF m_body;
    double m_top;     ///< top of the free space of the current page
    bool m_pageEmpty; ///< no frame with a height on the current page yet
    int m_pageCount = 1;
};

#endif // REPORTPAGINATION_H
