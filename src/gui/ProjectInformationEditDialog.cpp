// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProjectInformationEditDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "Document.h"
#include "EditorDocument.h"
#include "ProjectInformationEditWidget.h"
#include "T2_UndoChangeProjectInfo.h"

ProjectInformationEditDialog::ProjectInformationEditDialog(EditorDocument &document, QWidget *parent)
    : QDialog(parent), m_document(document) {
    setObjectName(QStringLiteral("projectInformationEditDialog"));
    setWindowTitle(tr("Edit Project Information"));
    auto *text = new QLabel(tr("Here you can edit the project information for the currently loaded project. "
                               "The information entered here appear on the printing calculation report.\n\n"
                               "New projects will initially get default project information, that can be "
                               "edited in the preferences dialog."),
                            this);
    text->setWordWrap(true);
    m_edit = new ProjectInformationEditWidget(this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProjectInformationEditDialog::acceptChanges);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_edit, 1);
    layout->addWidget(buttons);
    resize(560, 420);
}

void ProjectInformationEditDialog::showEvent(QShowEvent *event) {
    if (const Document *document = m_document.document())
        m_edit->setProjectInformation(document->projectInformation());
    QDialog::showEvent(event);
}

void ProjectInformationEditDialog::acceptChanges() {
    if (m_document.hasDocument()) {
        // An unchanged form leaves no step in the history.
        m_document.push(new T2_UndoChangeProjectInfo(m_document, tr("Undo change of project informations."),
                                                     m_edit->projectInformation()));
    }
    accept();
}
