// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

bool commit(QSaveFile &file, QString &errorMessage) {
    // A failed last flush is not reported by commit() itself.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        errorMessage = file.errorString();
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (!file.commit()) {
        errorMessage = file.errorString();
        return false;
    }
    return true;
}

} // namespace

QStringList ImageExport::nameFilters() {
    return {QCoreApplication::translate("MainWindow", "Png file (*.png)"),
            QCoreApplication::translate("MainWindow", "Pdf file (*.pdf)"),
            QCoreApplication::translate("MainWindow", "Svg file (*.svg)"),
            QCoreApplication::translate("MainWindow", "Jpg image (*.jpg)")};
}

ImageExport::Format ImageExport::formatOfFilter(const QString &filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)\\)"));
    const QString ext = pattern.match(filter).captured(1).toLower();
    if (ext == QLatin1String("pdf"))
        return Pdf;
    if (ext == QLatin1String("svg"))
        return Svg;
    if (ext == QLatin1String("jpg"))
        return Jpg;
    return Png;
}

QString ImageExport::suffix(Format format) {
    switch (format) {
    case Pdf:
        return QStringLiteral("pdf");
    case Svg:
        return QStringLiteral("svg");
    case Jpg:
        return QStringLiteral("jpg");
    default:
        return QStringLiteral("png");
    }
}

QString ImageExport::fileNameFor(const QString &fileName, Format format) {
    const QFileInfo info(fileName);
    QString base = fileName;
    if (!info.suffix().isEmpty())
        base.chop(info.suffix().size() + 1);
    return base + QLatin1Char('.') + suffix(format);
}

bool ImageExport::write(const QString &fileName, Format format, const Source &source, QString &errorMessage) {
    QSaveFile file(fileName);
    if (format == Pdf) {
        // The printer writes a file of its own: it goes to a scratch folder first and is copied
        // over only when it is complete.
        QTemporaryDir scratch;
        if (!scratch.isValid()) {
            errorMessage = scratch.errorString();
            return false;
        }
        const QString pdfName = scratch.filePath(QStringLiteral("export.pdf"));
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setOutputFileName(pdfName);
            source.print(&printer);
        }
        QFile pdf(pdfName);
        if (!pdf.open(QIODevice::ReadOnly) || pdf.size() == 0) {
            errorMessage =
                QCoreApplication::translate("MainWindow", "The PDF document could not be created.");
            return false;
        }
        if (!file.open(QIODevice::WriteOnly)) {
            errorMessage = file.errorString();
            return false;
        }
        file.write(pdf.readAll());
        return commit(file, errorMessage);
    }

    if (!file.open(QIODevice::WriteOnly)) {
        errorMessage = file.errorString();
        return false;
    }
    if (format == Svg) {
        source.svg(&file);
    } else {
        const QPixmap pixmap = source.pixmap();
        if (pixmap.isNull() || !pixmap.save(&file, format == Jpg ? "JPG" : "PNG")) {
            errorMessage = QCoreApplication::translate("MainWindow", "The image could not be encoded.");
            file.cancelWriting();
            file.commit();
            return false;
        }
    }
    return commit(file, errorMessage);
}
