// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FOOTERFRAME_H
#define FOOTERFRAME_H

#include <QCoreApplication>

#include "ReportFrameBase.h"
#include "VaDar_Table.h"

/*! The page footer at the bottom of every page: a rule, the construction identifier of the
    project and, when wanted, "Page 2 of 3". */
class FooterFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(FooterFrame)
public:
    explicit FooterFrame(Report &report);

    /*! Height: 5 mm above the text and two lines of the report font. */
    void update(QPaintDevice *device, double width) override;
    /*! Nothing for an empty rectangle (footer switched off). */
    void print(QPainter &painter, const QRectF &rect) override;

    /*! The footer's text cells for \a page of \a pageCount pages: left and right. */
    QString leftText() const;
    QString rightText(int page, int pageCount) const;

private:
    VaDar::Table m_table;
};

#endif // FOOTERFRAME_H
