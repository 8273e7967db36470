#pragma once

// Starts another installed program version as its own process.

#include <QFileInfo>
#include <QProcess>
#include <QString>

#include "model/program_versions.h"

namespace zq61::gui {

class QtProgramStarter : public ProgramStarter {
  public:
    bool start(const std::string& programPath) override {
        const QString path = QString::fromStdString(programPath);
        return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
    }

    // The file name every version folder holds this program under.
    static std::string executableName() {
#ifdef Q_OS_WIN
        return "zq61.exe";
#else
        return "zq61";
#endif
    }
};

}  // namespace zq61::gui
