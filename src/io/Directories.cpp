// SPDX-License-Identifier: GPL-3.0-or-later
#include "Directories.h"

#include <QCoreApplication>
#include <QStandardPaths>

QString userDataDir() {
    return QStandardPaths::writableLocation(QStandardPaths::DataLocation) + QStringLiteral("/../ZMT/Tavo2");
}

QString logFilePath() {
    return userDataDir() + QStringLiteral("/") + QStringLiteral("Tavo2") + QStringLiteral(".log");
}

QString resourcesDir() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/resources");
}

QString translationsDir() {
    return resourcesDir() + QStringLiteral("/translations");
}
