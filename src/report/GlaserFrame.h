// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GLASERFRAME_H
#define GLASERFRAME_H

#include <QCoreApplication>

#include "ReportFrameBase.h"
#include "VaDar_Table.h"
#include "VaDar_TextFrame.h"

class ClimateCondition;

/*! "Results according DIN 4108-3 (Glaser Scheme)": the climate of both periods beside the
    condensate mass, the mass that can evaporate and the drying time of the standard procedure. */
class GlaserFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(GlaserFrame)
public:
    explicit GlaserFrame(Report &report);

    void update(QPaintDevice *device, double width) override;
    void print(QPainter &painter, const QRectF &rect) override;

    const VaDar::Table &table() const { return m_table; }

private:
    QString climateText(const ClimateCondition &climate) const;

    VaDar::TextFrame m_title;
    VaDar::Table m_table;
    double m_tableTop = 0;
};

#endif // GLASERFRAME_H
