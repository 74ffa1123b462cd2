// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>

#include "ConstructionDatabaseTableModel.h"
#include "ConstructionDatabaseWidget.h"
#include "ConstructionList.h"
#include "Directories.h"
#include "MaterialConstructionTabWidget.h"
#include "MaterialDatabaseDialog.h"
#include "MaterialDatabaseWidget.h"
#include "MaterialList.h"
#include "ScriptedDialogs.h"
#include "VaDar_MaterialDatabaseSelectionWidget.h"
#include "VaDar_MaterialTableModel.h"
#include "VaDar_MaterialTableProxyModel.h"
#include "ZMT_MessageHandler.h"

using S = const QString &;

namespace {

Material userMaterial(const QString &name) {
    return Material(name, MaterialCategory(MaterialCategory::Insulation), "", "", "", "", 30, 0.035, 1, 0.001,
                    0.9, 0, 0);
}

} // namespace

class tst_MaterialDatabaseDialog : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    int m_case = 0;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<MaterialList> m_materials;
    std::unique_ptr<ConstructionList> m_constructions;
    std::unique_ptr<MaterialDatabaseDialog> m_dialog;

    QString userDir() const { return m_tmp.filePath(QString("case%1").arg(m_case)); }
    MaterialDatabaseWidget *materialsWidget() const { return m_dialog->tabWidget()->materialsWidget(); }
    ConstructionDatabaseWidget *constructionsWidget() const {
        return m_dialog->tabWidget()->constructionsWidget();
    }
    VaDar::MaterialDatabaseSelectionWidget *selection() const { return materialsWidget()->selectionWidget(); }
    QStringList visibleNames() const {
        QStringList names;
        const QAbstractItemModel *proxy = selection()->proxyModel();
        for (int row = 0; row < proxy->rowCount(); ++row)
            names << proxy->index(row, 0).data().toString();
        return names;
    }

    // A database with the built-in materials and the sample construction, in a fresh user directory.
    void openDatabases() {
        ++m_case;
        QDir().mkpath(userDir());
        m_materials.reset(new MaterialList("en", resourcesDir() + "/DB_materials", userDir()));
        QVERIFY(m_materials->read());
        m_constructions.reset(new ConstructionList("en", userDir()));
        QVERIFY(!m_constructions->read());
        QVERIFY(m_constructions->addSampleEntry(*m_materials));
        m_dialogs.kinds.clear();
        m_dialog.reset(new MaterialDatabaseDialog(*m_materials, *m_constructions, m_dialogs));
        m_dialog->show();
    }

