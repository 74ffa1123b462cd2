// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProjectInformationEditWidget.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

ProjectInformationEditWidget::ProjectInformationEditWidget(QWidget *parent) : QWidget(parent) {
    const auto lineEdit = [this](const char *name) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        connect(edit, &QLineEdit::textEdited, this, &ProjectInformationEditWidget::changed);
        return edit;
    };
    m_projectName = lineEdit("lineEditProjectName");
    m_constructionId = lineEdit("lineEditConstructionID");
    m_user = lineEdit("lineEditUser");
    m_company = lineEdit("lineEditCompany");
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("textEditDescription"));
    m_description->setTabChangesFocus(true);
    connect(m_description, &QPlainTextEdit::textChanged, this, &ProjectInformationEditWidget::changed);

    auto *layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addRow(tr("Project name:"), m_projectName);
    layout->addRow(tr("Construction ID:"), m_constructionId);
    layout->addRow(tr("Editor/User:"), m_user);
    layout->addRow(tr("Company:"), m_company);
    layout->addRow(tr("Description:"), m_description);
}

void ProjectInformationEditWidget::setProjectInformation(const ProjectInformation &information) {
    m_information = information;
    // Filling the form is no edit.
    const QSignalBlocker blocker(m_description);
    m_projectName->setText(information.ProjectName);
    m_constructionId->setText(information.ConstructionID);
    m_user->setText(information.UserName);
    m_company->setText(information.Company);
    m_description->setPlainText(information.Description);
}

ProjectInformation ProjectInformationEditWidget::projectInformation() const {
    ProjectInformation information = m_information;
    information.ProjectName = m_projectName->text();
    information.ConstructionID = m_constructionId->text();
    information.UserName = m_user->text();
    information.Company = m_company->text();
    information.Description = m_description->toPlainText();
    return information;
}
