// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one window test class (its name is the first argument) or all of
// them, on the offscreen platform with a private settings store.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <memory>

#include "gui_test_support.h"
#include "settings/settings.h"

namespace zq61::test {
std::vector<std::pair<const char*, TestFactory>>& testClasses() {
    static std::vector<std::pair<const char*, TestFactory>> classes;
    return classes;
}
}  // namespace zq61::test

int main(int argc, char** argv) {
    // The window placement store, the data folder (backups) and the runtime
    // folder of this run only.
    QTemporaryDir home;
    const QByteArray config = (home.path() + "/config").toLocal8Bit();
    const QByteArray data = (home.path() + "/data").toLocal8Bit();
    const QByteArray runtime = (home.path() + "/runtime").toLocal8Bit();
    QDir().mkpath(QString::fromLocal8Bit(runtime));
    QFile::setPermissions(QString::fromLocal8Bit(runtime),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_CONFIG_HOME", config);
    qputenv("XDG_DATA_HOME", data);
    qputenv("XDG_RUNTIME_DIR", runtime);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> args{argv[0]};
    for (int i = only ? 2 : 1; i < argc; ++i)
        args.push_back(argv[i]);
    int n = static_cast<int>(args.size());

    QApplication app(n, args.data());
    QApplication::setQuitOnLastWindowClosed(false);
    zq61::useDotDecimalSeparator();
    int failures = 0;
    bool ran = false;
    for (auto& [name, make] : zq61::test::testClasses()) {
        if (only && std::strcmp(only, name) != 0) continue;
        ran = true;
        std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), n, args.data());
    }
    return ran ? failures : 1;
}
