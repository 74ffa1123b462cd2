// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QVector>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <new>
#include <sys/resource.h>
#include <unistd.h>

#include "BatchCsvWriter.h"
#include "BatchItem.h"
#include "BatchJsonWriter.h"
#include "BatchOptions.h"
#include "BatchReportWriter.h"
#include "BatchTextWriter.h"
#include "CalculationControl.h"
#include "Directories.h"
#include "MaterialList.h"
#include "MaterialListExport.h"
#include "Settings.h"
#include "TimeLimitMonitor.h"

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

// "-", and names of this process's open descriptors such as /dev/stdout or /proc/self/fd/1.
bool namesStandardOutputOrDescriptor(const QString &outputFile) {
    static const QRegularExpression descriptor(
        QStringLiteral("^/(dev/(stdout|stderr|fd/[0-9]+)|proc/(self|[0-9]+)/fd/[0-9]+)$"));
    return outputFile == QLatin1String("-") ||
           descriptor.match(QFileInfo(outputFile).absoluteFilePath()).hasMatch();
}

// The largest file this process may write (ulimit -f), or -1 for no limit.
qint64 fileSizeLimit() {
    struct rlimit limit;
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return -1;
    return static_cast<qint64>(limit.rlim_cur);
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
    if (isFileTarget(options.m_outputFile)) {
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

    TimeLimitMonitor timeLimit(options.m_timeLimit);
    const CalculationControl control(options.m_timeLimit > 0 ? &timeLimit : nullptr,
                                     options.m_exhaustive ? CalculationControl::ExhaustiveSearch
                                                          : CalculationControl::DirectSearch);
    bool readError = false;
    bool allFulfilled = true;
    QVector<QByteArray> blocks;
    for (const QString &file : options.m_files) {
        // A file that exhausts the memory fails alone; the others still get their results.
        try {
            BatchItem item;
            QString message;
            timeLimit.reset();
            if (!BatchItem::load(file, options.m_settings, item, message)) {
                printError(QStringLiteral("%1: %2").arg(
                    file, message.trimmed().replace(QLatin1Char('\n'), QLatin1Char(' '))));
                readError = true;
                continue;
            }
            // A stopped calculation has no result to show: the file counts as not processed.
            if (timeLimit.stopped()) {
                printError(QStringLiteral("%1: %2").arg(
                    file, tr("The calculation was stopped after the time limit of %1 s.")
                              .arg(QLocale().toString(options.m_timeLimit, 'g', 6))));
                readError = true;
                continue;
            }
            QByteArray block;
            switch (options.m_format) {
            case BatchOptions::Text:
                block = BatchTextWriter::write(item).toUtf8();
                break;
            case BatchOptions::Json:
                block = BatchJsonWriter::object(item);
                break;
            case BatchOptions::Csv:
                block = BatchCsvWriter::write(item);
                break;
            }
            blocks.append(block);
            allFulfilled = allFulfilled && item.m_allFulfilled;
            if (options.wantsReportOutput() && !writeReport(options, reportSettings, item, reportsWritten))
                readError = true;
        } catch (const std::bad_alloc &) {
            printError(QStringLiteral("%1: %2").arg(file, tr("Not enough memory to read this file.")));
            readError = true;
        }
    }

    // A run that read nothing must not replace the results of an earlier run with an empty list.
    if (blocks.isEmpty() && isFileTarget(options.m_outputFile)) {
        printError(tr("No project file could be read: '%1' is not written.").arg(options.m_outputFile));
        return ExitFileError;
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
    // What could be read is still listed, but a partial database must not pass for a whole one.
    for (const MaterialList::IncompleteFile &file : list.incompleteFiles())
        printError(tr("The material file '%1' could not be read completely; materials read from it: %2.")
                       .arg(QDir::toNativeSeparators(QDir::cleanPath(file.path)))
                       .arg(file.materialsRead));
    MaterialListExport::Format format = MaterialListExport::Text;
    if (options.m_format == BatchOptions::Json)
        format = MaterialListExport::Json;
    else if (options.m_format == BatchOptions::Csv)
        format = MaterialListExport::Csv;
    if (!writeOutput(options.m_outputFile, MaterialListExport::write(list, format)))
        return ExitFileError;
    return list.incompleteFiles().isEmpty() ? ExitDone : ExitFileError;
}

bool BatchRunner::isFileTarget(const QString &outputFile) {
    if (outputFile.isEmpty() || namesStandardOutputOrDescriptor(outputFile))
        return false;
    const QFileInfo info(outputFile);
    return !info.exists() || info.isFile() || info.isDir();
}

bool BatchRunner::writeOutput(const QString &outputFile, const QByteArray &data) {
    if (outputFile.isEmpty() || outputFile == QLatin1String("-")) {
        writeStream(stdout, data);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            printError(tr("Error writing to standard output."));
            return false;
        }
        return true;
    }
    if (!isFileTarget(outputFile)) {
        // A device, a FIFO or an open descriptor: written to as it is. Replacing it through a save
        // file would put a regular file in its place (as root, even instead of /dev/null).
        // Appending, so a descriptor that is a regular file opened by the shell is not truncated.
        const int fd =
            ::open(QFile::encodeName(outputFile).constData(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) {
            printError(tr("Cannot open '%1' for writing: %2").arg(outputFile, qt_error_string(errno)));
            return false;
        }
        const char *next = data.constData();
        qint64 left = data.size();
        while (left > 0) {
            const ssize_t n = ::write(fd, next, static_cast<size_t>(left));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                printError(tr("Error writing '%1': %2").arg(outputFile, qt_error_string(errno)));
                ::close(fd);
                return false;
            }
            next += n;
            left -= n;
        }
        if (::close(fd) != 0 && errno != EINTR) {
            printError(tr("Error writing '%1': %2").arg(outputFile, qt_error_string(errno)));
            return false;
        }
        return true;
    }
    // The system refuses the write past the limit, and Qt has no words for that.
    const qint64 limit = fileSizeLimit();
    if (limit >= 0 && data.size() > limit) {
        printError(tr("Cannot write '%1': the output of %2 bytes exceeds the file size limit of %3 bytes.")
                       .arg(outputFile)
                       .arg(data.size())
                       .arg(limit));
        return false;
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
