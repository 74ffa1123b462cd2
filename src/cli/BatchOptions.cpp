// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchOptions.h"

#include <QRegularExpression>

#include <cmath>

#include "MinimumHeatResistance.h"
#include "ReportSettings.h"

namespace {

// Options that take a value.
const QStringList &valueOptions() {
    static const QStringList options = {
        QStringLiteral("--format"),         QStringLiteral("-o"),
        QStringLiteral("--output"),         QStringLiteral("--lang"),
        QStringLiteral("--edition"),        QStringLiteral("--non-capillary-aw"),
        QStringLiteral("--drying-reserve"), QStringLiteral("--min-r-edition"),
        QStringLiteral("--min-r-element"),  QStringLiteral("--report"),
        QStringLiteral("--report-dir"),     QStringLiteral("--frames"),
        QStringLiteral("--time-limit")};
    return options;
}

bool parseInt(const QString &text, int &value) {
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

// A finite number >= 0, '.' as decimal separator.
bool parseNonNegative(const QString &text, double &value) {
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) && value >= 0;
}

QString elementList(int edition) {
    QStringList items;
    for (int id : MinimumHeatResistance::elementIds(edition))
        items << QStringLiteral("%1 (%2)").arg(id).arg(MinimumHeatResistance::elementName(edition, id));
    return items.join(QStringLiteral(", "));
}

} // namespace

QString BatchOptions::languageArgument(const QStringList &args) {
    QString language; // the last one wins, as in parse()
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--"))
            break;
        if (arg == QLatin1String("--lang"))
            language = i + 1 < args.size() ? args.at(i + 1) : QString();
        else if (arg.startsWith(QLatin1String("--lang=")))
            language = arg.mid(7);
        if (valueOptions().contains(arg))
            ++i; // skip the value, which may look like an option
    }
    return language;
}

bool BatchOptions::wantsReport(const QStringList &args) {
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--"))
            break;
        const QString name = arg.section(QLatin1Char('='), 0, 0);
        if (name == QLatin1String("--report") || name == QLatin1String("--report-dir"))
            return true;
        if (valueOptions().contains(arg))
            ++i; // skip the value, which may look like an option
    }
    return false;
}

bool BatchOptions::parseFrames(const QString &text, QSet<int> &frames) {
    const int count = ReportSettings::FrameCount;
    QSet<int> result;
    if (text.trimmed() == QLatin1String("all")) {
        for (int i = 0; i < count; ++i)
            result.insert(i);
        frames = result;
        return true;
    }
    const QStringList parts = text.split(QLatin1Char(','));
    for (const QString &part : parts) {
        const QStringList ends = part.split(QLatin1Char('-'));
        if (ends.size() > 2)
            return false;
        int first = 0;
        int last = 0;
        if (!parseInt(ends.front(), first) || !parseInt(ends.back(), last))
            return false;
        if (first < 0 || last >= count || first > last)
            return false;
        for (int i = first; i <= last; ++i)
            result.insert(i);
    }
    if (result.isEmpty())
        return false;
    frames = result;
    return true;
}

bool BatchOptions::isValidLanguageId(const QString &id) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z]{2,3}([_-][A-Za-z]{2,4})?$"));
    return pattern.match(id).hasMatch();
}

