// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QAbstractButton>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>

#include "ConstructionDatabaseTableModel.h"
#include "ConstructionDatabaseWidget.h"
#include "ConstructionList.h"
#include "Directories.h"
#include "Document.h"
#include "MaterialConstructionTabWidget.h"
#include "MaterialDatabaseWidget.h"
#include "MaterialList.h"
#include "NewProjectWizard.h"
#include "NewProjectWizardMaterialPage.h"
#include "ScriptedDialogs.h"
#include "VaDar_MaterialDatabaseSelectionWidget.h"
#include "VaDar_MaterialTableModel.h"
#include "ZMT_MessageHandler.h"

namespace {

Material material(const QString &name, double lambda, double mu) {
    return Material(name, MaterialCategory(MaterialCategory::Insulation), "", "", "", "", 30, lambda, mu,
                    0.001, 0.9, 0, 0);
}

} // namespace

// The new-project wizard as a user goes through it: project texts on the first page, then a
// material, a stored construction or a template, and Finish.
class tst_NewProjectWizard : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<MaterialList> m_materials;
    std::unique_ptr<ConstructionList> m_constructions;
    Document m_document;
    std::unique_ptr<NewProjectWizard> m_wizard;

    NewProjectWizardMaterialPage *page() const { return m_wizard->materialPage(); }
    MaterialConstructionTabWidget *tabs() const { return page()->tabWidget(); }
    QAbstractButton *finish() const { return m_wizard->button(QWizard::FinishButton); }

    // A prepared project with one old layer, the wizard opened on it, the first page filled in.
    void open(const QStringList &templateDirs = {}) {
        m_document = Document();
        m_document.inputData().layers().append(MaterialLayer(material("old", 1, 1), 0.3));
        m_document.projectInformation().ProjectName = "Default";
        m_document.projectInformation().DisclaimerText = "disclaimer";
        m_wizard.reset(new NewProjectWizard(m_document, *m_materials, *m_constructions, m_dialogs));
        page()->setTemplateDirectories(templateDirs);
        m_wizard->show();
        QLineEdit *name = m_wizard->findChild<QLineEdit *>("lineEditProjectName");
        QCOMPARE(name->text(), QString("Default"));
        name->clear();
        QTest::keyClicks(name, "House Miller");
        QTest::mouseClick(m_wizard->button(QWizard::NextButton), Qt::LeftButton);
        QCOMPARE(m_wizard->currentId(), int(NewProjectWizard::MaterialPage));
    }
    void selectMaterial(const QString &name) {
        tabs()->setCurrentIndex(MaterialConstructionTabWidget::MaterialsTab);
        const VaDar::MaterialTableModel *model = tabs()->materialsWidget()->selectionWidget()->tableModel();
        for (int i = 0; i < model->rowCount(); ++i)
            if (model->material(i).name == name) {
                tabs()->materialsWidget()->showMaterial(i);
                return;
            }
        QFAIL(qPrintable("no material " + name));
    }
    bool pressFinish() {
        if (!finish()->isEnabled())
            return false;
        QTest::mouseClick(finish(), Qt::LeftButton);
        return m_wizard->result() == QDialog::Accepted && !m_wizard->isVisible();
    }

