// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace zq61 {
namespace {

// The settings store says only that it could not save: its file and the
// operating system's reason are found for the message.
TEST(SettingsStoreTest, AStoreThatCannotBeSavedNamesItsFileAndWhy) {
    QTemporaryDir temp;
    QSettings fine(temp.filePath("fine.conf"), QSettings::IniFormat);
    fine.setValue("Radio/VerifyAfterWrite", true);
    EXPECT_FALSE(saveSettingsStore(fine));

    QFile blocker(temp.filePath("zq61"));  // a file where its folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = temp.filePath("zq61/preferences.conf");
    QSettings blocked(path, QSettings::IniFormat);
    blocked.setValue("Radio/VerifyAfterWrite", true);
    const auto problem = saveSettingsStore(blocked);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text(), path.toStdString() + ": Not a directory");
}

}  // namespace
}  // namespace zq61
