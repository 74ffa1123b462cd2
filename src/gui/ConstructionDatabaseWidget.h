// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONSTRUCTIONDATABASEWIDGET_H
#define CONSTRUCTIONDATABASEWIDGET_H

#include <QItemSelection>
#include <QString>
#include <QVector>
#include <QWidget>

#include "Construction.h"

class ConstructionDatabaseTableModel;
class ConstructionList;
class QAction;
class QLabel;
class QPlainTextEdit;
class QTableView;
class UserDialogs;

namespace VaDar {
class ConstructionViewWidget;
}

/*! The "Constructions" tab of the database dialog: the stored constructions as a table, a
    drawing and the notes of the selected one, and their maintenance (add the project's
    construction, copy, edit name and notes, delete, import from another construction file).

    Constructions are addressed by row and handed out as copies. The widget changes the database
    it is handed; it never writes the file (isChanged() tells the owner to). */
class ConstructionDatabaseWidget : public QWidget {
    Q_OBJECT
public:
    /*! Asks for a construction's name and notes in a dialog titled \a title; true when accepted. */
    using NameEditor =
        std::function<bool(QWidget *parent, const QString &title, QString &name, QString &notes)>;

    ConstructionDatabaseWidget(ConstructionList &constructions, UserDialogs &dialogs,
                               QWidget *parent = nullptr);

    /*! Where the import dialog starts. */
    void setImportDirectory(const QString &directory) { m_importDirectory = directory; }
    /*! The layers of the open project, which "Add construction" stores (empty without a project),
        and the name it offers for them (the project's name). */
    void setCurrentConstruction(const QVector<MaterialLayer> &layers, const QString &name = QString());

    /*! Shows the database anew (it may have been changed elsewhere); the selected row stays. */
    void reload();
    /*! The selected row, or -1. */
    int selectedRow() const;
    /*! A copy of the selected construction; an empty one when nothing is selected. */
    Construction selectedConstruction() const;
    /*! True when the constructions were changed since setChanged(false). */
    bool isChanged() const { return m_changed; }
    void setChanged(bool changed) { m_changed = changed; }

    ConstructionDatabaseTableModel *model() const { return m_model; }
    QTableView *tableView() const { return m_table; }
    VaDar::ConstructionViewWidget *preview() const { return m_preview; }
    QAction *addConstructionAction() const { return m_actionAdd; }
    QAction *deleteConstructionAction() const { return m_actionDelete; }
    QAction *editConstructionAction() const { return m_actionEdit; }
    QAction *copyConstructionAction() const { return m_actionCopy; }
    QAction *importConstructionsAction() const { return m_actionImport; }

signals:
    void constructionSelected(int row);
    void doubleClicked(int row);
    void selectionChanged();
    void constructionsChanged();

public slots:
    /*! Selects \a row, or the last row when \a row is past the end; -1 clears the selection. */
    void selectConstruction(int row);
    void on_actionAddConstruction_triggered();
    void on_actionDeleteConstruction_triggered();
    void on_actionEditConstruction_triggered();
    void on_actionCopyConstruction_triggered();
    void on_actionImportConstructions_triggered();

private slots:
    void updateSelection(const QItemSelection &selected, const QItemSelection &deselected);
    /*! A double click on layer \a layer of the drawing of the construction in \a row. */
    void doubleClick(int row, int layer);

private:
    QAction *createAction(const char *objectName, const QString &text, const QString &toolTip);
    void showSelection();
    void updateActions();
    void markChanged();

    ConstructionList &m_constructions;
    UserDialogs &m_dialogs;
    QString m_importDirectory;
    QVector<MaterialLayer> m_currentLayers;
    QString m_currentName;
    ConstructionDatabaseTableModel *m_model;
    QTableView *m_table;
    QLabel *m_selectedName;
    VaDar::ConstructionViewWidget *m_preview;
    QPlainTextEdit *m_notes;
    QAction *m_actionAdd;
    QAction *m_actionDelete;
    QAction *m_actionEdit;
    QAction *m_actionCopy;
    QAction *m_actionImport;
    int m_shownRow = -2; ///< the row whose construction is drawn (-2: none drawn yet)
    bool m_changed = false;
};

#endif // CONSTRUCTIONDATABASEWIDGET_H
