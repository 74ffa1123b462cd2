#include "ProjectInformation.h"

#include <QSettings>

#include "Material.h"

namespace {

const char *const DefaultsGroup = "DefaultProjectSettings";

bool isHeatFlowDirection(int value) {
    return value == Material::HeatFlowUpwards || value == Material::HeatFlowDownwards ||
           value == Material::HeatFlowHorizontal;
}

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
        settings.value(QStringLiteral("HeatFlowDirection"), Material::HeatFlowHorizontal).toInt(&ok);
    // A hand-edited store must not hand an unknown direction to every new project.
    HeatFlowDirection = ok && isHeatFlowDirection(direction) ? direction : int(Material::HeatFlowHorizontal);
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
    settings.setValue(QStringLiteral("HeatFlowDirection"), HeatFlowDirection);
    settings.endGroup();
}

bool ProjectInformation::operator==(const ProjectInformation &other) const {
    return ProjectName == other.ProjectName && ConstructionID == other.ConstructionID &&
           UserName == other.UserName && Company == other.Company && Description == other.Description &&
           DisclaimerText == other.DisclaimerText && HeatFlowDirection == other.HeatFlowDirection;
}
