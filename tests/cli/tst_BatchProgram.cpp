// Runs the real tavo2-calc executable as a script would, on the example projects.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
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
    QByteArray err;
};

// Runs the program in the source folder, so file names stay relative as in the golden files.
Run runCalc(const QStringList &args) {
    QProcess process;
    process.setWorkingDirectory(QStringLiteral(TAVO_SOURCE_DIR));
    process.start(QStringLiteral(TAVO_CALC_EXE), args);
    Run run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        run.err = "did not finish normally";
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QJsonArray parseArray(const QByteArray &json) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray()) {
        qWarning("not a JSON array (%s): %s", qPrintable(error.errorString()), json.left(300).constData());
        return QJsonArray();
    }
    return doc.array();
}

// Field-by-field comparison; numbers within a relative tolerance of 1e-12. Returns the path of
// the first difference with both values, or an empty text.
QString difference(const QJsonValue &actual, const QJsonValue &expected, const QString &path) {
    if (actual.type() != expected.type())
        return QStringLiteral("%1: type %2, expected %3").arg(path).arg(actual.type()).arg(expected.type());
    switch (expected.type()) {
    case QJsonValue::Double: {
        const double a = actual.toDouble();
        const double e = expected.toDouble();
        if (std::fabs(a - e) > 1e-12 * std::max(std::fabs(a), std::fabs(e)))
            return QStringLiteral("%1: %2, expected %3").arg(path).arg(a, 0, 'g', 17).arg(e, 0, 'g', 17);
        return QString();
    }
    case QJsonValue::Array: {
        const QJsonArray a = actual.toArray();
        const QJsonArray e = expected.toArray();
        if (a.size() != e.size())
            return QStringLiteral("%1: %2 elements, expected %3").arg(path).arg(a.size()).arg(e.size());
        for (int i = 0; i < e.size(); ++i) {
            const QString d = difference(a.at(i), e.at(i), QStringLiteral("%1[%2]").arg(path).arg(i));
            if (!d.isEmpty())
                return d;
        }
        return QString();
    }
    case QJsonValue::Object: {
        const QJsonObject a = actual.toObject();
        const QJsonObject e = expected.toObject();
        if (a.keys() != e.keys())
            return QStringLiteral("%1: keys %2, expected %3")
                .arg(path, a.keys().join(QLatin1Char(',')), e.keys().join(QLatin1Char(',')));
        for (const QString &key : e.keys()) {
            const QString d = difference(a.value(key), e.value(key), path + QLatin1Char('.') + key);
            if (!d.isEmpty())
                return d;
        }
        return QString();
    }
    default:
        return actual == expected ? QString() : QStringLiteral("%1: values differ").arg(path);
    }
}

// One CSV line into fields (RFC 4180 quotes).
QStringList csvFields(const QString &line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

// A whole CSV file with a header line into maps from column name to value.
QVector<QMap<QString, QString>> readCsvFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVector<QMap<QString, QString>> rows;
    const QStringList header = csvFields(lines.value(0).trimmed());
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = csvFields(lines.at(i).trimmed());
        QMap<QString, QString> row;
        for (int c = 0; c < header.size(); ++c)
            row[header.at(c)] = fields.value(c);
        rows << row;
    }
    return rows;
}

} // namespace

class tst_BatchProgram : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void goldenJson_data();
    void goldenJson();
    void textOutput_data();
    void textOutput();
    void csvShape();
    void exitCodes_data();
    void exitCodes();
    void missingFileAmongGoodOnes();
    void unreadableFiles_data();
    void unreadableFiles();
    void outputFile();
    void materialsJson();

private:
    QTemporaryDir m_tmp;
};

void tst_BatchProgram::initTestCase() {
    QVERIFY(QFile::exists(QStringLiteral(TAVO_CALC_EXE)));
    QVERIFY(m_tmp.isValid());
}

void tst_BatchProgram::goldenJson_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("golden");
    // Both with condensation: zones, the non-capillary rows, fRsi value and drying reserve.
    QTest::newRow("interior insulation, capillary zone")
        << InteriorInsulation << "interior-insulation-brick-wall.json";
    QTest::newRow("flat roof, non-capillary plane") << FlatRoof << "unventilated-flat-roof.json";
}

