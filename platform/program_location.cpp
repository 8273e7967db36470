// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/program_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "model/version_table.h"

namespace zq61 {

ProgramLocation currentProgramLocation() {
    ProgramLocation location;
    location.programDir =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    location.installRoot = installationRoot(location.programDir);
    location.executableName =
        QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
    return location;
}

std::string userSettingsFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base).filePath(QStringLiteral("zq61")).toStdString();
}

}  // namespace zq61
