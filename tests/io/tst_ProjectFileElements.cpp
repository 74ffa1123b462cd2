#include <QtTest>

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "InputData.h"
#include "ProjectInformation.h"

namespace {

const QString ValidColor = QStringLiteral("10 20 30");

// A complete, valid material element; \a extra replaces or adds attributes by name.
QString materialXml(const QMap<QString, QString> &extra = {}, const QStringList &omit = {}) {
    QMap<QString, QString> a{{"name", "Kalkputz"}, {"materialId", "100"}, {"cat", "1"},     {"rho", "1800"},
                             {"lambda", "1"},      {"mu", "15"},          {"mu_min", "15"}, {"mu_max", "35"},
                             {"w_80", "0.01"},     {"w_sat", "0.28"},     {"m_Aw", "0.06"}, {"sd_value", "0"},
                             {"color", ValidColor}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        a[it.key()] = it.value();
    QString xml = "<Material";
    for (auto it = a.begin(); it != a.end(); ++it)
        if (!omit.contains(it.key()))
            xml += QString(" %1=\"%2\"").arg(it.key(), it.value());
    return xml + "/>";
}

QString layerXml(const QString &index, const QString &d, const QString &material) {
    QString attrs;
    if (!index.isNull())
        attrs += QString(" index=\"%1\"").arg(index);
    if (!d.isNull())
        attrs += QString(" d=\"%1\"").arg(d);
    return QString("<Layer%1>%2</Layer>").arg(attrs, material);
}

QString namedLayer(int index, const QString &name, const QString &d = "0.1") {
    return layerXml(QString::number(index), d, materialXml({{"name", name}}));
}

QString construction(const QString &layers) {
    return "<Construction>" + layers + "</Construction>";
}

// One layer of index 0 and width 0.1 whose material has the attributes \a extra, without \a omit.
QString oneLayer(const QMap<QString, QString> &extra, const QStringList &omit = {}) {
    return construction(layerXml("0", "0.1", materialXml(extra, omit)));
}

const QString Din2014Climate =
    "<Climate><Interior T_i=\"20\" rh_i=\"50\" alpha_i=\"4\" T_i_summer=\"14.9429\" rh_i_summer=\"70.5882\"/>"
    "<Exterior T_e=\"-5\" rh_e=\"80\" alpha_e=\"25\" T_e_summer=\"14.9429\" "
    "rh_e_summer=\"70.5882\"/></Climate>"
    "<Options tT=\"90\" tT_summer=\"90\"/>";

// Reads an InputData element; returns the reader's error string (empty on success).
QString readInputDataXml(const QString &xml, InputData &data) {
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement())
        return "no start element";
    const bool ok = data.readXML(reader);
    if (ok == reader.hasError())
        return "result and reader disagree";
    return reader.hasError() ? reader.errorString() : QString();
}

QString readInputData(const QString &inner, InputData &data) {
    return readInputDataXml("<InputData>" + inner + "</InputData>", data);
}

QString writeInputData(const InputData &data) {
    QString text;
    QXmlStreamWriter writer(&text);
    data.writeXML(writer);
    return text;
}

QStringList layerNames(const InputData &data) {
    QStringList names;
    for (const MaterialLayer &l : data.layers())
        names << l.name;
    return names;
}

} // namespace

class tst_ProjectFileElements : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void layerOrder_data();
    void layerOrder();
    void inputErrorState_data();
    void inputErrorState();
    void invalidNumbers_data();
    void invalidNumbers();
    void colours_data();
    void colours();
    void numberFormat_data();
    void numberFormat();
    void climateReading();
    void projectInformation_data();
    void projectInformation();
    void textsThatXmlCannotCarry();
};

void tst_ProjectFileElements::initTestCase() {
    // A German default locale would give "0,365" if a conversion used it.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void tst_ProjectFileElements::layerOrder_data() {
    QTest::addColumn<QString>("layers");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<double>("firstWidth");
    QTest::newRow("index order 2,0,1")
        << namedLayer(2, "C") + namedLayer(0, "A") + namedLayer(1, "B") << QStringList{"A", "B", "C"} << 0.1;
    QTest::newRow("duplicate key keeps the first")
        << namedLayer(0, "A", "0.2") + namedLayer(0, "A", "0.3") + namedLayer(1, "B") << QStringList{"A", "B"}
        << 0.2;
    QTest::newRow("same index sorted by name, code units")
        << namedLayer(0, "a") + namedLayer(0, "Z") + namedLayer(0, QString::fromUtf8("Ä"))
        << QStringList{"Z", "a", QString::fromUtf8("Ä")} << 0.1;
    QTest::newRow("missing index counts as 0")
        << namedLayer(1, "B") + layerXml(QString(), "0.1", materialXml({{"name", "A"}}))
        << QStringList{"A", "B"} << 0.1;
    QTest::newRow("unknown children skipped")
        << "<Note><Layer index=\"0\" d=\"1\"/></Note>" + namedLayer(0, "A") << QStringList{"A"} << 0.1;
    QTest::newRow("empty name reads as Unknown") << namedLayer(0, "") << QStringList{"Unknown"} << 0.1;
    // The width in the file wins over sd / mu, so a saved project reads back unchanged.
    QTest::newRow("foil keeps the width of the file")
        << layerXml("0", "0.000333333", materialXml({{"sd_value", "1"}, {"mu", "3000"}}))
        << QStringList{"Kalkputz"} << 0.000333333;
}

