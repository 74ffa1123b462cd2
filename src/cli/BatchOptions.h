#ifndef BATCHOPTIONS_H
#define BATCHOPTIONS_H

#include <QCoreApplication>
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

    /*! True for a language identifier such as "de", "EN" or "de_AT" (letters only, so it can
        never point outside the translations folder). */
    static bool isValidLanguageId(const QString &id);

    /*! The usage text of --help (translated). */
    static QString helpText();

    Action m_action = Calculate;
    Format m_format = Text;
    QString m_outputFile;  ///< empty: standard output
    QString m_languageId;  ///< lower case; empty: untranslated English
    bool m_strict = false; ///< exit 3 when a requirement is not fulfilled
    AssessmentSettings m_settings;
    QStringList m_files;

private:
    bool m_nonCapillaryAwGiven = false;
};

#endif // BATCHOPTIONS_H
