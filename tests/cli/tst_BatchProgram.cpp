// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real tavo2-calc executable as a script would, on the example projects.
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <cmath>

namespace {

const char *const InteriorInsulation = "examples/interior-insulation-brick-wall.t2p";
const char *const FlatRoof = "examples/unventilated-flat-roof.t2p";
const char *const TimberFrame = "examples/timber-frame-wall-vapour-retarder.t2p";
const char *const EightLayers = "tests/data/cli/eight-layers.t2p";
const char *const UninsulatedWall = "tests/data/cli/uninsulated-brick-wall.t2p";

struct Run {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Runs the program in the source folder, so file names stay relative as in the golden files.
Run runCalc(const QStringList &args,
            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QStringLiteral(TAVO_SOURCE_DIR));
    process.start(QStringLiteral(TAVO_CALC_EXE), args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        return {-1, QByteArray(), QStringLiteral("did not finish normally")};
    }
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

// Pages of a PDF file written by Qt; -1 when it is no complete PDF.
int pageCount(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    if (!pdf.startsWith("%PDF-") || !pdf.trimmed().endsWith("%%EOF"))
        return -1;
    return pdf.count("/Type /Page\n");
}

// A project of \a count layers: gypsum board, mineral wool in slices, EPS and bitumen without any
// water uptake, DIN 4108-3 climate. It condenses only in front of the bitumen, where no plane is
// possible: the specified search has to try every combination.
QByteArray slicedWallProject(int count) {
    QByteArray layers;
    const auto layer = [&layers](const char *name, double d, const char *values) {
        layers +=
            QStringLiteral("<Layer index=\"%1\" d=\"%2\"><Material name=\"%3\" materialId=\"0\" cat=\"5\" "
                           "rho=\"100\" %4 sd_value=\"0\" color=\"200 200 200\" isAir=\"0\" isWood=\"0\" "
                           "isWoodbased=\"0\" isFoil=\"0\"/></Layer>\n")
                .arg(layers.count("<Layer "))
                .arg(d)
                .arg(QLatin1String(name), QLatin1String(values))
                .toUtf8();
    };
    layer("gypsum board", 0.0125, "lambda=\"0.25\" mu=\"4\" w_80=\"0.007\" w_sat=\"0.35\" m_Aw=\"0.13\"");
    for (int i = 0; i < count - 3; ++i)
        layer("mineral wool", 0.01,
              "lambda=\"0.035\" mu=\"1\" w_80=\"0.0005\" w_sat=\"0.9\" m_Aw=\"0.0005\"");
    layer("EPS", 0.05, "lambda=\"0.035\" mu=\"100\" w_80=\"0.0005\" w_sat=\"0.05\" m_Aw=\"0\"");
    layer("bitumen", 0.004, "lambda=\"0.23\" mu=\"50000\" w_80=\"0.0001\" w_sat=\"0.001\" m_Aw=\"0\"");
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE TavoProject>\n<TavoProject version=\"2.0\">"
           "<InputData><Construction>\n" +
           layers +
           "</Construction><Climate><Interior T_i=\"20\" rh_i=\"50\" alpha_i=\"4\" T_i_summer=\"14.9429\" "
           "rh_i_summer=\"70.5882\"/><Exterior T_e=\"-5\" rh_e=\"80\" alpha_e=\"25\" T_e_summer=\"14.9429\" "
           "rh_e_summer=\"70.5882\"/></Climate><Options tT=\"90\" "
           "tT_summer=\"90\"/></InputData></TavoProject>\n";
}

QJsonArray parseArray(const QByteArray &json) {
    return QJsonDocument::fromJson(json).array();
}

// Field-by-field comparison; numbers within a relative tolerance of 1e-12. Returns the path of
// the first difference with both values, or an empty text.
QString difference(const QJsonValue &actual, const QJsonValue &expected, const QString &path) {
    if (actual.type() != expected.type())
        return QStringLiteral("%1: type %2, expected %3").arg(path).arg(actual.type()).arg(expected.type());
    if (expected.isDouble()) {
        const double a = actual.toDouble();
        const double e = expected.toDouble();
        if (std::fabs(a - e) <= 1e-12 * std::max(std::fabs(a), std::fabs(e)))
            return QString();
        return QStringLiteral("%1: %2, expected %3").arg(path).arg(a, 0, 'g', 17).arg(e, 0, 'g', 17);
    }
    if (!expected.isArray() && !expected.isObject())
        return actual == expected ? QString() : path + QStringLiteral(": values differ");
    const QJsonArray a = actual.toArray(); // arrays by index, objects by key
    const QJsonArray e = expected.toArray();
    const QStringList keys = expected.toObject().keys();
    if (a.size() != e.size() || actual.toObject().keys() != keys)
        return path + QStringLiteral(": other size or keys");
    for (int i = 0; i < e.size() + keys.size(); ++i) {
        const QString key = keys.value(i);
        const QString d = expected.isArray()
                              ? difference(a.at(i), e.at(i), QStringLiteral("%1[%2]").arg(path).arg(i))
                              : difference(actual[key], expected[key], path + '.' + key);
        if (!d.isEmpty())
            return d;
    }
    return QString();
}

} // namespace

class tst_BatchProgram : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;

private slots:
    void goldenJson_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("golden");
        // Both with condensation: zones, the non-capillary rows, fRsi value and drying reserve.
        QTest::newRow("interior insulation, capillary zone")
            << InteriorInsulation << "interior-insulation-brick-wall.json";
        QTest::newRow("flat roof, non-capillary plane") << FlatRoof << "unventilated-flat-roof.json";
    }
    void goldenJson() {
        QFETCH(QString, file);
        QFETCH(QString, golden);
        const Run run = runCalc({"--format", "json", "--frsi", "--drying-reserve", "100", file});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QFile expectedFile(QStringLiteral(TAVO_TEST_DATA_DIR "/cli/") + golden);
        const QJsonArray expected =
            parseArray(expectedFile.open(QIODevice::ReadOnly) ? expectedFile.readAll() : "");
        const QString d = difference(parseArray(run.out), expected, QStringLiteral("$"));
        QVERIFY2(d.isEmpty(), qPrintable(d));
    }

    void textOutput_data() {
        QTest::addColumn<QStringList>("langArgs");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("foreign"); // the other language's
        const QStringList en{"Construction thickness", " 1.505 m2K/W\n",
                             " 0.439 kg/m2\n",         "Condensation between layer 2 and 4!",
                             "Requirement fulfilled",  "Drying time in summer tev < 90d",
                             "  Drying time  "}; // in days
        const QStringList de{"Bauteildicke",         " 1,505 m2K/W\n",
                             " 0,439 kg/m2\n",       "Tauwasser zwischen Schicht 2 und 4!",
                             "Anforderung erfüllt",  "Austrocknungszeit",
                             "  Austrocknungszeit  "};
        QTest::newRow("English") << QStringList() << en << de;
        QTest::newRow("German") << QStringList{"--lang", "de"} << de << en;
    }
    void textOutput() {
        QFETCH(QStringList, langArgs);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, foreign);
        const Run run = runCalc(langArgs + QStringList{InteriorInsulation});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        const QString text = QString::fromUtf8(run.out);
        QVERIFY2(text.startsWith(QLatin1String(InteriorInsulation) + '\n'), qPrintable(text));
        for (const QString &piece : expected)
            QVERIFY2(text.contains(piece), qPrintable(piece + " missing in:\n" + text));
        const QString dryingDays = langArgs.isEmpty() ? " 16.88 d\n" : " 16,88 d\n";
        QVERIFY2(text.contains(QRegularExpression(expected.last() + " +" + dryingDays)), qPrintable(text));
        for (const QString &piece : foreign)
            QVERIFY2(!text.contains(piece), qPrintable(piece + " should not be in:\n" + text));
        QVERIFY2(!text.contains(QRegularExpression("<[A-Za-z/]|&[A-Za-z#][A-Za-z0-9]*;")), qPrintable(text));
    }

    // Three tables per file, interfaces, layers and the standard procedure's verdicts, separated
    // by blank lines; '.' decimals.
    void csvShape() {
        const Run run = runCalc({"--format", "csv", EightLayers, TimberFrame});
        QCOMPARE(run.exitCode, 0);
        const QStringList tables = QString::fromUtf8(run.out).split("\n\n");
        QCOMPARE(tables.size(), 6);
        // Mass and evaporation; no wood beside a condensation plane of the standard procedure.
        const QRegularExpression verdict(
            "^[^,]+,[01],DIN 4108-3 \\(Glaser period balance\\) [^,\"]+,(true|false)$");
        for (int t : {2, 5}) {
            const QStringList lines = tables.at(t).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(lines.value(0), "file,index,label,fulfilled");
            QCOMPARE(lines.size() - 1, 2);
            for (int i = 1; i < lines.size(); ++i)
                QVERIFY2(verdict.match(lines.at(i)).hasMatch(), qPrintable(lines.at(i)));
            QVERIFY(lines.last().contains(",1,DIN 4108-3 (Glaser period balance) Mev >= Mc,true"));
        }
        const QStringList geometry{tables.at(0), tables.at(1), tables.at(3), tables.at(4)};
        const int rows[] = {9, 8, 5, 4};
        const double thickness[] = {0.4283, 0.2729};
        for (int t = 0; t < 4; ++t) {
            const QStringList lines = geometry.at(t).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(lines.value(0), t % 2 == 0 ? "file,index,x,T,psat,pv,T_Glaser,psat_Glaser,pv_Glaser"
                                                : "file,index,name,d,R_layers,Z_layers,L_layers,w_left,"
                                                  "w_right,sk_Tavo,mc_layers");
            QCOMPARE(lines.size() - 1, rows[t]);
            for (int i = 1; i < lines.size(); ++i) {
                const QRegularExpression row(
                    QString("^%1,%2%3(,-?[0-9.]+(e[-+][0-9]+)?){%4}$")
                        .arg(QRegularExpression::escape(t < 2 ? EightLayers : TimberFrame))
                        .arg(i - 1)
                        .arg(t % 2 == 0 ? "" : ",(\"[^\"]*\"|[^,\"]*)")
                        .arg(t % 2 == 0 ? 7 : 8));
                QVERIFY2(row.match(lines.at(i)).hasMatch(), qPrintable(lines.at(i)));
            }
            const double x = lines.last().section(',', 2, 2).toDouble(); // the cold surface
            QVERIFY2(t % 2 == 1 || std::fabs(x - thickness[t / 2]) < 1e-12, qPrintable(lines.last()));
        }
    }

    // The interior insulation passes by the zone calculation (0.44 kg/m²) and fails by the
    // standard procedure (1.65 kg/m²): every format carries both, those of the standard procedure
    // last, the text output as a block of its own.
    void standardProcedureVerdicts() {
        const Run text = runCalc({InteriorInsulation});
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(
            QString::fromUtf8(text.out).endsWith(
                "  Drying time in summer tev < 90d                                    Requirement fulfilled\n"
                "\n"
                "  DIN 4108-3 (Glaser period balance) Mc <= 1.0kg/m2  Requirement not fulfilled\n"
                "  DIN 4108-3 (Glaser period balance) Mev >= Mc       Requirement fulfilled\n"),
            text.out.constData());

        const Run json = runCalc({"--format", "json", InteriorInsulation});
        const QJsonArray criteria = parseArray(json.out).at(0).toObject()["criteria"].toArray();
        QCOMPARE(criteria.size(), 5);
        QCOMPARE(criteria.at(1).toObject()["fulfilled"], QJsonValue(true)); // zone calculation
        const QJsonObject mass = criteria.at(3).toObject();
        QCOMPARE(mass["label"].toString(),
                 QString("DIN 4108-3 (Glaser period balance) M<sub>c</sub> &lt;= 1.0kg/m<sup>2</sup>"));
        QVERIFY(mass["value"].isNull());
        QCOMPARE(mass["fulfilled"], QJsonValue(false));
        QCOMPARE(criteria.at(4).toObject()["fulfilled"], QJsonValue(true));

        const Run csv = runCalc({"--format", "csv", InteriorInsulation});
        QVERIFY(csv.out.endsWith("\n\nfile,index,label,fulfilled\n"
                                 "examples/interior-insulation-brick-wall.t2p,0,"
                                 "DIN 4108-3 (Glaser period balance) Mc <= 1.0kg/m2,false\n"
                                 "examples/interior-insulation-brick-wall.t2p,1,"
                                 "DIN 4108-3 (Glaser period balance) Mev >= Mc,true\n"));

        // A requirement like any other: --strict fails on it.
        QCOMPARE(runCalc({"--strict", InteriorInsulation}).exitCode, 3);
    }

    void exitCodes_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("stderrPart"); // empty: standard error must be empty
        const QString tf = TimberFrame;
        QTest::newRow("help") << QStringList{"--help"} << 0 << "";
        QTest::newRow("strict, all fulfilled") << QStringList{"--strict", EightLayers} << 0 << "";
        QTest::newRow("not fulfilled without strict") << QStringList{UninsulatedWall} << 0 << "";
        QTest::newRow("no file") << QStringList{} << 1 << "Usage: tavo2-calc";
        QTest::newRow("unknown option") << QStringList{"--frobnicate", tf} << 1 << "--frobnicate";
        QTest::newRow("edition out of range") << QStringList{"--edition", "4", tf} << 1 << "'4'";
        QTest::newRow("aw limit without edition 3")
            << QStringList{"--non-capillary-aw", "0.3", tf} << 1 << "--edition 3";
        QTest::newRow("language without catalogue") << QStringList{"--lang", "xx", tf} << 1 << "xx";
        QTest::newRow("language with a path") << QStringList{"--lang", "../de", tf} << 1 << "../de";
        QTest::newRow("time limit 0") << QStringList{"--time-limit", "0", tf} << 1 << "'0'";
        QTest::newRow("time limit not a number") << QStringList{"--time-limit=soon", tf} << 1 << "'soon'";
        QTest::newRow("exhaustive search with the materials")
            << QStringList{"--materials", "--exhaustive"} << 1 << "--materials";
        QTest::newRow("strict, not fulfilled")
            << QStringList{"--strict", EightLayers, UninsulatedWall} << 3 << "";
        QTest::newRow("unreadable file wins over strict")
            << QStringList{"--strict", UninsulatedWall, "no-such.t2p"} << 2 << "no-such.t2p";
        QTest::newRow("report of two files")
            << QStringList{"--report", "r.pdf", tf, FlatRoof} << 1 << "--report-dir";
        QTest::newRow("report and report folder")
            << QStringList{"--report", "r.pdf", "--report-dir", "d", tf} << 1 << "either";
        QTest::newRow("frames without report") << QStringList{"--frames", "0,1", tf} << 1 << "--frames";
        QTest::newRow("frame out of range")
            << QStringList{"--report=r.pdf", "--frames", "0,14", tf} << 1 << "'0,14'";
        QTest::newRow("frame range backwards")
            << QStringList{"--report=r.pdf", "--frames", "5-2", tf} << 1 << "'5-2'";
        QTest::newRow("report with the material list")
            << QStringList{"--materials", "--report", "r.pdf"} << 1 << "--materials";
    }
    void exitCodes() {
        QFETCH(QStringList, args);
        QFETCH(QString, stderrPart);
        const Run run = runCalc(args);
        QTEST(run.exitCode, "code");
        QVERIFY2(stderrPart.isEmpty() ? run.err.isEmpty() : run.err.contains(stderrPart),
                 qPrintable(run.err));
        if (run.exitCode == 1) // a usage error prints the usage and calculates nothing
            QVERIFY(run.err.contains("Usage: tavo2-calc") && run.out.isEmpty());
    }

    // Surface resistance 1/0 or a condensation period of 0 days: invalid input, not a failure of the
    // calculation; no requirement can be fulfilled.
    void invalidClimate_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("heat transfer coefficient 0 inside") << "alpha_i=\"4\""
                                                            << "alpha_i=\"0\"";
        QTest::newRow("heat transfer coefficient 0 outside") << "alpha_e=\"25\""
                                                             << "alpha_e=\"0\"";
        QTest::newRow("condensation period of 0 days") << " tT=\"90\""
                                                       << " tT=\"0\"";
    }
    void invalidClimate() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFile example(QStringLiteral(TAVO_SOURCE_DIR "/") + InteriorInsulation);
        QVERIFY(example.open(QIODevice::ReadOnly));
        QString xml = QString::fromUtf8(example.readAll());
        QCOMPARE(xml.count(from), 1);
        const QString path = m_tmp.filePath("invalid-climate.t2p");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(xml.replace(from, to).toUtf8()) > 0);
        file.close();
        const Run text = runCalc({"--strict", path});
        QCOMPARE(text.exitCode, 3);
        QVERIFY2(text.out.contains("  Invalid input!\n  Invalid climate data or period lengths.\n"),
                 text.out.constData());
        const QJsonObject results =
            parseArray(runCalc({"--format", "json", path}).out).at(0)["results"].toObject();
        QCOMPARE(results["calcState"].toInt(), 1);
        QCOMPARE(results["messages"].toArray(), QJsonArray{"Invalid climate data or period lengths."});
        // The dry values are kept as computed: with a surface resistance of 1/0 the total is infinite.
        QCOMPARE(results["R_total_dry"].isNull(), to.startsWith("alpha"));
    }

    // The specified search through every combination gives the same output as the direct one.
    void exhaustiveSearch() {
        QStringList args{"--format", "json", "--frsi", EightLayers, UninsulatedWall};
        for (const QString &example : QDir(QStringLiteral(TAVO_SOURCE_DIR "/examples")).entryList({"*.t2p"}))
            args << "examples/" + example;
        const Run direct = runCalc(args);
        const Run exhaustive = runCalc(QStringList{"--exhaustive"} + args);
        QVERIFY(direct.exitCode == 0 && exhaustive.exitCode == 0 && parseArray(direct.out).size() == 9);
        QCOMPARE(exhaustive.out, direct.out);
    }

    // A calculation over the time limit ends with a message and exit code 2; the project is left
    // out, the others are calculated. 24 layers through every combination take seconds.
    void timeLimit() {
        const QString slow = m_tmp.filePath("slow.t2p");
        QFile file(slow);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(slicedWallProject(24)) > 0);
        file.close();
        const Run run = runCalc({"--exhaustive", "--time-limit", "0.2", "--format", "json", slow, FlatRoof});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err,
                 "tavo2-calc: " + slow + ": The calculation was stopped after the time limit of 0.2 s.\n");
        const QJsonArray array = parseArray(run.out);
        QCOMPARE(array.size(), 1);
        QCOMPARE(array.at(0)["file"].toString(), QString(FlatRoof));
        // The direct search shows at once that no combination is acceptable.
        const Run direct = runCalc({"--time-limit", "5", "--format", "json", slow});
        QCOMPARE(direct.exitCode, 0);
        QCOMPARE(parseArray(direct.out).at(0)["results"]["messages"].toArray().at(0).toString(),
                 QString("No Solution found!"));
    }

    void unreadableFileAmongGoodOnes_data() {
        QTest::addColumn<QByteArray>("content"); // null: the file is not created
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QByteArray garbage = QByteArray::fromHex("89504e470d0a1a0a00ff3c3f786d6c00fe").repeated(200);
        QTest::newRow("missing file") << QByteArray() << "missing.t2p" << QString();
        QTest::newRow("directory") << QByteArray() << "a-directory.t2p" << QString("directory");
        QTest::newRow("garbage bytes") << garbage << "garbage.t2p" << QString();
    }
    void unreadableFileAmongGoodOnes() {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(QString, message);
        const QString path = m_tmp.filePath(name);
        QFile file(path);
        QVERIFY(!name.startsWith("a-directory") || QDir().mkpath(path));
        QVERIFY(content.isNull() ||
                (file.open(QIODevice::WriteOnly) && file.write(content) >= 0 && file.flush()));
        // Only the good files are calculated, in order; the bad one gets one error line.
        const Run mixed = runCalc({"--format", "json", TimberFrame, path, EightLayers});
        QCOMPARE(mixed.exitCode, 2);
        const QJsonArray array = parseArray(mixed.out);
        QCOMPARE(array.size(), 2);
        QCOMPARE(array.at(0).toObject().value("file").toString(), QString(TimberFrame));
        QCOMPARE(array.at(1).toObject().value("file").toString(), QString(EightLayers));
        QCOMPARE(mixed.err.count('\n'), 1);
        QVERIFY2(mixed.err.startsWith("tavo2-calc: " + path + ": ") && mixed.err.contains(message),
                 qPrintable(mixed.err));
    }

    void outputFile() {
        const QString target = m_tmp.filePath("out.json");
        const Run toFile = runCalc({"--format", "json", "-o", target, FlatRoof});
        QVERIFY(toFile.exitCode == 0 && toFile.out.isEmpty());
        QFile written(target);
        QVERIFY(written.open(QIODevice::ReadOnly) && parseArray(written.readAll()).size() == 1);
        // A folder that does not exist: error, nothing written anywhere.
        const QString unwritable = m_tmp.filePath("no-such-folder/out.json");
        const Run failed = runCalc({"--output", unwritable, FlatRoof});
        QCOMPARE(failed.exitCode, 2);
        QVERIFY2(!QFile::exists(unwritable) && failed.err.contains("out.json"), qPrintable(failed.err));
        // Never over one of the projects.
        const QString project = m_tmp.filePath("project.t2p");
        QVERIFY(QFile::copy(QStringLiteral(TAVO_SOURCE_DIR "/") + FlatRoof, project));
        const qint64 size = QFileInfo(project).size();
        QCOMPARE(runCalc({"-o", project, project}).exitCode, 1);
        QCOMPARE(QFileInfo(project).size(), size);
    }

    // PDF reports: written beside the unchanged text output, without a display, one per project in
    // a folder, never half, never over a project file.
    void reports() {
        QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            noDisplay.remove(variable);
        const QString pdf = m_tmp.filePath("reports/timber.pdf");
        QVERIFY(QDir().mkpath(m_tmp.filePath("reports")));
        const Run report = runCalc({"--report", pdf, TimberFrame}, noDisplay);
        QCOMPARE(report.exitCode, 0);
        QVERIFY2(report.err.isEmpty(), qPrintable(report.err));
        QCOMPARE(report.out, runCalc({TimberFrame}).out);
        QCOMPARE(pageCount(pdf), 3);
        QCOMPARE(QDir(m_tmp.filePath("reports")).entryList(QDir::Files), QStringList{"timber.pdf"});

        // A folder is made; each report is named after its project; the frames asked for only.
        const QString folder = m_tmp.filePath("reports/all");
        const QString legacy = QStringLiteral("examples/legacy/wall.tpj");
        const Run all = runCalc(
            {"--report-dir", folder, "--frames", "0-2,11", "--lang", "de", TimberFrame, FlatRoof, legacy});
        QCOMPARE(all.exitCode, 0);
        QCOMPARE(
            QDir(folder).entryList(QDir::Files),
            (QStringList{"timber-frame-wall-vapour-retarder.pdf", "unventilated-flat-roof.pdf", "wall.pdf"}));
        QCOMPARE(pageCount(folder + "/wall.pdf"), 1);

        // Two projects of one name: the second report would replace the first, so it is left out.
        const QString twin = m_tmp.filePath("twin/unventilated-flat-roof.t2p");
        QVERIFY(QDir().mkpath(m_tmp.filePath("twin")) &&
                QFile::copy(QStringLiteral(TAVO_SOURCE_DIR "/") + FlatRoof, twin));
        const Run twins = runCalc({"--report-dir", folder, FlatRoof, twin, TimberFrame});
        QCOMPARE(twins.exitCode, 2);
        QVERIFY2(twins.err.contains(twin) && twins.err.count('\n') == 1, qPrintable(twins.err));
        QCOMPARE(parseArray(runCalc({"--format", "json", "--report-dir", folder, FlatRoof, twin}).out).size(),
                 2);

        // No folder to write into, or no project to report on: nothing is written.
        const QString nowhere = m_tmp.filePath("no-such-folder/r.pdf");
        const Run failed = runCalc({"--report", nowhere, TimberFrame});
        QCOMPARE(failed.exitCode, 2);
        QVERIFY2(failed.err.contains(nowhere) && !QFile::exists(nowhere), qPrintable(failed.err));
        QCOMPARE(runCalc({"--report", pdf, "no-such.t2p"}).exitCode, 2);
        QCOMPARE(pageCount(pdf), 3);
        // Never over a project file.
        const QString project = m_tmp.filePath("reports/project.pdf");
        QVERIFY(QFile::copy(QStringLiteral(TAVO_SOURCE_DIR "/") + FlatRoof, project));
        QCOMPARE(runCalc({"--report", project, project}).exitCode, 1);
        QCOMPARE(runCalc({"--report-dir", m_tmp.filePath("reports"), project}).exitCode, 2);
        QCOMPARE(QFileInfo(project).size(), QFileInfo(QStringLiteral(TAVO_SOURCE_DIR "/") + FlatRoof).size());
    }

    // The listing runs through the real program: built-in materials, then the air material.
    void materialsJson() {
        const Run run = runCalc({"--materials", "--format", "json"});
        QCOMPARE(run.exitCode, 0);
        const QJsonArray list = parseArray(run.out);
        QVERIFY2(list.size() >= 144, qPrintable(run.err));
        QJsonObject brick;
        for (const QJsonValue &m : list)
            if (m["materialId"].toInt() == 493)
                brick = m.toObject();
        QCOMPARE(brick["name"].toString(), QString("Solid clay brick masonry 1800 kg/m3"));
        QCOMPARE(brick["rho"].toDouble(), 1800.0);
        QCOMPARE(brick["lambda"].toDouble(), 0.81);
        QCOMPARE(brick["builtIn"].toBool(), true);
        QCOMPARE(list.at(143)["isAir"].toBool(), true);
        // A second run lists every material in the same colour.
        const QJsonArray again = parseArray(runCalc({"--materials", "--format", "json"}).out);
        QCOMPARE(again.size(), list.size());
        for (int i = 0; i < list.size(); ++i)
            QCOMPARE(again[i]["color"].toString(), list[i]["color"].toString());
    }
};

QTEST_GUILESS_MAIN(tst_BatchProgram)
#include "tst_BatchProgram.moc"
