// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONFIGPAGEPROJECTINFORMATION_H
#define CONFIGPAGEPROJECTINFORMATION_H

#include <QWidget>

class ProjectInformationEditWidget;
class Settings;

/*! "Default Project Info" of the preferences: the project information new projects start with. */
class ConfigPageProjectInformation : public QWidget {
    Q_OBJECT
public:
    explicit ConfigPageProjectInformation(QWidget *parent = nullptr);

    void load(const Settings &settings);
    /*! Stores the texts of the form; the default disclaimer and heat flow direction stay. */
    void store(Settings &settings) const;

    ProjectInformationEditWidget *editWidget() const { return m_edit; }

private:
    ProjectInformationEditWidget *m_edit;
};

#endif // CONFIGPAGEPROJECTINFORMATION_H
