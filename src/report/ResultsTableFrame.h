// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RESULTSTABLEFRAME_H
#define RESULTSTABLEFRAME_H

#include <QCoreApplication>

#include "ReportFrameBase.h"
#include "VaDar_Table.h"
#include "VaDar_TextFrame.h"

/*! "Temperatures, Vapoure Pressures and Moisture Contents" of the calculation with condensation
    zones: temperature, saturation and actual vapour pressure at every interface (each standing
    on the line between the rows it separates), and per layer the moisture contents at its warm
    and cold boundary, the length of its wet zone and its condensate mass. Values inside a
    condensation zone are bold; values the calculation did not produce are a dash. */
class ResultsTableFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(ResultsTableFrame)
public:
    explicit ResultsTableFrame(Report &report);

    void update(QPaintDevice *device, double width) override;
    void print(QPainter &painter, const QRectF &rect) override;

    const VaDar::Table &table() const { return m_table; }
    /*! Table row that carries the values of interface \a k (0 = warm surface). */
    static unsigned int interfaceRow(int k) { return 2 + 2 * static_cast<unsigned int>(k); }

private:
    VaDar::TextFrame m_title;
    VaDar::Table m_table;
    VaDar::TextFrame m_legend;
    double m_tableTop = 0;
    double m_legendTop = 0;
};

#endif // RESULTSTABLEFRAME_H
