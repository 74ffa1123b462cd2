// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BATCHREPORTWRITER_H
#define BATCHREPORTWRITER_H

#include <QCoreApplication>
#include <QString>

#include "ReportSettings.h"

class BatchItem;
class BatchOptions;

/*! The PDF report of a batch item: the report of the window program with the report settings
    of a fresh installation, the batch's assessment settings and the frames asked for. Needs an
    application object with a (possibly offscreen) graphical platform. */
class BatchReportWriter {
    Q_DECLARE_TR_FUNCTIONS(BatchReportWriter)
public:
    /*! Report settings for the batch run described by \a options. */
    static ReportSettings settings(const BatchOptions &options);

    /*! The report file of \a projectFile inside \a dir: the project file's name with the
        extension "pdf" in place of its own. */
    static QString reportFileName(const QString &dir, const QString &projectFile);

    /*! Writes the report of \a item to \a fileName (completely or not at all). False with a
        message in \a errorMessage. */
    static bool write(const BatchItem &item, const ReportSettings &settings, const QString &fileName,
                      QString &errorMessage);

    BatchReportWriter() = delete;
};

#endif // BATCHREPORTWRITER_H
