// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QProgressDialog>
#include <QPushButton>
#include <QTranslator>

#include "../calculation/CalculationTestHelpers.h"
#include "CalculationControl.h"
#include "CalculationProgressDialog.h"
#include "Directories.h"
#include "ResultsSummary.h"

using namespace TestMaterials;

namespace {

// 24 layers that condense only in front of a layer without water uptake: no combination of
// planes is acceptable, and the search through every combination runs for a minute or more.
InputData longCalculation() {
    TestLayers layers{{gypsumBoard, 0.0125}};
    for (int i = 0; i < 21; ++i)
        layers.append({mineralWool, 0.01});
    layers.append({epsDry, 0.05});
    layers.append({bitumen, 0.004});
    return testConstruction(layers);
}

} // namespace

class tst_CalculationProgressDialog : public QObject {
    Q_OBJECT
private slots:
    void shownOnlyForLongCalculations_data();
    void shownOnlyForLongCalculations();
    void cancel_data();
    void cancel();
};

// The monitor is called only by calculations that run for more than a few dozen milliseconds;
// the dialog waits until ShowAfter.
void tst_CalculationProgressDialog::shownOnlyForLongCalculations_data() {
    QTest::addColumn<double>("elapsed");
    QTest::addColumn<bool>("shown");
    QTest::newRow("first call") << 0.02 << false;
    QTest::newRow("just before") << CalculationProgressDialog::ShowAfter - 0.001 << false;
    QTest::newRow("at the limit") << CalculationProgressDialog::ShowAfter << true;
    QTest::newRow("long") << 30.0 << true;
}

void tst_CalculationProgressDialog::shownOnlyForLongCalculations() {
    QFETCH(double, elapsed);
    QFETCH(bool, shown);
    QWidget window;
    CalculationProgressDialog monitor(&window);
    QVERIFY(monitor.proceed(0.25, elapsed));
    QCOMPARE(monitor.dialog() != nullptr, shown);
    if (shown) {
        QVERIFY(monitor.dialog()->isVisible());
        QCOMPARE(monitor.dialog()->windowModality(), Qt::ApplicationModal);
        QCOMPARE(monitor.dialog()->value(), 250);
        QVERIFY(monitor.proceed(0.5, elapsed + 0.02));
        QCOMPARE(monitor.dialog()->value(), 500);
    }
    monitor.finished();
    QVERIFY(!monitor.dialog());
}

// A user cancels a long calculation with the dialog's button; the results view then says so, in
// the user's language, and the next calculation is not cancelled.
void tst_CalculationProgressDialog::cancel_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("English") << ""
                             << "The calculation was cancelled.";
    QTest::newRow("German") << "de"
                            << "Die Berechnung wurde abgebrochen.";
    QTest::newRow("Polish") << "pl"
                            << "Obliczenia zostały anulowane.";
}

void tst_CalculationProgressDialog::cancel() {
    QFETCH(QString, language);
    QFETCH(QString, message);
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load("Tavo2_" + language, translationsDir()));
        QCoreApplication::installTranslator(&translator);
    }
    QWidget window;
    window.show();
    CalculationProgressDialog monitor(&window);
    // The specified search, so that the calculation surely takes long enough.
    const CalculationControl control(&monitor, CalculationControl::ExhaustiveSearch);
    bool dialogSeen = false;
    QTimer clicker;
    clicker.setInterval(20);
    connect(&clicker, &QTimer::timeout, [&] {
        QProgressDialog *dialog = monitor.dialog();
        if (!dialog || !dialog->isVisible())
            return;
        dialogSeen = true;
        QPushButton *button = dialog->findChild<QPushButton *>();
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    });
    clicker.start();
    QElapsedTimer clock;
    clock.start();
    Calculation calculation;
    calculation.calculate(longCalculation(), HeatFlowDirection::Horizontal);
    clicker.stop();
    QVERIFY(dialogSeen);
    QVERIFY(clock.elapsed() >= 200);
    QVERIFY(calculation.wasCancelled());
    QVERIFY(!monitor.dialog());
    const CalculationResults &results = calculation.results();
    QCOMPARE(results.calcState, int(CalculationResults::CS_AlgorithmFailure));
    QCOMPARE(ResultsSummary::verdictText(results), ResultsSummary::red(message));
    // A quick calculation afterwards neither shows the dialog nor counts as cancelled.
    calculation.calculate(testConstruction({{gypsumBoard, 0.0125}, {mineralWool, 0.2}, {osb, 0.015}}),
                          HeatFlowDirection::Horizontal);
    QVERIFY(!calculation.wasCancelled());
    QCOMPARE(calculation.results().calcState, int(CalculationResults::CS_OnePlane));
    QVERIFY(!monitor.dialog());
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(tst_CalculationProgressDialog)
#include "tst_CalculationProgressDialog.moc"
