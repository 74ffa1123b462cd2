// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QList>
#include <QMainWindow>
#include <QModelIndex>
#include <QPointer>

#include <memory>

#include "ImageExport.h"
#include "MaterialDatabaseDialog.h"
#include "Project.h"
#include "UserDialogs.h"

class AssessmentClimateWidget;
class ConstructionSketchDock;
class EditorDocument;
class MaterialEditWidget;
class ReportPreview;
class Settings;
class QAction;
class QActionGroup;
class QFileDialog;
class QMenu;
class QSplashScreen;

namespace Ui {
class MainWindow;
}

/*! The program's only top-level window: the construction table with the climate sides at
    both ends, the profile diagram, the editor of the selected layer or side and the results
    summary. It carries the project document it is handed through new, open, save, save as,
    close and quit, keeps the recent-projects list and refreshes every view after each change
    of the project.

    All questions and file dialogs go through a UserDialogs object, the real ones unless
    another is handed to the constructor. */
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    /*! How a save through the Save-as dialog ended. */
    enum SaveResult { SaveSucceeded, SaveFailed, SaveCancelled };

    /*! Edits \a document, which must outlive the window. Opens the start project at the end: the
        settings' initial project file in restart mode 1, otherwise no project. \a splashScreen
        (may be null) gets the tagline painted on and is deleted with the window if still alive. */
    MainWindow(EditorDocument &document, QSplashScreen *splashScreen, QWidget *parent = nullptr,
               std::unique_ptr<UserDialogs> dialogs = nullptr);
    ~MainWindow() override;

    /*! \a name with the project file extension appended unless it already ends in ".t2p"
        (case-sensitive, so "wall.T2P" becomes "wall.T2P.t2p"). */
    static QString projectFileName(const QString &name);

    /*! Asks whether to save a modified project, then closes it. False when the user cancelled
        or saving failed: the caller must not go on. */
    bool askSaveBeforeClose();
    /*! Saves under \a fileName (extension added as projectFileName()). */
    bool saveProject(const QString &fileName);
    /*! Asks for a file name and saves under it. */
    SaveResult saveProjectAs();
    /*! Replaces the open project by the file (no save question); reports failures. */
    bool loadProject(const QString &fileName);

public slots:
    /*! Refresh after every change of the project: diagram, table, results, title, actions. */
    void updateUi(Project::ModificationType modType);
    /*! Shows the editor of the selected layer or side and enables the layer actions. */
    void constructionTableColumnChanged(int currentRow, int currentColumn, int previousRow,
                                        int previousColumn);
    /*! A double click on a layer column selects a material for that layer. */
    void tableViewDoubleClicked(const QModelIndex &index);
    /*! The layer actions as context menu of the construction table. */
    void customContextMenu(const QPoint &pos);
    /*! Opens the project file of the sending recent-projects action. */
    void actionOpenRecentFile();
    /*! Links "layer-N" of the results select layer column N. */
    void resultsLinkClicked(const QString &link);
    /*! Progress of the report preview; nothing to show. */
    void setProgress(int value);
    /*! A heat flow direction chosen on the toolbar becomes an undo step. */
    void onHeatFlowDirectionTriggerd(QAction *action);
    /*! The export dialog proposes the extension of the file type chosen in it. */
    void fileDialogFilterSelected(const QString &filter);
    /*! Schedules the splash screen's close a few seconds after start. */
    void updateSplashScreen();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_actionNew_triggered();
    void on_actionPreferences_triggered();
    void on_actionEditProjectInformation_triggered();
    void on_actionOpen_triggered();
    void on_actionSave_triggered();
    void on_actionSaveAs_triggered();
    void on_actionQuit_triggered();
    void on_actionAbout_triggered();
    void on_actionAboutQt_triggered();
    void on_actionHelp_triggered();
    void on_actionHelpHeatFlowDirections_triggered();
    void on_actionToggleGlaser_toggled(bool checked);
    void on_actionCopyChart_triggered();
    void on_actionCopySketch_triggered();
    void on_actionExportChart_triggered();
    void on_actionExportSketch_triggered();
    void on_actionWebPage_triggered();
    void on_actionShow_Logfile_triggered();
    /*! Opens the report preview. */
    void on_actionReport_triggered();
    void on_actionPrint_triggered();
    void actionLanguange_triggered();

    // layer operations
    void on_actionSelectMaterial_triggered();
    void on_actionAddLeft_triggered();
    void on_actionAddRight_triggered();
    void on_actionRemoveLayer_triggered();
    void on_actionMoveLeft_triggered();
    void on_actionMoveRight_triggered();
    void on_actionAddMaterialToUserDatabase_triggered();

    // the material and construction databases
    void on_actionEditMaterialDatabase_triggered();
    void on_actionAddToConstructionDatabase_triggered();

