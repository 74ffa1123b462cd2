// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RESISTANCEFRAME_H
#define RESISTANCEFRAME_H

#include <QCoreApplication>

#include "ReportFrameBase.h"
#include "VaDar_Table.h"
#include "VaDar_TextFrame.h"

/*! "Thermal, Vapour Diffusion and Liquid Transport Resistances" of every layer with their sums,
    then the thermal transmission resistance and coefficient, all moisture dependent. */
class ResistanceFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(ResistanceFrame)
public:
    explicit ResistanceFrame(Report &report);

    void update(QPaintDevice *device, double width) override;
    void print(QPainter &painter, const QRectF &rect) override;

    /*! The layer table (0) or the transmission table (1). */
    const VaDar::Table &table(int which) const { return which == 0 ? m_layers : m_transmission; }

private:
    VaDar::TextFrame m_title;
    VaDar::Table m_layers;
    VaDar::Table m_transmission;
    double m_layersTop = 0;
    double m_transmissionTop = 0;
};

#endif // RESISTANCEFRAME_H
