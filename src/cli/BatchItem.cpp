// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchItem.h"

#include <QFileInfo>

#include "AssessmentChecks.h"
#include "Document.h"

bool BatchItem::load(const QString &fileName, const AssessmentSettings &settings, BatchItem &item,
                     QString &errorMessage) {
    // The project's own message for an unopenable file blames permissions; these two cases
    // deserve a plainer word.
    const QFileInfo info(fileName);
    if (!info.exists()) {
        errorMessage = tr("No such file.");
        return false;
    }
    if (info.isDir()) {
        errorMessage = tr("This is a directory, not a project file.");
        return false;
    }

    Document document;
    if (!document.readFile(fileName, errorMessage))
        return false;
    document.recalculate(); // the window program does the same on opening

    BatchItem result;
    result.m_fileName = fileName;
    result.m_inputData = document.inputData();
    result.m_heatFlowDirection = document.projectInformation().HeatFlowDirection;
    result.m_projectInformation = document.projectInformation();
    result.m_results = document.results();
    const AssessmentChecks checks(result.m_inputData, result.m_results, settings);
    result.m_checks = checks.rows();
    result.m_note = checks.note();
    result.m_allFulfilled = checks.allFulfilled();
    item = std::move(result);
    return true;
}
