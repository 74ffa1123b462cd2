// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartUp.h"

#include "Settings.h"
#include "TranslationCatalogues.h"
#include "ZMT_MessageStream.h"

namespace StartUp {

QStringList helpLines() {
    return QStringList{QStringLiteral("Tavo 2 Command Line Syntax:\n"), QStringLiteral("  --help  "),
                       QStringLiteral("  --no-splash  "), QStringLiteral("  --lang=<language ID>  ")};
}

bool evaluateCommandLine(const QStringList &args, Settings &settings) {
    settings.m_initialProjectFile = settings.m_lastProjectFile;
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        const bool isOption = arg.size() > 1 && arg.at(1) == QLatin1Char('-');
        if (!isOption) {
            settings.m_initialProjectFile = arg.trimmed();
            continue;
        }
        if (arg == QLatin1String("--help"))
            return false;
        if (arg == QLatin1String("--no-splash")) {
            if (settings.m_flags.isEmpty())
                settings.m_flags.append(false);
            else
                settings.m_flags[Settings::SplashScreenFlag] = false;
        } else if (arg.startsWith(QLatin1String("--lang"))) {
            const int eq = arg.indexOf(QLatin1Char('='));
            if (eq >= 0)
                settings.m_commandLineLanguage = arg.mid(eq + 1);
        }
        // any other option is ignored
    }
    return true;
}

QString decideLanguage(const Settings &settings, const QString &systemLocaleName) {
    QString id = settings.m_languageId;
    if (!settings.m_commandLineLanguage.isEmpty())
        id = settings.m_commandLineLanguage;
    if (id.isEmpty())
        id = systemLocaleName.section(QLatin1Char('_'), 0, 0);
    return id;
}

bool installTranslations(const QString &languageId, const QString &dir, TranslationCatalogues &catalogues,
                         ZMT::MessageStream &log) {
    if (languageId == QLatin1String("en")) {
        log << "No Translation required for locale: en" << ZMT::endl;
        return false;
    }
    log << "Translation required for locale: " << languageId.toStdString() << ZMT::endl;
    return catalogues.install(languageId, dir, &log);
}

} // namespace StartUp
