// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "InputData.h"
#include "ProjectInformation.h"

namespace {

// A layer of index 0 and width 0.1 with a complete, valid material, with \a from replaced by \a to.
const QString Layer =
    "<Layer index=\"0\" d=\"0.1\"><Material name=\"Kalkputz\" cat=\"1\" rho=\"1800\" lambda=\"1\" "
    "mu=\"15\" mu_max=\"35\" w_80=\"0.01\" w_sat=\"0.28\" m_Aw=\"0.06\" color=\"10 20 30\"/></Layer>";
QString layer(const QString &from = "Kalkputz", const QString &to = "Kalkputz") {
    return QString(Layer).replace(from, to);
}

QString named(int index, const QString &name, const QString &d = "0.1") {
    return layer("index=\"0\" d=\"0.1\"", QString("index=\"%1\" d=\"%2\"").arg(index).arg(d))
        .replace("Kalkputz", name);
}

const QString Din2014Climate =
    "<Climate><Interior T_i=\"20\" rh_i=\"50\" alpha_i=\"4\" T_i_summer=\"14.9429\" rh_i_summer=\"70.5882\"/>"
    "<Exterior T_e=\"-5\" rh_e=\"80\" alpha_e=\"25\" T_e_summer=\"14.9429\" "
    "rh_e_summer=\"70.5882\"/></Climate>"
    "<Options tT=\"90\" tT_summer=\"90\"/>";

// Reads an InputData element around \a inner; returns the reader's error string (empty on success).
QString readInputData(const QString &inner, InputData &data) {
    QXmlStreamReader reader("<InputData>" + inner + "</InputData>");
    reader.readNextStartElement();
    if (data.readXML(reader) == reader.hasError())
        return "result and reader disagree";
    return reader.hasError() ? reader.errorString() : QString();
}

} // namespace

class tst_ProjectFileElements : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // A German default locale would read "0,1" if a conversion used it.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void reading_data() {
        // Layers alone are read with the DIN 4108-3 2014 climate. The outcome is the reader's error,
        // or the error state followed by the name and width of each layer.
        QTest::addColumn<QString>("inner");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char *name, const QString &inner, const QString &outcome) {
            QTest::newRow(name) << inner << outcome;
        };
        const QString bad = "Invalid value for attribute '%1'.";
        row("index order 2,0,1", named(2, "C") + named(0, "A") + named(1, "B"), "0: A 0.1, B 0.1, C 0.1");
        row("duplicate key keeps the first", named(0, "A", "0.2") + named(0, "A", "0.3") + named(1, "B"),
            "0: A 0.2, B 0.1");
        row("same index sorted by name, code units", named(0, "a") + named(0, "Z") + named(0, "Ä"),
            "0: Z 0.1, a 0.1, Ä 0.1");
        row("missing index counts as 0", named(1, "B") + named(0, "A").remove("index=\"0\" "),
            "0: A 0.1, B 0.1");
        row("unknown children skipped", named(0, "A") + "<Note><Layer index=\"0\" d=\"1\"/></Note>",
            "0: A 0.1");
        row("empty name reads as Unknown", named(0, ""), "0: Unknown 0.1");
        // The width in the file wins over sd / mu, so a saved project reads back unchanged.
        row("foil keeps its width",
            named(0, "F", "0.000333333").replace("mu=\"15\"", "sd_value=\"1\" mu=\"3000\""),
            "0: F 0.000333333");
        row("layer without d", layer(" d=\"0.1\"", ""), "1: Kalkputz 0");
        row("cat 13", layer("cat=\"1\"", "cat=\"13\""), "2: Kalkputz 0.1");
        row("without cat", layer("cat=\"1\" ", ""), "2: Kalkputz 0.1");
        row("alpha_i 0", "<Climate><Interior T_i=\"20\" rh_i=\"50\" alpha_i=\"0\"/></Climate>", "3: ");
        row("tT 0", "<Options tT=\"0\" tT_summer=\"90\"/>", "3: ");
        row("d nan", named(0, "A", "nan"), bad.arg("d"));
        row("d 1e999", named(0, "A", "1e999"), bad.arg("d"));
        row("d decimal comma", named(0, "A", "0,1"), bad.arg("d"));
        row("lambda -inf", layer("lambda=\"1\"", "lambda=\"-inf\""), bad.arg("lambda"));
        row("rho empty", layer("1800", ""), bad.arg("rho"));
        row("index not an integer", layer("index=\"0\"", "index=\"1.5\""), bad.arg("index"));
        row("isFoil text", layer("/>", " isFoil=\"yes\"/>"), bad.arg("isFoil"));
        row("alpha_e nan", "<Climate><Exterior alpha_e=\"NaN\"/></Climate>", bad.arg("alpha_e"));
        for (const char *c : {"10 20", "10  20 30", "10 x 30", "256 0 0", "0 -1 0"})
            row(c, layer("10 20 30", c), QString("Invalid encoding '%1' of material color.").arg(c));
    }

    void reading() {
        QFETCH(QString, inner);
        if (inner.startsWith("<Layer"))
            inner = "<Construction>" + inner + "</Construction>" + Din2014Climate;
        InputData data;
        const QString error = readInputData(inner, data);
        QStringList layers;
        for (const MaterialLayer &l : data.layers()) {
            QVERIFY(std::isfinite(l.width()));
            layers << l.name + " " + QString::number(l.width());
        }
        QTEST(error.isEmpty() ? QString("%1: %2").arg(data.errorState()).arg(layers.join(", ")) : error,
              "outcome");
    }

    void zeroSurfaceResistanceReadsBack() {
        // First-generation files may hold a surface resistance of 0; a saved copy must open again
        // with that 0, which the input check then refuses as before.
        InputData data;
        const ClimateCondition &outside = data.assessmentConditions().exteriorClimate();
        data.assessmentConditions().setExteriorClimate(ClimateCondition(
            outside.temperature(), outside.relativeHumidity(), 0, outside.kind(), outside.isOutside()));
        QString text;
        QXmlStreamWriter writer(&text);
        data.writeXML(writer);
        QXmlStreamReader reader(text);
        reader.readNextStartElement();
        InputData back;
        QVERIFY2(back.readXML(reader), qPrintable(reader.errorString()));
        QCOMPARE(back.assessmentConditions().exteriorClimate().surfaceResistance(), 0.0);
    }

    void textsThatXmlCannotCarry() {
        // Control characters and non-characters would make the file unreadable: the writer drops them.
        ProjectInformation info;
        info.Description = QString("A") + QChar(0x01) + "B" + QChar(0xFFFF) + "C\n";
        info.DisclaimerText = QString::fromUtf8("Grüße \xF0\x9F\x8F\xA0");
        QString text;
        QXmlStreamWriter writer(&text);
        info.writeXML(writer);
        QXmlStreamReader reader(text);
        reader.readNextStartElement();
        ProjectInformation back;
        QVERIFY2(back.readXML(reader), qPrintable(reader.errorString()));
        QVERIFY(back.Description == "ABC\n" && back.DisclaimerText == info.DisclaimerText);
    }
};

QTEST_GUILESS_MAIN(tst_ProjectFileElements)
#include "tst_ProjectFileElements.moc"
