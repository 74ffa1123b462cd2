// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BATCHOPTIONS_H
#define BATCHOPTIONS_H

#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <QStringList>

#include "AssessmentSettings.h"

/*! The command line of tavo2-calc. The assessment settings start from the defaults of a fresh
    installation and change only by options, never by the window program's stored settings, so
    that a batch run gives the same result on every machine.

    Options take their value as the next argument or after '=' ("--format json",
    "--format=json"); "--" ends the options. A repeated option: the last one wins. Numbers are
    read with '.' as decimal separator. */
class BatchOptions {
    Q_DECLARE_TR_FUNCTIONS(BatchOptions)
public:
    enum Format { Text, Json, Csv };
    /*! What the program is asked to do. */
    enum Action { Calculate, ListMaterials, ShowHelp, ShowVersion };

    /*! Parses the arguments after the program name (\a args[0] is skipped). False with
        \a error set on a usage error. */
    bool parse(const QStringList &args, QString &error);

    /*! The value of the last "--lang" option ("--lang ID" or "--lang=ID"), or an empty text.
        Read before everything else so that the messages of parse() are already translated. */
    static QString languageArgument(const QStringList &args);

    /*! True when the arguments ask for a PDF report ("--report" or "--report-dir"). Read before
        the application object exists: only a report needs the graphical libraries. */
    static bool wantsReport(const QStringList &args);

    /*! Parses a frame list such as "0,1,2,4-8" (report frame numbers and ranges) or "all".
        False when it holds anything else or no frame. */
    static bool parseFrames(const QString &text, QSet<int> &frames);

    /*! True for a language identifier such as "de", "EN" or "de_AT" (letters only, so it can
        never point outside the translations folder). */
    static bool isValidLanguageId(const QString &id);

    /*! The usage text of --help (translated). */
    static QString helpText();

    Action m_action = Calculate;
    Format m_format = Text;
    QString m_outputFile;      ///< empty: standard output
    QString m_languageId;      ///< lower case; empty: untranslated English
    bool m_strict = false;     ///< exit 3 when a requirement is not fulfilled
    double m_timeLimit = 0;    ///< seconds for the calculation of one file; 0: no limit
    bool m_exhaustive = false; ///< the specified search through every plane combination
    AssessmentSettings m_settings;
    QString m_reportFile;       ///< PDF report of the one project file; empty: none
    QString m_reportDir;        ///< folder for one PDF report per project file; empty: none
    QSet<int> m_frames;         ///< report frames to print
    bool m_framesGiven = false; ///< false: the report settings' default frames
    QStringList m_files;

    bool wantsReportOutput() const { return !m_reportFile.isEmpty() || !m_reportDir.isEmpty(); }

private:
    bool m_nonCapillaryAwGiven = false;
};

#endif // BATCHOPTIONS_H
