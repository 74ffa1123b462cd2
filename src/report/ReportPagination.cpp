// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportPagination.h"

#include <algorithm>

ReportPagination::ReportPagination(double pageWidth, double pageHeight, double headerHeight,
                                   double footerHeight)
    : m_body(0, headerHeight, pageWidth, std::max(1.0, pageHeight - footerHeight - headerHeight)),
      m_top(m_body.top()), m_pageEmpty(true) {}

ReportPagination::Placement ReportPagination::place(double width, double height) {
    Placement placement;
    height = std::max(0.0, height);
    // Shrunk as a whole, so nothing is cut off at the page bottom.
    if (height > m_body.height()) {
        placement.scale = m_body.height() / height;
        height = m_body.height();
        width *= placement.scale;
    }
    // A small excess from rounding must not push a frame onto a page of its own.
    if (m_top + height > m_body.bottom() + 1e-6 && !m_pageEmpty) {
        ++m_pageCount;
        m_top = m_body.top();
        m_pageEmpty = true;
    }
    placement.rect = QRectF(m_body.left(), m_top, width, height);
    placement.page = m_pageCount;
    m_top += height;
    if (height > 0)
        m_pageEmpty = false;
    return placement;
}

std::pair<int, int> ReportPagination::pageRange(int fromPage, int toPage, int pageCount) {
    if (pageCount < 1)
        return {1, 0};
    int first = fromPage <= 0 ? 1 : std::min(fromPage, pageCount);
    int last = toPage <= 0 ? pageCount : std::min(toPage, pageCount);
    if (first > last)
        std::swap(first, last);
    return {first, last};
}
