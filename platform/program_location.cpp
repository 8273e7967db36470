#include "platform/program_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

}  // namespace zq61
