// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_TableCell.h"

#include "VaDar_Assert.h"

VaDar_TableCell::VaDar_TableCell(double borderWidth)
    : m_leftBorder(borderWidth), m_rightBorder(borderWidth), m_topBorder(borderWidth),
      m_bottomBorder(borderWidth) {
    VADAR_ASSERT(borderWidth >= 0, "[VaDar_TableCell::VaDar_TableCell]");
}

void VaDar_TableCell::setBorderWidth(int sides, double width) {
    VADAR_ASSERT(width >= 0, "[VaDar_TableCell::setBorderWidth]");
    if (sides & LeftBorder)
        m_leftBorder = width;
    if (sides & RightBorder)
        m_rightBorder = width;
    if (sides & TopBorder)
        m_topBorder = width;
    if (sides & BottomBorder)
        m_bottomBorder = width;
}

void VaDar_TableCell::setMargins(double left, double right, double top, double bottom) {
    if (left >= 0)
        m_leftMargin = left;
    if (right >= 0)
        m_rightMargin = right;
    if (top >= 0)
        m_topMargin = top;
    if (bottom >= 0)
        m_bottomMargin = bottom;
}