bool BatchOptions::parse(const QStringList &args, QString &error) {
    int minREdition = m_settings.m_minimumHeatResVersion;
    int minRElement = m_settings.m_minimumHeatResConstruction;
    bool optionsEnded = false;
    bool calculationOptionGiven = false;

    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            m_files << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString name = arg;
        QString value;
        bool hasValue = false;
        const int eq = arg.indexOf(QLatin1Char('='));
        if (arg.startsWith(QLatin1String("--")) && eq > 2) {
            name = arg.left(eq);
            value = arg.mid(eq + 1);
            hasValue = true;
        }
        if (valueOptions().contains(name)) {
            if (!hasValue) {
                if (i + 1 >= args.size()) {
                    error = tr("Option '%1' needs a value.").arg(name);
                    return false;
                }
                value = args.at(++i);
            }
        } else if (hasValue) {
            error = tr("Option '%1' takes no value.").arg(name);
            return false;
        }

        if (name == QLatin1String("--help")) {
            m_action = ShowHelp;
            return true; // help wins over everything else on the line
        } else if (name == QLatin1String("--version")) {
            m_action = ShowVersion;
        } else if (name == QLatin1String("--materials")) {
            m_action = ListMaterials;
        } else if (name == QLatin1String("--format")) {
            if (value == QLatin1String("text"))
                m_format = Text;
            else if (value == QLatin1String("json"))
                m_format = Json;
            else if (value == QLatin1String("csv"))
                m_format = Csv;
            else {
                error = tr("Unknown format '%1': use text, json or csv.").arg(value);
                return false;
            }
        } else if (name == QLatin1String("-o") || name == QLatin1String("--output")) {
            if (value.isEmpty()) {
                error = tr("Option '%1' needs a file name.").arg(name);
                return false;
            }
            m_outputFile = value;
        } else if (name == QLatin1String("--lang")) {
            if (!isValidLanguageId(value)) {
                error = tr("Invalid language identifier '%1'.").arg(value);
                return false;
            }
            m_languageId = value.toLower();
        } else if (name == QLatin1String("--edition")) {
            int edition = 0;
            if (!parseInt(value, edition) || edition < AssessmentSettings::DIN4108_3_2001 ||
                edition > AssessmentSettings::UserDefined) {
                error = tr("Invalid DIN 4108-3 edition '%1': use 0 (2001), 1 (2014), 2 (2018 and 2024) or 3 "
                           "(user defined).")
                            .arg(value);
                return false;
            }
            m_settings.m_accordanceType = edition;
            calculationOptionGiven = true;
        } else if (name == QLatin1String("--non-capillary-aw")) {
            double aw = 0;
            if (!parseNonNegative(value, aw)) {
                error = tr("Invalid water uptake limit '%1': a number >= 0 in kg/(m²·h^0.5) is needed.")
                            .arg(value);
                return false;
            }
            m_settings.m_nonCapillarAw = aw / 60; // per square root of a second, as the materials
            m_nonCapillaryAwGiven = true;
            calculationOptionGiven = true;
        } else if (name == QLatin1String("--drying-reserve")) {
            double reserve = 0;
            if (!parseNonNegative(value, reserve)) {
                error = tr("Invalid drying reserve '%1': a number >= 0 in g/(m²·a) is needed.").arg(value);
                return false;
            }
            m_settings.m_dryingReserve = reserve / 1000; // kg/(m²·a)
            calculationOptionGiven = true;
        } else if (name == QLatin1String("--min-r-edition")) {
            if (!parseInt(value, minREdition) || minREdition < MinimumHeatResistance::DIN4108_2_2004 ||
                minREdition > MinimumHeatResistance::DIN4108_2_2013) {
                error = tr("Invalid DIN 4108-2 edition '%1': use 0 (2004) or 1 (2013).").arg(value);
                return false;
            }
            calculationOptionGiven = true;
        } else if (name == QLatin1String("--min-r-element")) {
            if (!parseInt(value, minRElement)) {
                error = tr("Invalid building element '%1': a number is needed.").arg(value);
                return false;
            }
            calculationOptionGiven = true;
        } else if (name == QLatin1String("--report") || name == QLatin1String("--report-dir")) {
            if (value.isEmpty()) {
                error = tr("Option '%1' needs a file name.").arg(name);
                return false;
            }
            (name == QLatin1String("--report") ? m_reportFile : m_reportDir) = value;
            calculationOptionGiven = true;
        } else if (name == QLatin1String("--frames")) {
            if (!parseFrames(value, m_frames)) {
                error =
                    tr("Invalid frame list '%1': use report frame numbers 0 to %2 and ranges, separated by "
                       "commas (\"0,1,2,4-8\"), or all.")
                        .arg(value)
                        .arg(ReportSettings::FrameCount - 1);
                return false;
            }
            m_framesGiven = true;
            calculationOptionGiven = true;
        } else if (name == QLatin1String("--frsi")) {
            m_settings.m_frsiCheck = true;
            calculationOptionGiven = true;
        } else if (name == QLatin1String("--strict")) {
            m_strict = true;
            calculationOptionGiven = true;
        } else if (name == QLatin1String("--time-limit")) {
            if (!parseNonNegative(value, m_timeLimit) || m_timeLimit == 0) {
                error = tr("Invalid time limit '%1': a number of seconds > 0 is needed.").arg(value);
                return false;
            }
            calculationOptionGiven = true;
        } else if (name == QLatin1String("--exhaustive")) {
            m_exhaustive = true;
            calculationOptionGiven = true;
        } else {
            error = tr("Unknown option '%1'.").arg(name);
            return false;
        }
    }

    if (m_action == ShowVersion)
        return true;
    if (m_action == ListMaterials) {
        if (!m_files.isEmpty()) {
            error = tr("--materials lists the material database and takes no project files.");
            return false;
        }
        if (calculationOptionGiven) {
            error = tr("--materials takes only --format, --lang and --output.");
            return false;
        }
        return true;
    }
    if (m_files.isEmpty()) {
        error = tr("No project file given.");
        return false;
    }
    if (!m_reportFile.isEmpty() && !m_reportDir.isEmpty()) {
        error = tr("Use either --report or --report-dir.");
        return false;
    }
    if (!m_reportFile.isEmpty() && m_files.size() != 1) {
        error = tr("--report writes the report of one project file; use --report-dir for several.");
        return false;
    }
    if (m_framesGiven && !wantsReportOutput()) {
        error = tr("--frames is used only with --report or --report-dir.");
        return false;
    }
    // A limit that would silently be ignored is more likely a mistake than a wish.
    if (m_nonCapillaryAwGiven && m_settings.m_accordanceType != AssessmentSettings::UserDefined) {
        error = tr("--non-capillary-aw is used only with --edition 3 (user defined).");
        return false;
    }
    if (!MinimumHeatResistance::hasElement(minREdition, minRElement)) {
        error = tr("Building element %1 is not in %2. Elements: %3.")
                    .arg(minRElement)
                    .arg(MinimumHeatResistance::editionName(minREdition), elementList(minREdition));
        return false;
    }
    m_settings.m_minimumHeatResVersion = minREdition;
    m_settings.m_minimumHeatResConstruction = minRElement;
    return true;
}

