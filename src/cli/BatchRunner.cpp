#include "BatchRunner.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QVector>

#include <cstdio>

#include "BatchCsvWriter.h"
#include "BatchItem.h"
#include "BatchJsonWriter.h"
#include "BatchOptions.h"
#include "BatchReportWriter.h"
#include "BatchTextWriter.h"
#include "Directories.h"
#include "MaterialList.h"
#include "MaterialListExport.h"
#include "Settings.h"

namespace {

const char *const ProgramName = "tavo2-calc";

void writeStream(FILE *stream, const QByteArray &data) {
    std::fwrite(data.constData(), 1, static_cast<size_t>(data.size()), stream);
}

// Whether \a fileName names one of the project files of the run (an existing file only).
bool isProjectFile(const BatchOptions &options, const QString &fileName) {
    const QString target = QFileInfo(fileName).canonicalFilePath();
    for (const QString &file : options.m_files)
        if (!target.isEmpty() && QFileInfo(file).canonicalFilePath() == target)
            return true;
    return false;
}

} // namespace

void BatchRunner::printError(const QString &message) {
    writeStream(stderr, QByteArray(ProgramName) + ": " + message.toUtf8() + '\n');
    std::fflush(stderr);
}

int BatchRunner::usageError(const QString &message) {
    printError(message);
    writeStream(stderr, '\n' + BatchOptions::helpText().toUtf8());
    std::fflush(stderr);
    return ExitUsage;
}

bool BatchRunner::installLanguage(const QString &languageId) {
    if (languageId.isEmpty() || languageId == QLatin1String("en"))
        return true;
    // The same catalogues as the window program; both or neither, as there.
    return m_translations.install(languageId, translationsDir());
}

