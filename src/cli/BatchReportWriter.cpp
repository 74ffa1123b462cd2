// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchReportWriter.h"

#include <QDir>
#include <QFileInfo>

#include "BatchItem.h"
#include "BatchOptions.h"
#include "Report.h"
#include "ReportPdfWriter.h"

ReportSettings BatchReportWriter::settings(const BatchOptions &options) {
    ReportSettings settings;
    settings.m_assessment = options.m_settings;
    if (options.m_framesGiven)
        settings.m_activatedFrames = options.m_frames;
    return settings;
}

QString BatchReportWriter::reportFileName(const QString &dir, const QString &projectFile) {
    return QDir(dir).filePath(QFileInfo(projectFile).completeBaseName() + QStringLiteral(".pdf"));
}

bool BatchReportWriter::write(const BatchItem &item, const ReportSettings &settings, const QString &fileName,
                              QString &errorMessage) {
    Report report(settings.m_fontFamily, settings.m_fontPointSize);
    ProjectInformation information = item.m_projectInformation;
    report.setData(item.m_inputData, item.m_results, information);
    report.setSettings(settings);
    const QString title =
        information.ProjectName.isEmpty() ? QFileInfo(item.m_fileName).fileName() : information.ProjectName;
    return ReportPdfWriter::write(report, fileName, title, errorMessage);
}