QString BatchOptions::helpText() {
    return tr("Usage: tavo2-calc [options] FILE...\n"
              "       tavo2-calc --materials [--format text|json|csv] [--lang ID] [-o FILE]\n"
              "\n"
              "Calculates and assesses Tavo project files (.t2p, .tpj) without a window.\n"
              "\n"
              "Options:\n"
              "  --format text|json|csv  output format (default text)\n"
              "  -o, --output FILE       write to FILE (- or none: standard output)\n"
              "  --lang ID               language of texts, verdicts and numbers\n"
              "                          (default: untranslated English)\n"
              "  --edition N             DIN 4108-3 criteria: 0 2001, 1 2014,\n"
              "                          2 2018 and 2024 (default), 3 user defined\n"
              "  --non-capillary-aw V    limit for non-capillary material with --edition 3,\n"
              "                          kg/(m²·h^0.5) (default 0.2)\n"
              "  --drying-reserve G      drying reserve in g/(m²·a) (default 0: none)\n"
              "  --min-r-edition N       DIN 4108-2 table 3: 0 2004, 1 2013 (default)\n"
              "  --min-r-element ID      building element of that table (default 12)\n"
              "  --frsi                  include the check of the temperature factor fRsi\n"
              "  --strict                exit with 3 when a requirement is not fulfilled\n"
              "  --time-limit S          stop the calculation of a file after S seconds;\n"
              "                          the file is then left out (exit code 2)\n"
              "  --exhaustive            find the condensation planes by trying every\n"
              "                          combination in turn, for checking (at most 24 layers)\n"
              "  --report FILE           also write the PDF report of the one project file\n"
              "  --report-dir DIR        also write a PDF report of every project file into\n"
              "                          DIR, named after the project file (FILE.t2p -> FILE.pdf)\n"
              "  --frames LIST           report frames to print, e.g. 0,1,2,4-8 or all\n"
              "                          (default 0-5,9,11,12): 0 page header, 1 page footer,\n"
              "                          2 project information, 3 construction sketch,\n"
              "                          4 material properties, 5 climate, 6 surface\n"
              "                          resistances, 7 resistances, 8 temperatures, vapour\n"
              "                          pressures and moisture contents, 9 moisture profile,\n"
              "                          10 vapour pressure profile, 11 summary of results and\n"
              "                          requirements, 12 Glaser scheme, 13 final remarks\n"
              "  --materials             list the material database instead\n"
              "  --help, --version\n"
              "\n"
              "Exit codes: 0 done, 1 usage error, 2 a file could not be read or the output\n"
              "not written (the other files are still processed), 3 a requirement is not\n"
              "fulfilled (only with --strict).\n"
              "\n"
              "A report is written completely or not at all; it needs no display.\n");
}