void tst_BatchProgram::goldenJson() {
    QFETCH(QString, file);
    QFETCH(QString, golden);
    const Run run = runCalc({"--format", "json", "--frsi", "--drying-reserve", "100", file});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    QFile expectedFile(QStringLiteral(TAVO_TEST_DATA_DIR "/cli/") + golden);
    QVERIFY2(expectedFile.open(QIODevice::ReadOnly), qPrintable(expectedFile.fileName()));
    const QJsonArray expected = parseArray(expectedFile.readAll());
    const QJsonArray actual = parseArray(run.out);
    QCOMPARE(expected.size(), 1);
    const QString d = difference(actual, expected, QStringLiteral("$"));
    QVERIFY2(d.isEmpty(), qPrintable(d));
}

void tst_BatchProgram::textOutput_data() {
    QTest::addColumn<QStringList>("langArgs");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("foreign");
    QTest::newRow("English") << QStringList() << "C"
                             << QStringList{"Construction thickness", "Condensation between layer 2 and 4!",
                                            "Requirement fulfilled", "Drying time in summer tev < 90d"}
                             << QStringList{"Anforderung", "Bauteildicke"};
    QTest::newRow("German") << QStringList{"--lang", "de"} << "de"
                            << QStringList{"Bauteildicke", "Tauwasser zwischen Schicht 2 und 4!",
                                           "Anforderung erfüllt", "Austrocknungszeit"}
                            << QStringList{"Requirement", "Construction thickness"};
}

void tst_BatchProgram::textOutput() {
    QFETCH(QStringList, langArgs);
    QFETCH(QString, locale);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, foreign);

    // The numbers of the text must be those of the JSON output, in the language's format.
    const Run json = runCalc({"--format", "json", InteriorInsulation});
    const QJsonObject results = parseArray(json.out).at(0).toObject().value("results").toObject();
    QVERIFY(!results.isEmpty());
    QLocale numbers(locale);
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);

    const Run run = runCalc(langArgs + QStringList{InteriorInsulation});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    const QString text = QString::fromUtf8(run.out);
    QVERIFY2(text.startsWith(QLatin1String(InteriorInsulation) + QLatin1Char('\n')), qPrintable(text));
    for (const QString &piece : expected)
        QVERIFY2(text.contains(piece), qPrintable(piece + QStringLiteral(" missing in:\n") + text));
    for (const QString &piece : foreign)
        QVERIFY2(!text.contains(piece), qPrintable(piece + QStringLiteral(" should not be in:\n") + text));
    // Plain text: no tags, no entities.
    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("<[A-Za-z/]|&[A-Za-z#][A-Za-z0-9]*;"))),
             qPrintable(text));
    const QString rDry = numbers.toString(results.value("R_dry").toDouble(), 'f', 3);
    const QString mc = numbers.toString(results.value("mc").toDouble(), 'f', 3);
    QVERIFY2(text.contains(
                 QRegularExpression(QStringLiteral("\\s%1 m2K/W\\n").arg(QRegularExpression::escape(rDry)))),
             qPrintable(rDry + QStringLiteral(" missing in:\n") + text));
    QVERIFY2(text.contains(
                 QRegularExpression(QStringLiteral("\\s%1 kg/m2\\n").arg(QRegularExpression::escape(mc)))),
             qPrintable(mc + QStringLiteral(" missing in:\n") + text));
}

