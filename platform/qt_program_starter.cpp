// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_program_starter.h"

#include <QFileInfo>
#include <QProcess>

namespace zq61 {

bool QtProgramStarter::start(const std::string& programPath) {
    const QFileInfo program(QString::fromStdString(programPath));
    if (!program.isFile() || !program.isExecutable()) return false;
    return QProcess::startDetached(program.absoluteFilePath(), {}, program.absolutePath());
}

}  // namespace zq61