private slots:
    void initTestCase() {
        ZMT::messageHandler()->setConsoleVerbosityLevel(0);
        QVERIFY(m_tmp.isValid());
        m_materials.reset(new MaterialList("en", resourcesDir() + "/DB_materials", m_tmp.path()));
        QVERIFY(m_materials->read());
        m_materials->addUserMaterial(material("no conduction", 0, 5));
        m_materials->addUserMaterial(material("no diffusion resistance", 0.04, 0));
        m_materials->addUserMaterial(material("usable", 0.04, 5));
        m_constructions.reset(new ConstructionList("en", m_tmp.path()));
        QVector<MaterialLayer> four;
        for (int i = 1; i <= 4; ++i)
            four << MaterialLayer(material(QString("layer %1").arg(i), 0.1 * i, i), 0.01 * i);
        m_constructions->appendConstruction(Construction("four layers", four));
        m_constructions->appendConstruction(Construction("empty", {}));
    }
    void cleanup() { m_wizard.reset(); }
    // The filter fields of the material list fade their clear buttons in; let that end.
    void cleanupTestCase() { QTest::qWait(400); }

    // Finish needs a material that can be calculated.
    void finishNeedsUsableMaterial_data() {
        QTest::addColumn<QString>("material");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("thermal conductivity 0") << "no conduction" << false;
        QTest::newRow("diffusion resistance 0") << "no diffusion resistance" << false;
        QTest::newRow("usable") << "usable" << true;
    }
    void finishNeedsUsableMaterial() {
        QFETCH(QString, material);
        QFETCH(bool, enabled);
        open();
        QVERIFY(!finish()->isEnabled()); // nothing selected yet
        selectMaterial(material);
        QCOMPARE(finish()->isEnabled(), enabled);
        QCOMPARE(pressFinish(), enabled);
        QCOMPARE(m_document.inputData().layers().size(), 1);
        QCOMPARE(m_document.inputData().layer(0).name, QString(enabled ? material : "old"));
    }

    // A material gives one layer 0.1 m wide and the texts of the first page.
    void fromMaterial() {
        open();
        selectMaterial("Solid clay brick masonry 1800 kg/m3");
        QVERIFY(pressFinish());
        const QVector<MaterialLayer> &layers = m_document.inputData().layers();
        QCOMPARE(layers.size(), 1);
        QCOMPARE(layers.at(0).name, QString("Solid clay brick masonry 1800 kg/m3"));
        QCOMPARE(layers.at(0).width(), 0.1);
        QCOMPARE(layers.at(0).lambda, 0.81);
        QCOMPARE(m_document.projectInformation().ProjectName, QString("House Miller"));
        QCOMPARE(m_document.projectInformation().DisclaimerText, QString("disclaimer"));
    }

    // A stored construction replaces the layers with copies of all of its own.
    void fromConstruction_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("layers"); // -1: Finish stays disabled
        QTest::newRow("four layers") << 0 << 4;
        QTest::newRow("no layers") << 1 << -1;
    }
    void fromConstruction() {
        QFETCH(int, row);
        QFETCH(int, layers);
        open();
        tabs()->setCurrentIndex(MaterialConstructionTabWidget::ConstructionsTab);
        tabs()->constructionsWidget()->selectConstruction(row);
        QCOMPARE(pressFinish(), layers > 0);
        if (layers < 0)
            return;
        const QVector<MaterialLayer> &made = m_document.inputData().layers();
        QCOMPARE(made, m_constructions->construction(row).layers);
        QCOMPARE(made.size(), layers);
    }

    void doubleClickAccepts() {
        open();
        tabs()->setCurrentIndex(MaterialConstructionTabWidget::ConstructionsTab);
        tabs()->constructionsWidget()->selectConstruction(0);
        emit tabs()->constructionsWidget()->doubleClicked(0);
        QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
        QCOMPARE(m_document.inputData().layers().size(), 4);
    }

    // The shipped templates are offered after "New Project".
    void shippedTemplatesListed() {
        const QStringList files = NewProjectWizardMaterialPage::templateFiles(
            NewProjectWizardMaterialPage::defaultTemplateDirectories());
        QVERIFY(files.contains(resourcesDir() + "/Templates/ceiling-with-air-layer.t2p"));
        m_document = Document();
        m_wizard.reset(new NewProjectWizard(m_document, *m_materials, *m_constructions, m_dialogs));
        QComboBox *combo = page()->templateComboBox();
        QCOMPARE(combo->itemText(0), QString("New Project"));
        QCOMPARE(combo->count(), files.size() + 1);
    }

    // A template brings its construction, climate and heat flow direction: the new project
    // calculates exactly as the batch program does on the template file.
    void fromTemplate() {
        const QString dir = m_tmp.filePath("templates");
        QVERIFY(QDir().mkpath(dir));
        const QString file = dir + "/ceiling.t2p";
        QFile::remove(file);
        QVERIFY(QFile::copy(resourcesDir() + "/Templates/ceiling-with-air-layer.t2p", file));
        open({dir});
        QComboBox *combo = page()->templateComboBox();
        QCOMPARE(combo->count(), 2);
        combo->setCurrentIndex(1);
        QVERIFY(!tabs()->isEnabled());
        QVERIFY(pressFinish());
        QCOMPARE(m_document.projectInformation().ProjectName, QString("House Miller"));
        QCOMPARE(m_document.projectInformation().HeatFlowDirection, HeatFlowDirection::Upwards);
        m_document.recalculate();

        QProcess calc;
        calc.start(QCoreApplication::applicationDirPath() + "/tavo2-calc", {"--format", "json", file});
        QVERIFY(calc.waitForFinished(60000));
        QCOMPARE(calc.exitCode(), 0);
        const QJsonArray all = QJsonDocument::fromJson(calc.readAllStandardOutput()).array();
        QCOMPARE(all.size(), 1);
        const QJsonObject r = all.at(0).toObject().value("results").toObject();
        const CalculationResults &made = m_document.results();
        const auto same = [](const QJsonValue &json, double value) {
            return json.isNull() ? !std::isfinite(value) : json.toDouble() == value;
        };
        QCOMPARE(r.value("calcState").toInt(), made.calcState);
        const QList<QPair<const char *, double>> scalars{
            {"U", made.U},   {"R_total", made.R_total}, {"mc_Glaser", made.mc_Glaser},
            {"mc", made.mc}, {"t_dry", made.t_dry},     {"d_total", made.d_total}};
        for (const auto &s : scalars)
            QVERIFY2(same(r.value(s.first), s.second), s.first);
        const QList<QPair<const char *, std::vector<double>>> vectors{
            {"T_Glaser", made.T_Glaser}, {"pv_Glaser", made.pv_Glaser}, {"T", made.T}};
        for (const auto &v : vectors) {
            const QJsonArray a = r.value(v.first).toArray();
            QVERIFY2(size_t(a.size()) == v.second.size() && !a.isEmpty(), v.first);
            for (int i = 0; i < a.size(); ++i)
                QVERIFY2(same(a.at(i), v.second.at(size_t(i))), v.first);
        }
    }

    // A template that cannot be read is reported and the wizard stays open.
    void unreadableTemplate() {
        const QString dir = m_tmp.filePath("broken");
        QVERIFY(QDir().mkpath(dir));
        QFile broken(dir + "/broken.t2p");
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("<Tavo"));
        broken.close();
        open({dir});
        page()->templateComboBox()->setCurrentIndex(1);
        QVERIFY(!pressFinish());
        QVERIFY(m_wizard->isVisible());
        QVERIFY2(m_dialogs.message.startsWith("Project template | "), qPrintable(m_dialogs.message));
        QCOMPARE(m_document.inputData().layer(0).name, QString("old"));
        page()->templateComboBox()->setCurrentIndex(0);
        QVERIFY(tabs()->isEnabled());
        QVERIFY(!finish()->isEnabled());
    }
};

QTEST_MAIN(tst_NewProjectWizard)
#include "tst_NewProjectWizard.moc"