void tst_BatchProgram::csvShape() {
    const QStringList files{EightLayers, TimberFrame};
    const Run run = runCalc(QStringList{"--format", "csv"} + files);
    QCOMPARE(run.exitCode, 0);
    const QJsonArray json = parseArray(runCalc(QStringList{"--format", "json"} + files).out);
    QCOMPARE(json.size(), 2);

    const QStringList tables = QString::fromUtf8(run.out).split(QStringLiteral("\n\n"));
    QCOMPARE(tables.size(), 4);
    const QString interfaceHeader = QStringLiteral("file,index,x,T,psat,pv,T_Glaser,psat_Glaser,pv_Glaser");
    const QString layerHeader =
        QStringLiteral("file,index,name,d,R_layers,Z_layers,L_layers,w_left,w_right,sk_Tavo,mc_layers");
    for (int t = 0; t < tables.size(); ++t) {
        const QJsonObject results = json.at(t / 2).toObject().value("results").toObject();
        const int layers = results.value("R_layers").toArray().size();
        const bool interfaces = t % 2 == 0;
        const QStringList lines = tables.at(t).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), interfaces ? interfaceHeader : layerHeader);
        QCOMPARE(lines.size() - 1, interfaces ? layers + 1 : layers);
        const int columns = csvFields(lines.at(0)).size();
        for (int i = 1; i < lines.size(); ++i) {
            const QStringList fields = csvFields(lines.at(i));
            QCOMPARE(fields.size(), columns);
            QCOMPARE(fields.at(0), files.at(t / 2));
            QCOMPARE(fields.at(1), QString::number(i - 1));
            for (int c = interfaces ? 2 : 3; c < columns; ++c) {
                bool ok = false;
                fields.at(c).toDouble(&ok);
                QVERIFY2(ok, qPrintable(lines.at(i)));
            }
        }
        if (interfaces) {
            // The last interface lies at the total thickness; the temperatures are the record's.
            const QStringList last = csvFields(lines.last());
            const double x = last.at(2).toDouble();
            const double d = results.value("d_total").toDouble();
            QVERIFY2(std::fabs(x - d) < 1e-12, qPrintable(QStringLiteral("%1 vs %2").arg(x).arg(d)));
            QCOMPARE(last.at(3).toDouble(), results.value("T").toArray().last().toDouble());
        }
    }
}

void tst_BatchProgram::exitCodes_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("stderrPart"); // empty: standard error must be empty

    QTest::newRow("calculation done") << QStringList{InteriorInsulation, FlatRoof} << 0 << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "";
    QTest::newRow("strict, all fulfilled") << QStringList{"--strict", EightLayers} << 0 << "";
    QTest::newRow("no file") << QStringList{} << 1 << "Usage: tavo2-calc";
    QTest::newRow("unknown option") << QStringList{"--frobnicate", TimberFrame} << 1 << "--frobnicate";
    QTest::newRow("unknown format") << QStringList{"--format", "xml", TimberFrame} << 1 << "xml";
    QTest::newRow("value missing") << QStringList{TimberFrame, "--edition"} << 1 << "--edition";
    QTest::newRow("edition out of range") << QStringList{"--edition", "4", TimberFrame} << 1 << "'4'";
    QTest::newRow("negative drying reserve") << QStringList{"--drying-reserve=-5", TimberFrame} << 1 << "-5";
    QTest::newRow("element not in edition")
        << QStringList{"--min-r-edition", "0", "--min-r-element", "12", TimberFrame} << 1 << "Outer wall";
    QTest::newRow("aw limit without edition 3")
        << QStringList{"--non-capillary-aw", "0.3", TimberFrame} << 1 << "--edition 3";
    QTest::newRow("language without catalogue") << QStringList{"--lang", "xx", TimberFrame} << 1 << "xx";
    QTest::newRow("language identifier with a path")
        << QStringList{"--lang", "../de", TimberFrame} << 1 << "../de";
    QTest::newRow("materials with a file") << QStringList{"--materials", TimberFrame} << 1 << "--materials";
    QTest::newRow("missing file") << QStringList{"no-such-project.t2p"} << 2 << "no-such-project.t2p";
    QTest::newRow("strict, not fulfilled")
        << QStringList{"--strict", EightLayers, UninsulatedWall} << 3 << "";
    QTest::newRow("not fulfilled without strict") << QStringList{UninsulatedWall} << 0 << "";
    QTest::newRow("unreadable file wins over strict")
        << QStringList{"--strict", UninsulatedWall, "no-such-project.t2p"} << 2 << "no-such-project.t2p";
}