private:
    void paintSplashTagline();
    void setupActions();
    void setupEditorPages();
    /*! The construction drawn to scale, in a dock beside the table. */
    void setupConstructionSketch();
    void addLanguageAction(const QString &languageId, const QString &languageName);
    /*! Actions of features the program does not have yet stay disabled and say so. */
    void setupUnavailableActions();
    void disableUnavailableActions();
    void startProject();
    /*! Tells the user when the user material file could not be read completely (it is kept). */
    void reportUnreadableUserMaterials();
    /*! Replaces any project by an empty new one and recalculates. */
    void resetForNewProject();
    /*! Closes the project without asking; the undo history goes with it. */
    void closeProject();
    void addToRecentProjects(const QString &fileName);
    void updateRecentProjectsMenu();
    /*! Window title and the enabled, visible and checked state of the actions and views. */
    void updateTitleAndActions();
    void rebuildConstructionTable();
    void showHelp(int topic);

    /*! Index of the layer of the current table column, or -1 on a climate side. */
    int currentLayerIndex() const;
    /*! Lets the user pick a material for layer \a index. */
    void changeMaterial(int index);
    /*! Lets the user pick a material for a new layer, or a stored construction, and adds it beside
        layer \a index (on its left side when \a left is true). */
    void addLayer(int index, bool left);
    void removeLayer(int index);
    /*! Swaps layer \a index with its left or right neighbour. */
    void moveLayer(int index, bool left);
    /*! Lets the user pick a material or, when \a constructionsAllowed, a stored construction from
        the database dialog; the dialog then holds a copy of it. */
    MaterialDatabaseDialog::Choice chooseFromDatabase(bool constructionsAllowed);
    /*! The material and construction database dialog, created on first use and kept, set up
        for \a mode with the current project's construction. */
    MaterialDatabaseDialog &databaseDialog(MaterialDatabaseDialog::Mode mode,
                                           bool constructionsAllowed = true);
    /*! Asks for a file and writes \a source in the format chosen. */
    void exportImage(const ImageExport::Source &source);
    /*! The export dialog, created on first use and kept. */
    QFileDialog &exportFileDialog();
    /*! The report preview, created on first use and kept. */
    ReportPreview &reportPreview();
    /*! A visible report preview shows the project as it is now. */
    void refreshReportPreview();
    /*! A visible report preview closes (no construction left to report on). */
    void closeReportPreview();
    /*! The report settings of a new project: the default frames, page numbers and logo. */
    void resetReportSettingsForNewProject();
    /*! Start directory of the project file dialogs. */
    QString projectDialogDirectory() const;

    Ui::MainWindow *m_ui;
    EditorDocument &m_document;
    Settings &m_settings; ///< the user's preferences; read at start, written on close
    std::unique_ptr<UserDialogs> m_dialogs;
    MaterialEditWidget *m_materialEditor = nullptr;     ///< page 0 of the editor stack
    AssessmentClimateWidget *m_climateEditor = nullptr; ///< page 1 of the editor stack
    QMenu *m_recentProjectsMenu = nullptr;
    QList<QAction *> m_recentFileActions;
    QActionGroup *m_heatFlowActionGroup = nullptr;
    QFileDialog *m_exportFileDialog = nullptr;
    MaterialDatabaseDialog *m_databaseDialog = nullptr;
    QList<QAction *> m_unavailableActions;
    ConstructionSketchDock *m_sketchDock = nullptr;
    ReportPreview *m_reportPreview = nullptr;
    QPointer<QSplashScreen> m_splashScreen;
};

#endif // MAINWINDOW_H