void BatchRunner::setNumberLocale(const QString &languageId) {
    QLocale locale = languageId.isEmpty() ? QLocale::c() : QLocale(languageId);
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

int BatchRunner::run(const QStringList &args) {
    // The language comes first, so that even the messages about the command line are translated.
    const QString language = BatchOptions::languageArgument(args);
    if (BatchOptions::isValidLanguageId(language)) {
        if (!installLanguage(language.toLower()))
            return usageError(
                tr("No translation for language '%1' in '%2'.").arg(language, translationsDir()));
        setNumberLocale(language.toLower());
    } else {
        setNumberLocale(QString());
    }

    BatchOptions options;
    QString error;
    if (!options.parse(args, error))
        return usageError(error);

    switch (options.m_action) {
    case BatchOptions::ShowHelp:
        writeStream(stdout, BatchOptions::helpText().toUtf8());
        return std::fflush(stdout) == 0 ? ExitDone : ExitFileError;
    case BatchOptions::ShowVersion:
        writeStream(stdout, QByteArray(ProgramName) + ' ' + TAVO_VERSION_STRING + '\n');
        return std::fflush(stdout) == 0 ? ExitDone : ExitFileError;
    case BatchOptions::ListMaterials:
        return listMaterials(options);
    case BatchOptions::Calculate:
        break;
    }
    return calculate(options);
}

int BatchRunner::calculate(const BatchOptions &options) {
    // The output file must not replace one of the projects it is made from.
    if (!options.m_outputFile.isEmpty()) {
        const QString target = QFileInfo(options.m_outputFile).canonicalFilePath();
        for (const QString &file : options.m_files)
            if (!target.isEmpty() && QFileInfo(file).canonicalFilePath() == target)
                return usageError(
                    tr("The output file '%1' is one of the project files.").arg(options.m_outputFile));
    }

    // Nor may a report.
    if (!options.m_reportFile.isEmpty() && isProjectFile(options, options.m_reportFile))
        return usageError(tr("The report file '%1' is one of the project files.").arg(options.m_reportFile));
    if (!options.m_reportFile.isEmpty() && !options.m_outputFile.isEmpty() &&
        QFileInfo(options.m_reportFile).absoluteFilePath() ==
            QFileInfo(options.m_outputFile).absoluteFilePath())
        return usageError(tr("The report and the output cannot be written to the same file."));
    if (!options.m_reportDir.isEmpty() && !QDir().mkpath(options.m_reportDir)) {
        printError(tr("Cannot create the report folder '%1'.").arg(options.m_reportDir));
        return ExitFileError;
    }
    const ReportSettings reportSettings = BatchReportWriter::settings(options);
    QStringList reportsWritten;

    bool readError = false;
    bool allFulfilled = true;
    QVector<QByteArray> blocks;
    for (const QString &file : options.m_files) {
        BatchItem item;
        QString message;
        if (!BatchItem::load(file, options.m_settings, item, message)) {
            printError(QStringLiteral("%1: %2").arg(
                file, message.trimmed().replace(QLatin1Char('\n'), QLatin1Char(' '))));
            readError = true;
            continue;
        }
        allFulfilled = allFulfilled && item.m_allFulfilled;
        if (options.wantsReportOutput() && !writeReport(options, reportSettings, item, reportsWritten))
            readError = true;
        switch (options.m_format) {
        case BatchOptions::Text:
            blocks.append(BatchTextWriter::write(item).toUtf8());
            break;
        case BatchOptions::Json:
            blocks.append(BatchJsonWriter::object(item));
            break;
        case BatchOptions::Csv:
            blocks.append(BatchCsvWriter::write(item));
            break;
        }
    }

    QByteArray output;
    if (options.m_format == BatchOptions::Json) {
        output = BatchJsonWriter::array(blocks);
    } else {
        for (int i = 0; i < blocks.size(); ++i) {
            if (i > 0)
                output += '\n'; // a blank line between files
            output += blocks.at(i);
        }
    }
    if (!writeOutput(options.m_outputFile, output))
        return ExitFileError;
    if (readError)
        return ExitFileError;
    return options.m_strict && !allFulfilled ? ExitNotFulfilled : ExitDone;
}

bool BatchRunner::writeReport(const BatchOptions &options, const ReportSettings &settings,
                              const BatchItem &item, QStringList &written) {
    const QString target = options.m_reportFile.isEmpty()
                               ? BatchReportWriter::reportFileName(options.m_reportDir, item.m_fileName)
                               : options.m_reportFile;
    if (isProjectFile(options, target)) {
        printError(tr("%1: the report '%2' would replace a project file; it is not written.")
                       .arg(item.m_fileName, target));
        return false;
    }
    // Two projects of the same name from different folders would overwrite each other's report.
    const QString key = QFileInfo(target).absoluteFilePath();
    if (written.contains(key)) {
        printError(tr("%1: the report '%2' was already written for another project file; it is not replaced.")
                       .arg(item.m_fileName, target));
        return false;
    }
    QString message;
    if (!BatchReportWriter::write(item, settings, target, message)) {
        printError(QStringLiteral("%1: %2").arg(item.m_fileName, message));
        return false;
    }
    written << key;
    return true;
}

int BatchRunner::listMaterials(const BatchOptions &options) {
    // The user's materials directory is the one setting the listing needs.
    Settings::instance().read();
    const QString language = options.m_languageId.isEmpty() ? QStringLiteral("en") : options.m_languageId;
    MaterialList list(language,
                      resourcesDir() + QLatin1Char('/') + QLatin1String(MaterialList::BuiltInDirName),
                      Settings::instance().userMaterialsDir());
    if (!list.read() || list.builtInCount() <= 1) {
        // Only the generated air material means the built-in files are missing.
        printError(
            tr("The built-in material database in '%1' could not be read.").arg(list.builtInDirectory()));
        return ExitFileError;
    }
    MaterialListExport::Format format = MaterialListExport::Text;
    if (options.m_format == BatchOptions::Json)
        format = MaterialListExport::Json;
    else if (options.m_format == BatchOptions::Csv)
        format = MaterialListExport::Csv;
    return writeOutput(options.m_outputFile, MaterialListExport::write(list, format)) ? ExitDone
                                                                                      : ExitFileError;
}

bool BatchRunner::writeOutput(const QString &outputFile, const QByteArray &data) {
    if (outputFile.isEmpty()) {
        writeStream(stdout, data);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            printError(tr("Error writing to standard output."));
            return false;
        }
        return true;
    }
    QSaveFile file(outputFile);
    if (!file.open(QIODevice::WriteOnly)) {
        printError(tr("Cannot open '%1' for writing: %2").arg(outputFile, file.errorString()));
        return false;
    }
    // The final flush inside commit() is not checked by it, so flush first.
    if (file.write(data) != data.size() || !file.flush()) {
        printError(tr("Error writing '%1': %2").arg(outputFile, file.errorString()));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        printError(tr("Error saving '%1': %2").arg(outputFile, file.errorString()));
        return false;
    }
    return true;
}