void tst_ProjectFileElements::layerOrder() {
    QFETCH(QString, layers);
    QFETCH(QStringList, names);
    QFETCH(double, firstWidth);
    InputData data;
    QCOMPARE(readInputData(construction(layers) + Din2014Climate, data), QString());
    QCOMPARE(layerNames(data), names);
    QVERIFY2(qAbs(data.layers().first().width() - firstWidth) < 1e-12,
             qPrintable(QString("width %1, expected %2").arg(data.layers().first().width()).arg(firstWidth)));
}

void tst_ProjectFileElements::inputErrorState_data() {
    QTest::addColumn<QString>("inner");
    QTest::addColumn<int>("errorState");
    QTest::newRow("valid") << construction(namedLayer(0, "A")) + Din2014Climate << 0;
    QTest::newRow("layer without d") << construction(layerXml("0", QString(), materialXml())) + Din2014Climate
                                     << 1;
    QTest::newRow("cat 13") << oneLayer({{"cat", "13"}}) + Din2014Climate << 2;
    QTest::newRow("without cat") << oneLayer({}, {"cat"}) + Din2014Climate << 2;
    QTest::newRow("alpha_i 0") << "<Climate><Interior T_i=\"20\" rh_i=\"50\" alpha_i=\"0\"/></Climate>" << 3;
    QTest::newRow("T_e below -40") << "<Climate><Exterior T_e=\"-40.5\"/></Climate>" << 3;
    QTest::newRow("tT 0") << "<Options tT=\"0\" tT_summer=\"90\"/>" << 3;
}

void tst_ProjectFileElements::inputErrorState() {
    QFETCH(QString, inner);
    QFETCH(int, errorState);
    InputData data;
    QCOMPARE(readInputData(inner, data), QString());
    QCOMPARE(data.errorState(), errorState);
}

void tst_ProjectFileElements::invalidNumbers_data() {
    QTest::addColumn<QString>("inner");
    QTest::addColumn<QString>("attribute");
    QTest::newRow("d nan") << construction(namedLayer(0, "A", "nan")) << "d";
    QTest::newRow("d 1e999") << construction(namedLayer(0, "A", "1e999")) << "d";
    QTest::newRow("d decimal comma") << construction(namedLayer(0, "A", "0,1")) << "d";
    QTest::newRow("lambda -inf") << oneLayer({{"lambda", "-inf"}}) << "lambda";
    QTest::newRow("rho empty") << oneLayer({{"rho", ""}}) << "rho";
    QTest::newRow("index not an integer") << construction(layerXml("1.5", "0.1", materialXml())) << "index";
    QTest::newRow("isFoil text") << oneLayer({{"isFoil", "yes"}}) << "isFoil";
    QTest::newRow("alpha_e nan") << "<Climate><Exterior alpha_e=\"NaN\"/></Climate>"
                                 << "alpha_e";
    QTest::newRow("tT_summer inf") << "<Options tT=\"90\" tT_summer=\"INF\"/>"
                                   << "tT_summer";
}

void tst_ProjectFileElements::invalidNumbers() {
    QFETCH(QString, inner);
    QFETCH(QString, attribute);
    InputData data;
    QCOMPARE(readInputData(inner, data), QString("Invalid value for attribute '%1'.").arg(attribute));
    for (const MaterialLayer &l : data.layers())
        QVERIFY(std::isfinite(l.width()));
}

void tst_ProjectFileElements::colours_data() {
    QTest::addColumn<QString>("color");
    QTest::addColumn<bool>("ok");
    QTest::newRow("three numbers") << "10 20 30" << true;
    QTest::newRow("only two numbers") << "10 20" << false;
    QTest::newRow("two blanks") << "10  20 30" << false;
    QTest::newRow("four numbers") << "10 20 30 40" << false;
    QTest::newRow("not a number") << "10 x 30" << false;
    QTest::newRow("channel above 255") << "256 0 0" << false;
    QTest::newRow("negative channel") << "0 -1 0" << false;
}

