// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_TABLECELL_H
#define VADAR_TABLECELL_H

#include <QColor>
#include <QRectF>
#include <QString>

#include "VaDar_TextFrameInformations.h"

/*! One cell of a VaDar::Table: HTML text, borders, margins, alignment and the rectangles
    the table layout computed for it. Borders and margins are in screen pixels; the table
    scales them to the paint device. */
class VaDar_TableCell {
public:
    /*! Bits of the side mask used by setBorderWidth(). */
    enum BorderSide { LeftBorder = 1, RightBorder = 2, TopBorder = 4, BottomBorder = 8, AllBorders = 15 };

    explicit VaDar_TableCell(double borderWidth = 0);

    double leftBorder() const { return m_leftBorder; }
    double rightBorder() const { return m_rightBorder; }
    double topBorder() const { return m_topBorder; }
    double bottomBorder() const { return m_bottomBorder; }
    /*! Sets the width of every side in the mask \a sides (BorderSide bits); \a width >= 0. */
    void setBorderWidth(int sides, double width);

    double leftMargin() const { return m_leftMargin; }
    double rightMargin() const { return m_rightMargin; }
    double topMargin() const { return m_topMargin; }
    double bottomMargin() const { return m_bottomMargin; }
    /*! Negative values leave the margin unchanged. */
    void setMargins(double left, double right, double top, double bottom);

    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment) { m_alignment = alignment; }

    const QString &text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }

    QColor background() const { return m_background; }
    void setBackground(const QColor &color) { m_background = color; }

    /*! Vertical shift of the text as a fraction of its height (-0.5 centres it on the top edge). */
    double offsetFactor() const { return m_offsetFactor; }
    void setOffsetFactor(double factor) { m_offsetFactor = factor; }

    bool isMerged() const { return m_merged; }
    void setMerged(bool merged) { m_merged = merged; }

    /*! Vertical text is drawn rotated by -90 degrees, so its width and height swap. */
    bool isVertical() const { return m_vertical; }
    void setVertical(bool vertical) { m_vertical = vertical; }

    /*! Outer rectangle of the cell in table coordinates (set by the layout). */
    const QRectF &cellRect() const { return m_cellRect; }
    void setCellRect(const QRectF &rect) { m_cellRect = rect; }
    /*! Rectangle left for the text inside borders, spacing and margins. */
    const QRectF &innerRect() const { return m_innerRect; }
    void setInnerRect(const QRectF &rect) { m_innerRect = rect; }
    /*! The laid-out text's own extent (screen orientation), placed at the inner top-left. */
    const QRectF &textRect() const { return m_textRect; }
    void setTextRect(const QRectF &rect) { m_textRect = rect; }

    VaDar_TextFrameInformations &textInfo() { return m_textInfo; }
    const VaDar_TextFrameInformations &textInfo() const { return m_textInfo; }

private:
    double m_leftBorder;
    double m_rightBorder;
    double m_topBorder;
    double m_bottomBorder;
    double m_leftMargin = 0;
    double m_rightMargin = 0;
    double m_topMargin = 0;
    double m_bottomMargin = 0;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    QString m_text;
    QRectF m_cellRect;
    QRectF m_innerRect;
    QRectF m_textRect;
    QColor m_background = Qt::transparent;
    double m_offsetFactor = 0;
    bool m_merged = false;
    VaDar_TextFrameInformations m_textInfo;
    bool m_vertical = false;
};

#endif // VADAR_TABLECELL_H
