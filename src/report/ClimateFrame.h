// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CLIMATEFRAME_H
#define CLIMATEFRAME_H

#include <QCoreApplication>

#include "ReportFrameBase.h"
#include "VaDar_Table.h"
#include "VaDar_TextFrame.h"

class ClimateCondition;

/*! "Climate Data": temperature and relative humidity of both sides for the condensation
    (winter) and the evaporation (summer) period, each followed by the length of the period. */
class ClimateFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(ClimateFrame)
public:
    explicit ClimateFrame(Report &report);

    void update(QPaintDevice *device, double width) override;
    void print(QPainter &painter, const QRectF &rect) override;

    /*! The winter (0) or summer (1) table. */
    const VaDar::Table &table(int period) const { return period == 0 ? m_winter : m_summer; }

private:
    void fillTable(VaDar::Table &table, const QString &title, const ClimateCondition &warm,
                   const ClimateCondition &cold) const;

    VaDar::TextFrame m_title;
    VaDar::Table m_winter;
    VaDar::TextFrame m_winterPeriod;
    VaDar::Table m_summer;
    VaDar::TextFrame m_summerPeriod;
    double m_tops[4] = {0, 0, 0, 0};
};

#endif // CLIMATEFRAME_H
