// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DISCLAIMERFRAME_H
#define DISCLAIMERFRAME_H

#include <QCoreApplication>

#include "ReportFrameBase.h"
#include "VaDar_TextFrame.h"

/*! The final remarks: the disclaimer text of the project information across the page. */
class DisclaimerFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(DisclaimerFrame)
public:
    explicit DisclaimerFrame(Report &report);

    /*! No height when the project has no final remarks. */
    void update(QPaintDevice *device, double width) override;
    void print(QPainter &painter, const QRectF &rect) override;

private:
    VaDar::TextFrame m_text;
    double m_textTop = 0;
};

#endif // DISCLAIMERFRAME_H
