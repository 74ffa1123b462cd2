// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROJECTINFORMATIONEDITWIDGET_H
#define PROJECTINFORMATIONEDITWIDGET_H

#include <QWidget>

#include "ProjectInformation.h"

class QLineEdit;
class QPlainTextEdit;

/*! The form of the descriptive project texts: name, construction ID, user, company and
    description. Shared by the preferences, the new-project wizard and the project information
    editor. Values the form does not show (disclaimer, heat flow direction) are kept from the
    record last set. */
class ProjectInformationEditWidget : public QWidget {
    Q_OBJECT
public:
    explicit ProjectInformationEditWidget(QWidget *parent = nullptr);

    void setProjectInformation(const ProjectInformation &information);
    /*! The record last set with the form's texts. */
    ProjectInformation projectInformation() const;

signals:
    /*! Any text of the form was edited. */
    void changed();

private:
    ProjectInformation m_information;
    QLineEdit *m_projectName;
    QLineEdit *m_constructionId;
    QLineEdit *m_user;
    QLineEdit *m_company;
    QPlainTextEdit *m_description;
};

#endif // PROJECTINFORMATIONEDITWIDGET_H