void tst_BatchProgram::exitCodes() {
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, stderrPart);
    const Run run = runCalc(args);
    QVERIFY2(run.exitCode == code, qPrintable(QStringLiteral("exit code %1, expected %2; stderr: %3")
                                                  .arg(run.exitCode)
                                                  .arg(code)
                                                  .arg(QString::fromUtf8(run.err))));
    const QString err = QString::fromUtf8(run.err);
    if (stderrPart.isEmpty())
        QVERIFY2(err.isEmpty(), qPrintable(err));
    else
        QVERIFY2(err.contains(stderrPart), qPrintable(err));
    if (code == 1) // a usage error prints the usage and calculates nothing
        QVERIFY(err.contains(QLatin1String("Usage: tavo2-calc")) && run.out.isEmpty());
}

void tst_BatchProgram::missingFileAmongGoodOnes() {
    const Run run = runCalc({"--format", "json", TimberFrame, "missing.t2p", EightLayers});
    QCOMPARE(run.exitCode, 2);
    const QJsonArray array = parseArray(run.out);
    QCOMPARE(array.size(), 2);
    QCOMPARE(array.at(0).toObject().value("file").toString(), QString(TimberFrame));
    QCOMPARE(array.at(1).toObject().value("file").toString(), QString(EightLayers));
    const QStringList errLines = QString::fromUtf8(run.err).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(errLines.size(), 1);
    QVERIFY2(errLines.at(0).startsWith(QLatin1String("tavo2-calc: missing.t2p: ")),
             qPrintable(errLines.at(0)));
}

void tst_BatchProgram::unreadableFiles_data() {
    QTest::addColumn<QByteArray>("content"); // empty with isDir: a directory
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    QByteArray garbage(4096, '\0');
    QRandomGenerator random(4108);
    for (char &c : garbage)
        c = static_cast<char>(random.bounded(256));
    QFile example(QStringLiteral(TAVO_SOURCE_DIR "/") + InteriorInsulation);
    QVERIFY(example.open(QIODevice::ReadOnly));
    const QByteArray project = example.readAll();
    QByteArray noLayers = project;
    noLayers.replace(noLayers.indexOf("<Construction>"),
                     noLayers.indexOf("</Construction>") + 15 - noLayers.indexOf("<Construction>"),
                     "<Construction/>");

    QTest::newRow("directory") << QByteArray() << "a-directory.t2p"
                               << "directory";
    QTest::newRow("garbage bytes") << garbage << "garbage.t2p"
                                   << "";
    QTest::newRow("empty file") << QByteArray("") << "empty.t2p"
                                << "";
    QTest::newRow("truncated project") << project.left(project.size() / 2) << "truncated.t2p"
                                       << "";
    QTest::newRow("no layers") << noLayers << "no-layers.t2p"
                               << "doesn't contain any layers";
}

void tst_BatchProgram::unreadableFiles() {
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QFETCH(QString, message);
    const QString path = m_tmp.filePath(name);
    if (name.startsWith(QLatin1String("a-directory"))) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    // Text output of the bad file alone is empty; with a good file only the good one shows.
    const Run alone = runCalc({path});
    QCOMPARE(alone.exitCode, 2);
    QCOMPARE(alone.out, QByteArray());
    const QString err = QString::fromUtf8(alone.err);
    QVERIFY2(err.startsWith(QStringLiteral("tavo2-calc: %1: ").arg(path)), qPrintable(err));
    QVERIFY2(err.contains(message), qPrintable(err));

    const Run mixed = runCalc({"--format", "json", path, EightLayers});
    QCOMPARE(mixed.exitCode, 2);
    const QJsonArray array = parseArray(mixed.out);
    QCOMPARE(array.size(), 1);
    QCOMPARE(array.at(0).toObject().value("file").toString(), QString(EightLayers));
}

