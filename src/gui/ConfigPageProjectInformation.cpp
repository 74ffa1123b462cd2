// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfigPageProjectInformation.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ProjectInformationEditWidget.h"
#include "Settings.h"

ConfigPageProjectInformation::ConfigPageProjectInformation(QWidget *parent) : QWidget(parent) {
    auto *text = new QLabel(tr("The settings below are transfered into newly created projects. To edit the "
                               "project information of the current project, use the project information "
                               "editor available from the edit menu."),
                            this);
    text->setWordWrap(true);
    m_edit = new ProjectInformationEditWidget(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_edit, 1);
}

void ConfigPageProjectInformation::load(const Settings &settings) {
    m_edit->setProjectInformation(settings.m_defaultProjectInformation);
}

void ConfigPageProjectInformation::store(Settings &settings) const {
    const ProjectInformation edited = m_edit->projectInformation();
    ProjectInformation &defaults = settings.m_defaultProjectInformation;
    defaults.ProjectName = edited.ProjectName;
    defaults.ConstructionID = edited.ConstructionID;
    defaults.UserName = edited.UserName;
    defaults.Company = edited.Company;
    defaults.Description = edited.Description;
}