void tst_ProjectFileElements::colours() {
    QFETCH(QString, color);
    QFETCH(bool, ok);
    InputData data;
    const QString error = readInputData(oneLayer({{"color", color}}), data);
    QCOMPARE(error, ok ? QString() : QString("Invalid encoding '%1' of material color.").arg(color));
    if (ok)
        QCOMPARE(data.layers().first().color, QColor(10, 20, 30));
}

void tst_ProjectFileElements::numberFormat_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.365") << 0.365 << "0.365";
    QTest::newRow("1e-05") << 1e-5 << "1e-05";
    QTest::newRow("2100") << 2100.0 << "2100";
    QTest::newRow("1234567") << 1234567.0 << "1.23457e+06";
    QTest::newRow("0.1234567") << 0.1234567 << "0.123457";
}

void tst_ProjectFileElements::numberFormat() {
    QFETCH(double, value);
    QFETCH(QString, text);
    // The layer width, through the writer.
    InputData data;
    Material m("M", MaterialCategory(MaterialCategory::Insulation), "", "", "", "", 1, 1, 1, 0.1, 0.2, 0, 1);
    data.layers().append(MaterialLayer(m, value));
    const QString xml = writeInputData(data);
    QVERIFY2(xml.contains(QString("d=\"%1\"").arg(text)), qPrintable(xml));
}

void tst_ProjectFileElements::climateReading() {
    // Values of DIN 4108-3 2014 read back as that type; the summer surface resistances are not in
    // the file and keep those of new input data.
    InputData data;
    QCOMPARE(readInputData(Din2014Climate, data), QString());
    const AssessmentConditions &ac = data.assessmentConditions();
    QCOMPARE(ac.assessmentType(), 2);
    QCOMPARE(ac.interiorSummerClimate().surfaceResistance(), 0.25);
    QCOMPARE(ac.exteriorSummerClimate().surfaceResistance(), 0.04);

    // A climate written under DIN 4108-3 2001 (Rsi 0.13) reads back as custom.
    AssessmentConditions din2001(AssessmentConditions::DIN4108_2001);
    QString text;
    QXmlStreamWriter writer(&text);
    din2001.writeClimateXML(writer);
    din2001.writeOptionsXML(writer);
    InputData back;
    QCOMPARE(readInputData(text, back), QString());
    QCOMPARE(back.assessmentConditions().assessmentType(), 0);
    QVERIFY(back.assessmentConditions() == din2001);
}

void tst_ProjectFileElements::projectInformation_data() {
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("direction");
    const QString invalid = "Invalid value for element 'HeatFlowDirection'.";
    QTest::newRow("downwards") << "<HeatFlowDirection>1</HeatFlowDirection>" << QString() << 1;
    QTest::newRow("missing keeps the value")
        << "<Other><HeatFlowDirection>0</HeatFlowDirection></Other>" << QString() << 2;
    QTest::newRow("out of range") << "<HeatFlowDirection>3</HeatFlowDirection>" << invalid << 2;
    QTest::newRow("not a number") << "<HeatFlowDirection>up</HeatFlowDirection>" << invalid << 2;
}

void tst_ProjectFileElements::projectInformation() {
    QFETCH(QString, xml);
    QFETCH(QString, error);
    QFETCH(int, direction);
    QXmlStreamReader reader("<ProjectInformation><ProjectName>Haus &amp; Hof</ProjectName>" + xml +
                            "</ProjectInformation>");
    QVERIFY(reader.readNextStartElement());
    ProjectInformation info;
    QCOMPARE(info.readXML(reader), error.isEmpty());
    QCOMPARE(reader.hasError() ? reader.errorString() : QString(), error);
    QCOMPARE(info.HeatFlowDirection, direction);
    QCOMPARE(info.ProjectName, QString("Haus & Hof"));
}

void tst_ProjectFileElements::textsThatXmlCannotCarry() {
    // Control characters and non-characters would make the file unreadable: the writer drops them.
    ProjectInformation info;
    info.Description = QString("A") + QChar(0x01) + "B" + QChar(0xFFFF) + "C\n";
    info.DisclaimerText = QString::fromUtf8("Grüße \xF0\x9F\x8F\xA0");
    QString text;
    QXmlStreamWriter writer(&text);
    info.writeXML(writer);
    QXmlStreamReader reader(text);
    QVERIFY(reader.readNextStartElement());
    ProjectInformation back;
    QVERIFY2(back.readXML(reader), qPrintable(reader.errorString()));
    QCOMPARE(back.Description, QString("ABC\n"));
    QCOMPARE(back.DisclaimerText, info.DisclaimerText);
}

QTEST_GUILESS_MAIN(tst_ProjectFileElements)
#include "tst_ProjectFileElements.moc"
