// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <limits>

#include "Calculation.h"
#include "T2_ResultsWidget.h"
#include "VaDar_Table.h"

namespace {

CalculationResults results(int calcState, const QStringList &messages = {"m1", "m2"}) {
    CalculationResults r;
    r.calcState = calcState;
    r.messages = messages;
    return r;
}

const auto red = [](const QString &t) { return "<font color=\"#FF0000\">" + t + "</font>"; };
const auto blue = [](const QString &t) { return "<font color=\"#0000FF\">" + t + "</font>"; };

} // namespace

class tst_T2_ResultsWidget : public QObject {
    Q_OBJECT
private slots:
    void tableAndErrors() {
        QLocale c(QLocale::C);
        c.setNumberOptions(QLocale::OmitGroupSeparator);
        QLocale::setDefault(c);
        const Material m("M", MaterialCategory(MaterialCategory::Concrete), "", "", "", "", 2000, 1.5, 50,
                         0.02, 0.2, 0.01, 1);
        InputData input;
        input.layers() = {MaterialLayer(m, 0.1), MaterialLayer(m, 0.24), MaterialLayer(m, 0.016)};
        CalculationResults r = results(7);
        r.R_dry = 2.5;
        r.U = 0.4123;
        r.mc = 0.0126;
        r.t_dry = 20 * 24 * 3600.0;
        T2_ResultsWidget w;
        w.setResults(input, r);
        VaDar::Table table;
        w.setupTable(table, 500);
        QCOMPARE(table.rowCount(), 8u);
        QStringList values; // numbers and units
        for (unsigned row = 0; row < 8; ++row)
            values << table.cell(1, row).text() + ' ' + table.cell(2, row).text();
        QCOMPARE(values, QStringList({"0.356 m", "2.500 m<sup>2</sup>K/W", " ", "0.375 W/(m<sup>2</sup>K)",
                                      "0.412 W/(m<sup>2</sup>K)", " ", "0.013 kg/m<sup>2</sup>", "20.00 d"}));
        QCOMPARE(table.cell(0, 5).text(), blue("No condensate emerges!"));
        // numbers right-aligned before their units
        QCOMPARE(table.cell(1, 0).alignment(), Qt::AlignRight | Qt::AlignVCenter);
        // heading and verdict span all three columns
        QCOMPARE(int(table.mergedRegions().size()), 2);
        for (const auto &g : table.mergedRegions())
            QVERIFY((g.firstRow == 2 || g.firstRow == 5) && g.firstCol == 0 && g.lastCol == 2);
        // an empty project has nothing to add up and says so
        w.setResults(InputData(), results(0));
        QVERIFY(!w.showsInputErrors());
        w.setupTable(table, 400);
        QCOMPARE(table.cell(1, 0).text() + table.cell(0, 5).text(), "0.000" + red("No input!"));
        // invalid input shows only the errors
        w.setResults(input, results(1, {"Layer #1 has an invalid width.", "second line"}));
        QVERIFY(w.showsInputErrors());
        QCOMPARE(w.inputErrorText(),
                 red("Invalid input!") + "<br/>Layer #1 has an invalid width.<br/>second line");
    }

