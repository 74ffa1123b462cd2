// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SURFACERESISTANCEFRAME_H
#define SURFACERESISTANCEFRAME_H

#include <QCoreApplication>

#include "ReportFrameBase.h"
#include "VaDar_Table.h"
#include "VaDar_TextFrame.h"

/*! "Surface Resistances": the heat transfer resistances of the warm and the cold surface. */
class SurfaceResistanceFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(SurfaceResistanceFrame)
public:
    explicit SurfaceResistanceFrame(Report &report);

    void update(QPaintDevice *device, double width) override;
    void print(QPainter &painter, const QRectF &rect) override;

    const VaDar::Table &table() const { return m_table; }

private:
    VaDar::TextFrame m_title;
    VaDar::Table m_table;
    double m_tableTop = 0;
};

#endif // SURFACERESISTANCEFRAME_H
