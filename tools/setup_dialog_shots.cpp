// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the preferences, the new-project wizard and the project information editor to PNG
// files, for looking at them without starting the program.
//
//   QT_QPA_PLATFORM=offscreen build/bin/setup_dialog_shots DIRECTORY [CATALOGUE.qm]
//
// Settings and databases are made up in memory and in a temporary folder; the user's own are
// never read or written.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextStream>
#include <QToolBox>
#include <QTranslator>

#include "ConfigDialog.h"
#include "ConfigPrintDefaults.h"
#include "ConstructionList.h"
#include "Directories.h"
#include "Document.h"
#include "EditorDocument.h"
#include "MaterialConstructionTabWidget.h"
#include "MaterialDatabaseWidget.h"
#include "MaterialList.h"
#include "NewProjectWizard.h"
#include "NewProjectWizardMaterialPage.h"
#include "Project.h"
#include "ProjectInformationEditDialog.h"
#include "Settings.h"
#include "StandardUserDialogs.h"
#include "VaDar_MaterialDatabaseSelectionWidget.h"
#include "ZMT_MessageHandler.h"

namespace {

bool save(QWidget &widget, const QDir &out, const char *name) {
    QCoreApplication::processEvents();
    return widget.grab().save(out.filePath(QLatin1String(name)), "PNG");
}

} // namespace

int main(int argc, char *argv[]) {
    Q_INIT_RESOURCE(tavo_artwork);
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc < 2) {
        err << "usage: setup_dialog_shots DIRECTORY [CATALOGUE.qm]\n";
        return 1;
    }
    QTranslator translator;
    if (argc > 2 && translator.load(QString::fromLocal8Bit(argv[2])))
        QApplication::installTranslator(&translator);
    ZMT::messageHandler()->setConsoleVerbosityLevel(0);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir userDir;

    Settings &settings = Settings::instance();
    settings.m_userMaterialsDirectory = userDir.path();
    settings.m_defaultLayerWidthUnit = 10;
    settings.m_defaultProjectInformation.UserName = QStringLiteral("A. Planner");
    settings.m_defaultProjectInformation.Company = QStringLiteral("Planning Office Ltd.");
    settings.m_defaultProjectInformation.DisclaimerText =
        QStringLiteral("<h2>Disclaimer</h2><p>The calculation follows the Glaser method.</p>");
    StandardUserDialogs dialogs;
    bool ok = true;
    {
        ConfigDialog config(settings, dialogs);
        config.show();
        ok = save(config, out, "config_general.png") && ok;
        config.pageList()->setCurrentRow(1);
        ok = save(config, out, "config_project_info.png") && ok;
        config.pageList()->setCurrentRow(2);
        ok = save(config, out, "config_print_appearance.png") && ok;
        config.printDefaultsPage()->toolBox()->setCurrentIndex(3);
        ok = save(config, out, "config_print_results.png") && ok;
        config.printDefaultsPage()->toolBox()->setCurrentIndex(4);
        ok = save(config, out, "config_print_disclaimer.png") && ok;
    }

    MaterialList materials(QStringLiteral("en"), resourcesDir() + QStringLiteral("/DB_materials"),
                           userDir.path());
    materials.read();
    ConstructionList constructions(QStringLiteral("en"), userDir.path());
    constructions.addSampleEntry(materials);
    {
        Document document;
        document.setProjectInformation(settings.m_defaultProjectInformation);
        NewProjectWizard wizard(document, materials, constructions, dialogs);
        wizard.resize(1100, 760);
        wizard.show();
        wizard.findChild<QLineEdit *>(QStringLiteral("lineEditProjectName"))
            ->setText(QStringLiteral("Residential building Miller"));
        ok = save(wizard, out, "wizard_information.png") && ok;
        wizard.next();
        VaDar::MaterialDatabaseSelectionWidget *selection =
            wizard.materialPage()->tabWidget()->materialsWidget()->selectionWidget();
        selection->findChild<QLineEdit *>(QStringLiteral("lineEditNameFilter"))
            ->setText(QStringLiteral("brick"));
        selection->selectRow(2);
        ok = save(wizard, out, "wizard_material.png") && ok;
        wizard.materialPage()->templateComboBox()->setCurrentIndex(1);
        ok = save(wizard, out, "wizard_template.png") && ok;
    }
    {
        EditorDocument editor(Project::instance());
        Project::instance().newDocument();
        ProjectInformation &information = Project::instance().document()->projectInformation();
        information.ProjectName = QStringLiteral("Residential building Miller");
        information.ConstructionID = QStringLiteral("AW-01");
        information.UserName = QStringLiteral("A. Planner");
        information.Company = QStringLiteral("Planning Office Ltd.");
        information.Description = QStringLiteral("External wall, ground floor, north facade.");
        ProjectInformationEditDialog dialog(editor);
        dialog.show();
        ok = save(dialog, out, "project_information.png") && ok;
        Project::instance().closeDocument();
    }
    if (!ok)
        err << "cannot write the pictures into " << out.absolutePath() << '\n';
    return ok ? 0 : 1;
}