private slots:
    void initTestCase() {
        ZMT::messageHandler()->setConsoleVerbosityLevel(0);
        QVERIFY(m_tmp.isValid());
    }
    void cleanup() { m_dialog.reset(); }
    // The filter fields' clear buttons fade in and out; let the animations end before the
    // program does, or the leak check of the sanitizer build reports them.
    void cleanupTestCase() { QTest::qWait(400); }

    // Two wildcard words typed into the name filter: every material whose name holds either.
    void nameFilterTwoWords() {
        openDatabases();
        QTest::keyClicks(selection()->findChild<QLineEdit *>("lineEditNameFilter"), "brick conc*");
        const QRegularExpression either("brick|conc", QRegularExpression::CaseInsensitiveOption);
        int expected = 0;
        for (const Material &m : m_materials->builtInMaterials())
            expected += m.name.contains(either) || m.productName.contains(either);
        const QStringList names = visibleNames();
        QVERIFY(names.size() >= 10);
        QCOMPARE(names.size(), expected);
        for (const QString &name : names)
            QVERIFY2(name.contains(either), qPrintable(name));
    }

    void maintenanceRules_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<bool>("removable");
        QTest::addColumn<bool>("copyable");
        QTest::newRow("first built-in material") << "first" << false << true;
        QTest::newRow("air layer, the last built-in one") << "air" << false << true;
        QTest::newRow("user material") << "user" << true << true;
        QTest::newRow("nothing selected") << "none" << false << false;
    }
    // Built-in materials are read-only but can be copied; only user materials are edited and removed.
    void maintenanceRules() {
        QFETCH(QString, which);
        openDatabases();
        m_materials->addUserMaterial(userMaterial("mine"));
        materialsWidget()->reload();
        const int index = which == "first"  ? 0
                          : which == "air"  ? m_materials->builtInCount() - 1
                          : which == "user" ? m_materials->count() - 1
                                            : -1;
        materialsWidget()->showMaterial(index);
        QCOMPARE(materialsWidget()->selectedMaterial(), index);
        QTEST(materialsWidget()->removeMaterialAction()->isEnabled(), "removable");
        QTEST(materialsWidget()->editMaterialAction()->isEnabled(), "removable");
        QTEST(materialsWidget()->copyMaterialAction()->isEnabled(), "copyable");
        QVERIFY(materialsWidget()->addMaterialAction()->isEnabled());
        QVERIFY(materialsWidget()->importMaterialsAction()->isEnabled());
    }

    // A built-in material copied into the user materials, edited there and removed again.
    void copyEditRemove() {
        openDatabases();
        const int builtIn = m_materials->builtInCount();
        const Material original = *m_materials->materialAt(5);
        materialsWidget()->showMaterial(5);
        m_dialogs.materialNames << "my copy";
        materialsWidget()->copyMaterialAction()->trigger();
        QCOMPARE(m_materials->userCount(), 1);
        QCOMPARE(materialsWidget()->selectedMaterial(), builtIn);
        QCOMPARE(m_materials->materialAt(builtIn)->name, QString("my copy"));
        QCOMPARE(m_materials->materialAt(builtIn)->lambda, original.lambda);
        QCOMPARE(m_materials->materialAt(5)->name, original.name); // the built-in one unchanged
        QVERIFY(materialsWidget()->editMaterialAction()->isEnabled());

        m_dialogs.materialNames << "renamed";
        materialsWidget()->editMaterialAction()->trigger();
        QCOMPARE(m_materials->materialAt(builtIn)->name, QString("renamed"));
        QCOMPARE(materialsWidget()->selectedMaterial(), builtIn);

        // cancelled: nothing changes
        materialsWidget()->editMaterialAction()->trigger();
        QCOMPARE(m_materials->materialAt(builtIn)->name, QString("renamed"));

        materialsWidget()->removeMaterialAction()->trigger();
        QCOMPARE(m_materials->userCount(), 0);
        QVERIFY(materialsWidget()->isChanged());
        m_dialog->reject(); // closing writes the changed user file: empty now, so no file remains
        QVERIFY(!QFile::exists(m_materials->userFilePath()));
    }

    void removeMovesSelection_data() {
        QTest::addColumn<int>("removedUser"); // of the three user materials "u0", "u1", "u2"
        QTest::addColumn<QString>("selectedAfter");
        QTest::newRow("middle row: the next one moves up") << 1 << "u2";
        QTest::newRow("last row: the new last row") << 2 << "u1";
    }
    void removeMovesSelection() {
        QFETCH(int, removedUser);
        openDatabases();
        for (const char *name : {"u0", "u1", "u2"})
            m_materials->addUserMaterial(userMaterial(name));
        materialsWidget()->reload();
        materialsWidget()->showMaterial(m_materials->builtInCount() + removedUser);
        materialsWidget()->removeMaterialAction()->trigger();
        QCOMPARE(m_materials->userCount(), 2);
        QTEST(m_materials->materialAt(materialsWidget()->selectedMaterial())->name, "selectedAfter");
    }

    void import_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("added");
        QTest::addColumn<QString>("message");
        QTest::newRow("user material file")
            << "other.tmat" << 2 << "information Materials added. | 2 materials found";
        QTest::newRow("TXT in capitals refused")
            << "old.TXT" << 0 << "warning Material read error. | No valid material file";
        QTest::newRow("empty user material file")
            << "empty.tmat" << 0 << "warning Material read error. | No materials found";
    }
    void import() {
        QFETCH(QString, fileName);
        QFETCH(int, added);
        openDatabases();
        // Another installation's user file with two materials; the same bytes under the other names.
        MaterialList other("en", QString(), m_tmp.filePath("other"));
        other.addUserMaterial(userMaterial("imported 1"));
        other.addUserMaterial(userMaterial("imported 2"));
        QVERIFY(other.writeUserData());
        const QString path = userDir() + "/" + fileName;
        if (fileName.startsWith("empty")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QDataStream(&f) << qint32(-4) << qint32(0);
        } else {
            QVERIFY(QFile::copy(other.userFilePath(), path));
        }
        m_dialogs.fileNames << path;
        materialsWidget()->importMaterialsAction()->trigger();
        QCOMPARE(m_materials->userCount(), added);
        QCOMPARE(m_dialogs.kinds.size(), 2); // the file, then the message
        QFETCH(QString, message);
        const QString shown = m_dialogs.kinds.last() + " " + m_dialogs.message;
        QVERIFY2(shown.startsWith(message), qPrintable(shown));
        QCOMPARE(materialsWidget()->isChanged(), added > 0);
    }

    // Select mode hands back copies, by tab; only usable choices enable OK.
    void selectChoice() {
        openDatabases();
        m_dialog->setMode(MaterialDatabaseDialog::SelectMode, false);
        QCOMPARE(m_dialog->currentChoice(), MaterialDatabaseDialog::NothingChosen);
        materialsWidget()->showMaterial(3);
        QCOMPARE(m_dialog->currentChoice(), MaterialDatabaseDialog::MaterialChosen);
        m_dialog->tabWidget()->setCurrentIndex(MaterialConstructionTabWidget::ConstructionsTab);
        constructionsWidget()->selectConstruction(0);
        QCOMPARE(m_dialog->currentChoice(), MaterialDatabaseDialog::NothingChosen); // materials only

        m_dialog->setMode(MaterialDatabaseDialog::SelectMode, true);
        QCOMPARE(m_dialog->currentChoice(), MaterialDatabaseDialog::ConstructionChosen);
        emit constructionsWidget()->doubleClicked(0); // a double click accepts
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_dialog->choice(), MaterialDatabaseDialog::ConstructionChosen);
        QCOMPARE(m_dialog->selectedConstruction(), m_constructions->construction(0));

        m_dialog->show();
        m_dialog->tabWidget()->setCurrentIndex(MaterialConstructionTabWidget::MaterialsTab);
        m_dialog->accept();
        QCOMPARE(m_dialog->choice(), MaterialDatabaseDialog::MaterialChosen);
        QCOMPARE(m_dialog->selectedMaterial(), *m_materials->materialAt(3));
        QCOMPARE(m_dialog->selectedMaterial().materialId, m_materials->materialAt(3)->materialId);

        m_dialog->show();
        m_dialog->reject();
        QCOMPARE(m_dialog->choice(), MaterialDatabaseDialog::NothingChosen);
    }

    // Chosen with the mouse as a user does: a filter typed, the list sorted by density (highest
    // first), a row clicked and double clicked hand back the material shown in that row, not the
    // one at that row of the unsorted database. Then the Constructions tab: a click selects, a
    // double click accepts.
    void chooseWithTheMouse() {
        openDatabases();
        Material dense = userMaterial("dense concrete");
        dense.rho = 9999;
        m_materials->addUserMaterial(dense);
        m_dialog->setMode(MaterialDatabaseDialog::SelectMode);
        QPushButton *ok = m_dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QTableView *table = selection()->findChild<QTableView *>("tableViewMaterials");
        QTest::keyClicks(selection()->findChild<QLineEdit *>("lineEditNameFilter"), "conc*");
        QHeaderView *header = table->horizontalHeader();
        const QPoint densityHeader(header->sectionViewportPosition(VaDar::MaterialTableModel::DensityColumn) +
                                       10,
                                   header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, densityHeader);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, densityHeader);
        const QModelIndex first = table->model()->index(0, VaDar::MaterialTableModel::DensityColumn);
        const QModelIndex last =
            table->model()->index(table->model()->rowCount() - 1, VaDar::MaterialTableModel::DensityColumn);
        QVERIFY(first.data().toString().toDouble() > last.data().toString().toDouble());

        const QModelIndex row = table->model()->index(2, VaDar::MaterialTableModel::NameColumn);
        const QString shown = row.data().toString();
        QVERIFY(!ok->isEnabled());
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(row).center());
        QCOMPARE(selection()->findChild<QLabel *>("labelSelectedMaterial")->text(), shown);
        QVERIFY(ok->isEnabled());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(row).center());
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->choice(), MaterialDatabaseDialog::MaterialChosen);
        QCOMPARE(m_dialog->selectedMaterial().name, shown);

        // Maintenance: the user material, sorted to the top, opens in the editor on a double click.
        m_dialog->setMode(MaterialDatabaseDialog::EditMode);
        m_dialog->show();
        const QModelIndex top = table->model()->index(0, VaDar::MaterialTableModel::NameColumn);
        QCOMPARE(top.data().toString(), QString("dense concrete"));
        m_dialogs.materialNames << "renamed by a double click";
        // A double click: a press and release, then the second press arrives as a double click.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(top).center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(top).center());
        QCOMPARE(m_dialogs.kinds, QStringList{"editMaterial"});
        QCOMPARE(m_materials->userMaterials().at(0).name, QString("renamed by a double click"));
        QVERIFY(m_dialog->isVisible());

        m_dialog->setMode(MaterialDatabaseDialog::SelectMode); // new buttons
        ok = m_dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        m_dialog->show();
        QTabBar *tabs = m_dialog->tabWidget()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {},
                          tabs->tabRect(MaterialConstructionTabWidget::ConstructionsTab).center());
        QCOMPARE(m_dialog->tabWidget()->currentIndex(), int(MaterialConstructionTabWidget::ConstructionsTab));
        QLabel *selected = constructionsWidget()->findChild<QLabel *>("labelSelectedConstruction");
        QCOMPARE(selected->text(), QString("Nothing"));
        QVERIFY(!ok->isEnabled());
        QTableView *stored = constructionsWidget()->findChild<QTableView *>("tableViewConstructions");
        const QPoint sample = stored->visualRect(stored->model()->index(0, 0)).center();
        QTest::mouseClick(stored->viewport(), Qt::LeftButton, {}, sample);
        QCOMPARE(selected->text(), m_constructions->construction(0).name);
        QVERIFY(ok->isEnabled());
        QTest::mouseDClick(stored->viewport(), Qt::LeftButton, {}, sample);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->choice(), MaterialDatabaseDialog::ConstructionChosen);
        QCOMPARE(m_dialog->selectedConstruction(), m_constructions->construction(0));
    }

    // Add stores the project's construction, Copy a copy under a new name, Edit keeps the row;
    // Delete goes by row (never the first entry that merely looks equal) and keeps a selection.
    void constructionMaintenance() {
        openDatabases();
        ConstructionDatabaseWidget *w = constructionsWidget();
        QVERIFY(!w->addConstructionAction()->isEnabled()); // no project construction
        QVector<MaterialLayer> layers = m_constructions->construction(0).layers;
        layers[1].setWidth(0.16);
        w->setCurrentConstruction(layers, "Project wall");
        m_dialogs.constructionNames << "Wall";
        w->addConstructionAction()->trigger();
        QCOMPARE(m_dialogs.offeredName, QString("Project wall"));
        QCOMPARE(m_constructions->count(), 2);
        QCOMPARE(w->selectedRow(), 1);
        QCOMPARE(m_constructions->construction(1), Construction("Wall", layers, "notes of Wall"));
        QCOMPARE(w->model()->columnCount(), 4);
        QCOMPARE(w->model()->index(1, 2).data().toString(), "160mm " + layers[1].name);

        m_dialogs.constructionNames << "Wall copy";
        w->copyConstructionAction()->trigger();
        QCOMPARE(m_constructions->count(), 3);
        QCOMPARE(w->selectedRow(), 2);
        QCOMPARE(m_constructions->construction(2).layers, layers);
        m_dialogs.constructionNames << "Wall";
        w->editConstructionAction()->trigger();
        QCOMPARE(w->selectedRow(), 2);
        QCOMPARE(m_constructions->construction(2), m_constructions->construction(1));

        // The same wall with thicker insulation, stored last and deleted again.
        QVector<MaterialLayer> thicker = layers;
        thicker[1].setWidth(0.2);
        w->setCurrentConstruction(thicker);
        m_dialogs.constructionNames << "Wall";
        w->addConstructionAction()->trigger();
        QCOMPARE(w->selectedRow(), 3);
        w->deleteConstructionAction()->trigger();
        QCOMPARE(m_constructions->count(), 3);
        QCOMPARE(w->selectedRow(), 2); // the new last row
        QCOMPARE(m_constructions->construction(1).layers, layers);
        QCOMPARE(m_constructions->construction(2).layers, layers);
        w->selectConstruction(0);
        w->deleteConstructionAction()->trigger();
        QCOMPARE(w->selectedRow(), 0);
        QCOMPARE(w->selectedConstruction().name, QString("Wall"));

        m_dialog->reject(); // closing writes the file
        ConstructionList reread("en", userDir());
        QVERIFY(reread.read());
        QCOMPARE(reread.constructions(), m_constructions->constructions());
    }

    // A construction stored from a project comes back, after a restart, with the same layers.
    void storedConstructionAfterRestart() {
        openDatabases();
        QVector<MaterialLayer> layers;
        layers << MaterialLayer(*m_materials->material(493), 0.175)
               << MaterialLayer(*m_materials->material(282), 0.1);
        constructionsWidget()->setCurrentConstruction(layers);
        m_dialogs.constructionNames << "stored";
        constructionsWidget()->addConstructionAction()->trigger();
        m_dialog->reject();

        ConstructionList restarted("en", userDir());
        QVERIFY(restarted.read());
        MaterialDatabaseDialog dialog(*m_materials, restarted, m_dialogs);
        dialog.setMode(MaterialDatabaseDialog::SelectMode);
        dialog.show();
        dialog.tabWidget()->setCurrentIndex(MaterialConstructionTabWidget::ConstructionsTab);
        dialog.tabWidget()->constructionsWidget()->selectConstruction(1);
        dialog.accept();
        QCOMPARE(dialog.choice(), MaterialDatabaseDialog::ConstructionChosen);
        QCOMPARE(dialog.selectedConstruction().name, QString("stored"));
        QCOMPARE(dialog.selectedConstruction().layers, layers);
    }

    void constructionImport() {
        openDatabases();
        ConstructionList other("en", m_tmp.filePath("otherConstructions"));
        other.addSampleEntry(*m_materials);
        other.appendConstruction(Construction("second", other.construction(0).layers.mid(1)));
        QVERIFY(other.write());
        m_dialogs.fileNames << other.filePath() << m_tmp.filePath("missing.constr");
        constructionsWidget()->importConstructionsAction()->trigger();
        QCOMPARE(m_constructions->count(), 3);
        QCOMPARE(m_constructions->construction(2).name, QString("second"));
        QVERIFY(m_dialogs.kinds.last() == "information" &&
                m_dialogs.message.startsWith("Constructions added."));
        constructionsWidget()->importConstructionsAction()->trigger();
        QCOMPARE(m_constructions->count(), 3);
        QVERIFY(m_dialogs.kinds.last() == "warning" &&
                m_dialogs.message.startsWith("Construction read error."));
        QCOMPARE(other.count(), 2); // the imported file is only read
    }
};

QTEST_MAIN(tst_MaterialDatabaseDialog)
#include "tst_MaterialDatabaseDialog.moc"
