// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HEADERFRAME_H
#define HEADERFRAME_H

#include <QCoreApplication>
#include <QImage>
#include <QSizeF>

#include "ReportFrameBase.h"
#include "VaDar_Table.h"

/*! The page header: program name and version on the left, the date on the right, a rule below;
    with the user's logo in the header, the logo stands top right and the date below it. */
class HeaderFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(HeaderFrame)
public:
    explicit HeaderFrame(Report &report);

    void update(QPaintDevice *device, double width) override;
    void print(QPainter &painter, const QRectF &rect) override;

    const VaDar::Table &table() const { return m_table; }

    /*! "Tavo 2.4": the program name with major and minor version. */
    static QString programText();

private:
    VaDar::Table m_table;
    QImage m_logo;
    QSizeF m_logoSize;
};

#endif // HEADERFRAME_H
