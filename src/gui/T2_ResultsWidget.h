// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_RESULTSWIDGET_H
#define T2_RESULTSWIDGET_H

#include <QWidget>

#include "AssessmentSettings.h"
#include "CalculationResults.h"
#include "InputData.h"

namespace VaDar {
class Table;
class TextFrame;
} // namespace VaDar

/*! The compact results panel of the main window: the rows of the ResultsSummary (thickness,
    thermal resistance, U-values, the verdict of the condensation calculation, condensate mass
    and drying time) as a table, or the list of input errors when the input could not be
    calculated. Below the table the DIN 4108-3 verdicts of both condensation procedures, each
    under its own heading: those of the condensation zone calculation and those of the standard
    Glaser procedure (with its condensate mass). Painted completely from copies of the input
    data, the results record and the assessment settings.

    Links in the input error list (such as "layer-2") are reported with linkActivated(). */
class T2_ResultsWidget : public QWidget {
    Q_OBJECT
public:
    explicit T2_ResultsWidget(QWidget *parent = nullptr);
    ~T2_ResultsWidget() override;

    /*! Copies both and repaints. */
    void setResults(const InputData &inputData, const CalculationResults &results);
    /*! The settings the verdicts are judged with (edition, water uptake limit, drying reserve);
        repaints. */
    void setAssessmentSettings(const AssessmentSettings &settings);

    const InputData &inputData() const { return m_inputData; }
    const CalculationResults &results() const { return m_results; }

    /*! True when the panel shows the input error list instead of the table. */
    bool showsInputErrors() const;
    /*! The rich text of the input error list. */
    QString inputErrorText() const;
    /*! Fills \a table with the summary for a drawing area \a width device pixels wide. */
    void setupTable(VaDar::Table &table, int width) const;
    /*! Fills \a table with the verdicts of both procedures: per procedure a heading with the
        verdict over all its DIN 4108-3 lines, the condensate mass of the standard procedure,
        and the lines that are not fulfilled. */
    void setupVerdictTable(VaDar::Table &table, int width) const;

    /*! As high as the content at the current width. The window shows the panel in a scroll area,
        so where the editors above leave too little room the panel scrolls instead of losing lines. */
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

signals:
    /*! A link of the input error list was clicked, e.g. "layer-2". */
    void linkActivated(const QString &link);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    /*! Height of everything painted for a drawing area \a width device pixels wide. */
    int contentHeight(int width) const;
    /*! Link below \a pos in the input error list, empty when there is none. */
    QString anchorAt(const QPoint &pos);

    InputData m_inputData;
    CalculationResults m_results;
    AssessmentSettings m_settings;
    VaDar::TextFrame *m_errorFrame;
};

#endif // T2_RESULTSWIDGET_H
