// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef REPORTFRAMECONCLUSIONS_H
#define REPORTFRAMECONCLUSIONS_H

#include <QCoreApplication>
#include <QVector>

#include "CheckRow.h"
#include "ReportFrameBase.h"
#include "VaDar_Table.h"
#include "VaDar_TextFrame.h"

/*! "Print Summary of Results": U-values and thermal resistance, condensate mass and drying time
    (or why there are none), then every requirement of DIN 4108-2, DIN 4108-3 and DIN 68800-2
    with its verdict, exactly as the assessment of the calculation library judges them. The
    lines judging the standard Glaser procedure follow as a group under their own heading, so
    that they cannot be taken for those of the condensation zone calculation. */
class ReportFrameConclusions : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(ReportFrameConclusions)
public:
    explicit ReportFrameConclusions(Report &report);

    void update(QPaintDevice *device, double width) override;
    void print(QPainter &painter, const QRectF &rect) override;

    const VaDar::Table &table() const { return m_table; }
    /*! The assessment lines of the last update(), in table order. */
    const QVector<CheckRow> &checks() const { return m_checks; }
    /*! Table row of the first assessment line. */
    unsigned int firstCheckRow() const { return m_firstCheckRow; }
    /*! Table row of the assessment line \a check (an index into checks()). */
    unsigned int checkRow(int check) const { return m_checkRows.at(check); }
    /*! Table row of the heading of the standard procedure's lines; 0 when there is none. */
    unsigned int standardProcedureHeadingRow() const { return m_standardProcedureHeadingRow; }

    /*! The line that stands in place of condensate mass and drying time when the calculation
        found no condensation or failed (calcState below 9); empty otherwise. */
    QString stateText() const;
    /*! The drying time as printed: days with two decimals, "Not applicable" when condensate
        accumulates through the whole condensation period, "No drying" when it never dries. */
    QString dryingTimeText() const;

private:
    VaDar::TextFrame m_title;
    VaDar::Table m_table;
    VaDar::TextFrame m_note;
    QVector<CheckRow> m_checks;
    QVector<unsigned int> m_checkRows;
    unsigned int m_firstCheckRow = 0;
    unsigned int m_standardProcedureHeadingRow = 0;
    double m_tableTop = 0;
    double m_noteTop = 0;
};

#endif // REPORTFRAMECONCLUSIONS_H
