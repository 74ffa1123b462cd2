// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportPdfWriter.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "HeaderFrame.h"
#include "Report.h"

bool ReportPdfWriter::write(Report &report, const QString &fileName, const QString &title,
                            QString &errorMessage) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        errorMessage = tr("Cannot open '%1' for writing: %2").arg(fileName, file.errorString());
        return false;
    }
    bool printed = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
        writer.setTitle(title);
        writer.setCreator(HeaderFrame::programText());
        printed = report.print(writer);
    }
    if (!printed) {
        file.cancelWriting();
        errorMessage = Report::printFailedText();
        return false;
    }
    if (!file.flush() || !file.commit()) {
        errorMessage = tr("Error saving '%1': %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}
