// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef STARTUP_H
#define STARTUP_H

#include <QString>
#include <QStringList>

class Settings;
class TranslationCatalogues;

namespace ZMT {
class MessageStream;
}

// The steps of program start that decide something, kept apart from main() so that
// they can be tested without starting the program.
namespace StartUp {

/*! The help text of "--help", line by line exactly as printed. */
QStringList helpLines();

/*! Examines the arguments after the program name (args[0] is skipped). Returns false
    when "--help" was given: the program must print the help and end with exit code 1. */
bool evaluateCommandLine(const QStringList &args, Settings &settings);

/*! The language identifier before lower-casing: the stored language, overridden by the
    command-line language, and the system locale's language when both are empty. */
QString decideLanguage(const Settings &settings, const QString &systemLocaleName);

/*! Loads the Qt and the program catalogue for \a languageId (already lower case) from
    \a dir, logging each attempt, and installs both only when both loaded. Returns true
    when the catalogues were installed; "en" needs none and returns false. */
bool installTranslations(const QString &languageId, const QString &dir, TranslationCatalogues &catalogues,
                         ZMT::MessageStream &log);

} // namespace StartUp

#endif // STARTUP_H
