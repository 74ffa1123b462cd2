// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROJECTINFORMATIONEDITDIALOG_H
#define PROJECTINFORMATIONEDITDIALOG_H

#include <QDialog>

class EditorDocument;
class ProjectInformationEditWidget;

/*! "Edit Project Information": the texts of the open project that the report prints. Showing
    the dialog fills the form from the project; accepting changes the project through one step of
    the undo history. */
class ProjectInformationEditDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProjectInformationEditDialog(EditorDocument &document, QWidget *parent = nullptr);

    ProjectInformationEditWidget *editWidget() const { return m_edit; }

public slots:
    /*! Pushes the change (none when nothing changed) and closes the dialog. */
    void acceptChanges();

protected:
    void showEvent(QShowEvent *event) override;

private:
    EditorDocument &m_document;
    ProjectInformationEditWidget *m_edit;
};

#endif // PROJECTINFORMATIONEDITDIALOG_H
