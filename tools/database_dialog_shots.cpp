// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the material and construction database dialog to PNG files, for looking at it without
// starting the program: the Materials tab with a filter typed and a material selected (one user
// material among the built-in ones), the Constructions tab with a stored construction selected.
//
//   QT_QPA_PLATFORM=offscreen build/tools/database_dialog_shots DIRECTORY [CATALOGUE.qm]
//
// The databases are the built-in materials of build/bin/resources and a user directory made in
// a temporary folder, so the user's own databases are never touched.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTranslator>

#include "ConstructionDatabaseWidget.h"
#include "ConstructionList.h"
#include "Directories.h"
#include "MaterialConstructionTabWidget.h"
#include "MaterialDatabaseDialog.h"
#include "MaterialDatabaseWidget.h"
#include "MaterialList.h"
#include "StandardUserDialogs.h"
#include "VaDar_MaterialDatabaseSelectionWidget.h"
#include "ZMT_MessageHandler.h"

namespace {

bool save(QWidget &widget, const QString &fileName) {
    QCoreApplication::processEvents();
    return widget.grab().save(fileName, "PNG");
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc < 2) {
        err << "usage: database_dialog_shots DIRECTORY [CATALOGUE.qm]\n";
        return 1;
    }
    QTranslator translator;
    if (argc > 2 && translator.load(QString::fromLocal8Bit(argv[2])))
        QApplication::installTranslator(&translator);
    ZMT::messageHandler()->setConsoleVerbosityLevel(0);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir userDir;

    MaterialList materials(QStringLiteral("en"), resourcesDir() + QStringLiteral("/DB_materials"),
                           userDir.path());
    materials.read();
    int brickIndex = 0;
    while (brickIndex < materials.builtInCount() && materials.materialAt(brickIndex)->materialId != 493)
        ++brickIndex;
    Material own = materials.copyForUser(brickIndex);
    own.name += QStringLiteral(" (own measurement)");
    own.lambda *= 0.9;
    materials.addUserMaterial(own);
    ConstructionList constructions(QStringLiteral("en"), userDir.path());
    constructions.addSampleEntry(materials);
    const Material *plaster = materials.material(100);
    const Material *brick = materials.material(493);
    const Material *wool = materials.material(282);
    if (plaster && brick && wool)
        constructions.appendConstruction(Construction(
            QStringLiteral("Brick wall, interior insulation"),
            {MaterialLayer(*plaster, 0.015), MaterialLayer(*wool, 0.06), MaterialLayer(*brick, 0.365)},
            QStringLiteral("Listed facade; insulation on the warm side.\nCheck the condensate.")));

    StandardUserDialogs dialogs;
    MaterialDatabaseDialog dialog(materials, constructions, dialogs);
    dialog.setMode(MaterialDatabaseDialog::SelectMode);
    dialog.resize(1300, 760);
    dialog.show();
    VaDar::MaterialDatabaseSelectionWidget *selection =
        dialog.tabWidget()->materialsWidget()->selectionWidget();
    selection->findChild<QLineEdit *>(QStringLiteral("lineEditNameFilter"))
        ->setText(QStringLiteral("brick conc*"));
    selection->selectRow(3);
    bool ok = save(dialog, out.filePath(QStringLiteral("database_materials.png")));
    // The user's copy last, pale green, below a selected built-in material.
    selection->selectMaterial(materials.count() - 1);
    selection->selectRow(selection->visibleRowCount() - 3);
    ok = save(dialog, out.filePath(QStringLiteral("database_materials_user.png"))) && ok;

    dialog.tabWidget()->setCurrentIndex(MaterialConstructionTabWidget::ConstructionsTab);
    dialog.tabWidget()->constructionsWidget()->selectConstruction(1);
    ok = save(dialog, out.filePath(QStringLiteral("database_constructions.png"))) && ok;
    if (!ok)
        err << "cannot write the pictures into " << out.absolutePath() << '\n';
    return ok ? 0 : 1;
}