    // Below the summary: per procedure a heading with its verdict, the standard procedure's own
    // condensate mass (the summary shows only the zones'), and the lines that fail, in red.
    void verdicts() {
        QLocale c(QLocale::C);
        c.setNumberOptions(QLocale::OmitGroupSeparator);
        QLocale::setDefault(c);
        const Material m("M", MaterialCategory(MaterialCategory::Concrete), "", "", "", "", 2000, 1.5, 50,
                         0.02, 0.2, 0.01, 1); // capillary: 0.6 kg/(m²·h^0.5)
        InputData input;
        input.layers() = {MaterialLayer(m, 0.1), MaterialLayer(m, 0.24), MaterialLayer(m, 0.016)};
        CalculationResults r = results(9);
        r.zones = {{0, 1}};
        r.R_dry = 2.5;
        r.mc_0 = r.mc = 0.439;
        r.mev = 0.5;
        r.t_dry = 17 * 86400.0;
        r.glaserCase = CalculationResults::GC_OnePlane;
        r.condRanges_Glaser = {{1, 1}};
        r.mc_Glaser = 1.6451;
        r.mev_Glaser = 2.5;
        T2_ResultsWidget w;
        w.setResults(input, r);
        const auto lines = [&w]() {
            VaDar::Table table;
            w.setupVerdictTable(table, 600);
            QStringList lines;
            for (unsigned row = 0; row < table.rowCount(); ++row) {
                bool spans = false;
                for (const auto &g : table.mergedRegions())
                    spans = spans || (g.firstRow == row && g.firstCol == 0 && g.lastCol == 1);
                lines << table.cell(0, row).text() + (spans ? QString() : " | " + table.cell(1, row).text());
            }
            return lines;
        };
        const QString yes = "<b>Requirement fulfilled</b>";
        const QString no = "<font color=\"#FF0000\"><b>Requirement not fulfilled</b></font>";
        const QString zones = "<b>DIN 4108-3 by the condensation zone calculation</b> | ";
        const QString standard = "<b>DIN 4108-3 by the standard procedure (Glaser period balance)</b> | ";
        QCOMPARE(lines(), QStringList({zones + yes, standard + no,
                                       "Condensation mass after condensation period | 1.645 kg/m<sup>2</sup>",
                                       red("DIN 4108-3 (Glaser period balance) M<sub>c</sub> &lt;= "
                                           "1.0kg/m<sup>2</sup>")}));
        // The window's settings judge, but the drying reserve of DIN 68800-2 is no DIN 4108-3 line.
        AssessmentSettings settings;
        settings.m_dryingReserve = 0.1;
        settings.m_accordanceType = AssessmentSettings::DIN4108_3_2014;
        w.setAssessmentSettings(settings);
        QCOMPARE(lines().at(0), zones + yes);
        r.t_dry = 91 * 86400.0;
        r.mc_Glaser = 0.9;
        r.mev_Glaser = 0.8;
        w.setResults(input, r);
        QCOMPARE(lines(),
                 QStringList({zones + no, red("Drying time in summer t<sub>ev</sub> &lt; 90d"), standard + no,
                              "Condensation mass after condensation period | 0.900 kg/m<sup>2</sup>",
                              red("DIN 4108-3 (Glaser period balance) M<sub>ev</sub> &gt;= "
                                  "M<sub>c</sub>")}));
        // Without condensation in the standard procedure there is no mass to show.
        r.glaserCase = CalculationResults::GC_NoCondensation;
        r.condRanges_Glaser.clear();
        w.setResults(input, r);
        QCOMPARE(lines().mid(2), QStringList({standard + yes}));
        // The panel asks for the height it paints.
        w.resize(400, 100);
        QVERIFY(w.minimumSizeHint().height() > 200);
    }

    // A surface resistance of 1/0 (heat transfer coefficient 0) or a condensation period of 0 days
    // is invalid input, shown as such, not as a failure of the calculation.
    void invalidClimate_data() {
        QTest::addColumn<int>("change");
        QTest::newRow("heat transfer coefficient 0 inside") << 0;
        QTest::newRow("heat transfer coefficient 0 outside") << 1;
        QTest::newRow("condensation period of 0 days") << 2;
    }
    void invalidClimate() {
        QFETCH(int, change);
        const Material m("M", MaterialCategory(MaterialCategory::Concrete), "", "", "", "", 2000, 1.5, 50,
                         0.02, 0.2, 0.01, 1);
        InputData input;
        input.layers() = {MaterialLayer(m, 0.1), MaterialLayer(m, 0.24)};
        AssessmentConditions &ac = input.assessmentConditions();
        const ClimateCondition c = change == 0 ? ac.interiorClimate() : ac.exteriorClimate();
        const ClimateCondition noTransfer(c.temperature(), c.relativeHumidity(),
                                          std::numeric_limits<double>::infinity());
        if (change == 0)
            ac.setInteriorClimate(noTransfer);
        else if (change == 1)
            ac.setExteriorClimate(noTransfer);
        else
            QVERIFY(ac.setCondensationTime(0));
        input.check();
        Calculation calculation;
        calculation.calculate(input, HeatFlowDirection::Horizontal);
        T2_ResultsWidget w;
        w.setResults(input, calculation.results());
        QVERIFY(w.showsInputErrors());
        QCOMPARE(w.inputErrorText(), red("Invalid input!") + "<br/>Invalid climate data or period lengths.");
    }
};

QTEST_MAIN(tst_T2_ResultsWidget)
#include "tst_T2_ResultsWidget.moc"
