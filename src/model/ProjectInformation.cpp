// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProjectInformation.h"

#include <QSettings>

namespace {

const char *const DefaultsGroup = "DefaultProjectSettings";

} // namespace

void ProjectInformation::readDefaults(QSettings &settings) {
    settings.beginGroup(QLatin1String(DefaultsGroup));
    ProjectName = settings.value(QStringLiteral("ProjectName"), QString()).toString();
    ConstructionID = settings.value(QStringLiteral("ConstructionID"), QString()).toString();
    UserName = settings.value(QStringLiteral("UserName"), QString()).toString();
    Company = settings.value(QStringLiteral("Company"), QString()).toString();
    Description = settings.value(QStringLiteral("Description"), QString()).toString();
    DisclaimerText = settings.value(QStringLiteral("DisclaimerText"), QString()).toString();
    bool ok = false;
    const int direction =
        settings.value(QStringLiteral("HeatFlowDirection"), int(::HeatFlowDirection::Horizontal)).toInt(&ok);
    // A hand-edited store must not hand an unknown direction to every new project.
    HeatFlowDirection = ::HeatFlowDirection::Horizontal;
    if (ok)
        heatFlowDirectionFromInt(direction, HeatFlowDirection);
    settings.endGroup();
}

void ProjectInformation::writeDefaults(QSettings &settings) const {
    settings.beginGroup(QLatin1String(DefaultsGroup));
    settings.setValue(QStringLiteral("ProjectName"), ProjectName);
    settings.setValue(QStringLiteral("ConstructionID"), ConstructionID);
    settings.setValue(QStringLiteral("UserName"), UserName);
    settings.setValue(QStringLiteral("Company"), Company);
    settings.setValue(QStringLiteral("Description"), Description);
    settings.setValue(QStringLiteral("DisclaimerText"), DisclaimerText);
    settings.setValue(QStringLiteral("HeatFlowDirection"), int(HeatFlowDirection));
    settings.endGroup();
}

bool ProjectInformation::operator==(const ProjectInformation &other) const {
    return ProjectName == other.ProjectName && ConstructionID == other.ConstructionID &&
           UserName == other.UserName && Company == other.Company && Description == other.Description &&
           DisclaimerText == other.DisclaimerText && HeatFlowDirection == other.HeatFlowDirection;
}
