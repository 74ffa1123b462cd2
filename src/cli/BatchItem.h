// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BATCHITEM_H
#define BATCHITEM_H

#include <QCoreApplication>
#include <QString>
#include <QVector>

#include "AssessmentSettings.h"
#include "CalculationResults.h"
#include "CheckRow.h"
#include "InputData.h"
#include "ProjectInformation.h"

/*! One project file of a batch, read, calculated and assessed exactly as the window program
    does when it opens the file: the same reader rules (first-generation files by extension, or
    as second attempt for other extensions), the input check, the Glaser calculation with the
    heat flow direction of the project, then the assessment lines of the report's conclusions. */
class BatchItem {
    Q_DECLARE_TR_FUNCTIONS(BatchItem)
public:
    /*! Reads and evaluates \a fileName. False with \a errorMessage set when the file cannot be
        read; \a item is then left unchanged. */
    static bool load(const QString &fileName, const AssessmentSettings &settings, BatchItem &item,
                     QString &errorMessage);

    QString m_fileName; ///< as given on the command line
    InputData m_inputData;
    HeatFlowDirection m_heatFlowDirection = HeatFlowDirection::Horizontal;
    ProjectInformation m_projectInformation; ///< printed in the report
    CalculationResults m_results;
    QVector<CheckRow> m_checks;
    QString m_note;              ///< remark below the checks (rich text), may be empty
    bool m_allFulfilled = false; ///< every line with a verdict is fulfilled
};

#endif // BATCHITEM_H
