// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROJECTINFORMATION_H
#define PROJECTINFORMATION_H

#include <QString>

#include "HeatFlowDirection.h"

class QSettings;
class QXmlStreamReader;
class QXmlStreamWriter;

/*! The descriptive texts of a project that the report prints, and the heat flow direction that
    selects the air-layer column for every air layer of the construction. Plain value type; all
    texts may be empty. */
class ProjectInformation {
public:
    /*! Empty texts, horizontal heat flow. */
    ProjectInformation() = default;

    /*! Reads the seven values from the group "DefaultProjectSettings" below the current group of
        \a settings; absent keys give empty texts and horizontal heat flow. A heat flow direction
        other than 0, 1 or 2 counts as absent. */
    void readDefaults(QSettings &settings);
    /*! Writes the seven values into the group "DefaultProjectSettings" below the current group. */
    void writeDefaults(QSettings &settings) const;

    // The element "ProjectInformation" of the project file; defined in the io library.
    bool readXML(QXmlStreamReader &reader);
    void writeXML(QXmlStreamWriter &writer) const;

    bool operator==(const ProjectInformation &other) const;
    bool operator!=(const ProjectInformation &other) const { return !(*this == other); }

    QString ProjectName;
    QString ConstructionID;
    QString UserName;
    QString Company;
    QString Description;
    QString DisclaimerText; ///< printed in the report
    ::HeatFlowDirection HeatFlowDirection = ::HeatFlowDirection::Horizontal;
};

#endif // PROJECTINFORMATION_H
