// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef REPORTPDFWRITER_H
#define REPORTPDFWRITER_H

#include <QCoreApplication>
#include <QString>

class Report;

/*! Writes a whole report as a PDF file: A4 with 20 mm margins on every side. The file is written
    completely or not at all: an existing file is replaced only when the new one is complete. */
class ReportPdfWriter {
    Q_DECLARE_TR_FUNCTIONS(ReportPdfWriter)
public:
    /*! Lays \a report out and writes all its pages to \a fileName; \a title becomes the document
        title. False with a message for the user in \a errorMessage. */
    static bool write(Report &report, const QString &fileName, const QString &title, QString &errorMessage);
};

#endif // REPORTPDFWRITER_H