void tst_BatchProgram::outputFile() {
    const QString target = m_tmp.filePath("out.json");
    const Run toFile = runCalc({"--format", "json", "-o", target, FlatRoof});
    QCOMPARE(toFile.exitCode, 0);
    QCOMPARE(toFile.out, QByteArray());
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), runCalc({"--format", "json", FlatRoof}).out);

    // A folder that does not exist: error, nothing written anywhere.
    const QString unwritable = m_tmp.filePath("no-such-folder/out.json");
    const Run failed = runCalc({"--output", unwritable, FlatRoof});
    QCOMPARE(failed.exitCode, 2);
    QVERIFY(!QFile::exists(unwritable));
    QVERIFY2(failed.err.contains("out.json"), failed.err.constData());

    // Never over one of the projects.
    const QString project = m_tmp.filePath("project.t2p");
    QVERIFY(QFile::copy(QStringLiteral(TAVO_SOURCE_DIR "/") + FlatRoof, project));
    const Run clash = runCalc({"-o", project, project});
    QCOMPARE(clash.exitCode, 1);
    QFile original(QStringLiteral(TAVO_SOURCE_DIR "/") + FlatRoof);
    QFile copy(project);
    QVERIFY(original.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), original.readAll());
}

void tst_BatchProgram::materialsJson() {
    const Run run = runCalc({"--materials", "--format", "json"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    const QJsonArray materials = parseArray(run.out);
    const QVector<QMap<QString, QString>> csv =
        readCsvFile(QStringLiteral(TAVO_SOURCE_DIR "/resources/materials.csv"));
    QCOMPARE(csv.size(), 143);
    // The built-in materials, then the generated air material; the scratch home has no user file.
    QCOMPARE(materials.size(), csv.size() + 1);
    QVERIFY(materials.last().toObject().value("isAir").toBool());

    QHash<int, QJsonObject> byId;
    for (const QJsonValue &value : materials) {
        const QJsonObject m = value.toObject();
        QCOMPARE(m.value("builtIn").toBool(), true);
        byId.insert(m.value("materialId").toInt(), m);
    }
    // CSV column -> JSON attribute of the project file's material element.
    const QList<QPair<QString, QString>> numbers = {
        {"rho", "rho"},           {"lambda", "lambda"}, {"mu", "mu"},       {"mu_min", "mu_min"},
        {"mu_max", "mu_max"},     {"w_80", "w_80"},     {"w_sat", "w_sat"}, {"Aw", "m_Aw"},
        {"sd_value", "sd_value"}, {"category", "cat"}};
    const QList<QPair<QString, QString>> flags = {
        {"is_air", "isAir"}, {"is_wood", "isWood"}, {"is_wood_based", "isWoodbased"}, {"is_foil", "isFoil"}};
    for (const auto &row : csv) {
        const int id = row.value("id").toInt();
        QVERIFY2(byId.contains(id), qPrintable(QStringLiteral("material %1 not listed").arg(id)));
        const QJsonObject m = byId.value(id);
        QCOMPARE(m.value("name").toString(), row.value("name_en"));
        for (const auto &column : numbers) {
            const double expected = row.value(column.first).toDouble();
            const double actual = m.value(column.second).toDouble();
            QVERIFY2(actual == expected, qPrintable(QStringLiteral("material %1 %2: %3, CSV %4")
                                                        .arg(id)
                                                        .arg(column.second)
                                                        .arg(actual, 0, 'g', 17)
                                                        .arg(expected, 0, 'g', 17)));
        }
        for (const auto &flag : flags)
            QCOMPARE(m.value(flag.second).toBool(), row.value(flag.first) == QLatin1String("1"));
    }

    // With a language the names follow it.
    const QJsonArray german = parseArray(runCalc({"--materials", "--format", "json", "--lang", "de"}).out);
    QCOMPARE(german.size(), materials.size());
    for (int i = 0; i < csv.size(); ++i) {
        const QJsonObject m = german.at(i).toObject();
        const int id = m.value("materialId").toInt();
        for (const auto &row : csv)
            if (row.value("id").toInt() == id)
                QCOMPARE(m.value("name").toString(), row.value("name_de"));
    }
}

QTEST_GUILESS_MAIN(tst_BatchProgram)
#include "tst_BatchProgram.moc"
