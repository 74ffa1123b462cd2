// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BATCHRUNNER_H
#define BATCHRUNNER_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "TranslationCatalogues.h"

class BatchItem;
class BatchOptions;
class ReportSettings;

/*! The batch program from command line to exit code: reads the options, installs the
    requested language, calculates and assesses every project file and writes the results in
    the chosen format to standard output or, through a save file, to the output file; or lists
    the material database.

    A file that cannot be read is reported on standard error and left out of the output; the
    other files are still processed. Each file's output is complete before it is added, so a
    failing file never leaves half a block behind. Output is UTF-8. */
class BatchRunner {
    Q_DECLARE_TR_FUNCTIONS(BatchRunner)
public:
    enum ExitCode {
        ExitDone = 0,
        ExitUsage = 1,       ///< bad command line: message and usage on standard error
        ExitFileError = 2,   ///< a file could not be read, or the output could not be written
        ExitNotFulfilled = 3 ///< with --strict: a requirement is not fulfilled
    };

    BatchRunner() = default;
    BatchRunner(const BatchRunner &) = delete;
    BatchRunner &operator=(const BatchRunner &) = delete;

    /*! Runs the program for \a args (args[0] is the program). Returns the exit code. */
    int run(const QStringList &args);

private:
    /*! Loads and installs the program's and Qt's catalogues for \a languageId (lower case) from
        the translations folder; "en" needs none. False when a catalogue is missing. */
    bool installLanguage(const QString &languageId);
    /*! Makes the numbers of texts follow \a languageId (C locale when empty), without group
        separators. */
    static void setNumberLocale(const QString &languageId);

    int calculate(const BatchOptions &options);
    int listMaterials(const BatchOptions &options);
    /*! Writes the report of \a item where \a options ask for it, unless an earlier item of the run
        (listed in \a written) got that file already or it would replace a project file. False
        after an error message. */
    bool writeReport(const BatchOptions &options, const ReportSettings &settings, const BatchItem &item,
                     QStringList &written);
    /*! Writes \a data to standard output (no output file, or "-"), straight into a device, FIFO
        or open descriptor (/dev/stdout), or to a regular output file, which is replaced only when
        everything was written. False after an error message. */
    bool writeOutput(const QString &outputFile, const QByteArray &data);
    /*! True when \a outputFile names a regular file (existing or not) that writeOutput() replaces
        as a whole, rather than standard output, a device, a FIFO or a descriptor. */
    static bool isFileTarget(const QString &outputFile);

    static void printError(const QString &message);
    static int usageError(const QString &message);

    TranslationCatalogues m_translations;
};

#endif // BATCHRUNNER_H
