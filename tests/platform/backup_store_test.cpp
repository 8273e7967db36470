// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/backup_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zq61 {
namespace {

BackupContent content(uint8_t fill, bool withInfo = false) {
    BackupContent c;
    c.document.assign(25611, fill);
    c.image.assign(7424, static_cast<uint8_t>(fill + 1));
    if (withInfo) c.info.assign(256, static_cast<uint8_t>(fill + 2));
    c.model = "ZQ-61";
    c.bandMode = 1;
    return c;
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QDateTime kStart(QDate(2026, 12, 8), QTime(9, 18, 0), Qt::UTC);

TEST(BackupStoreTest, OneBackupIsTheDocumentTheImageAndTheInformationArea) {
    QTemporaryDir temp;
    const BackupStore store((temp.path() + "/a/backups").toStdString());
    const BackupResult r = store.save(content(7, true), kStart);
    ASSERT_TRUE(r.saved) << r.error;
    const QString stem = temp.path() + "/a/backups/2026-12-08_091800.000Z_ZQ-61_HF";
    EXPECT_EQ(r.path, (stem + ".dat").toStdString());
    EXPECT_EQ(bytesOf(stem + ".dat"), QByteArray(25611, 7));
    EXPECT_EQ(bytesOf(stem + ".img"), QByteArray(7424, 8));
    EXPECT_EQ(bytesOf(stem + ".info"), QByteArray(256, 9));
    // A second read in the same millisecond gets a name of its own; one
    // without a document (of an unknown band mode) keeps its image.
    BackupContent imageOnly = content(1);
    imageOnly.document.clear();
    imageOnly.bandMode = 7;
    ASSERT_TRUE(store.save(imageOnly, kStart).saved);
    ASSERT_TRUE(store.save(imageOnly, kStart).saved);
    EXPECT_EQ(store.list(), (std::vector<std::string>{"2026-12-08_091800.001Z_ZQ-61_Unknown",
                                                      "2026-12-08_091800.000Z_ZQ-61_Unknown",
                                                      "2026-12-08_091800.000Z_ZQ-61_HF"}));
    EXPECT_EQ(bytesOf(temp.path() + "/a/backups/2026-12-08_091800.001Z_ZQ-61_Unknown.img"),
              QByteArray(7424, 2));
}

TEST(BackupStoreTest, OnlyTheNewestAreKeptAndOtherFilesAreLeftAlone) {
    QTemporaryDir temp;
    const BackupStore store(temp.path().toStdString());
    QFile mine(temp.path() + "/notes.dat");
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.close();
    // Saved out of order: age is the time in the name, not the order of saving.
    for (int i : {3, 0, 4, 1, 2})
        ASSERT_TRUE(store.save(content(1), kStart.addSecs(i), 3).saved);
    const auto kept = store.list();
    EXPECT_EQ(kept, (std::vector<std::string>{"2026-12-08_091804.000Z_ZQ-61_HF",
                                              "2026-12-08_091803.000Z_ZQ-61_HF",
                                              "2026-12-08_091802.000Z_ZQ-61_HF"}));
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files).size(), 3 * 2 + 1);
    EXPECT_TRUE(mine.exists());
}

TEST(BackupStoreTest, TheDefaultKeepsOneHundred) {
    QTemporaryDir temp;
    const BackupStore store(temp.path().toStdString());
    for (int i = 0; i <= kKeptBackups; ++i)
        ASSERT_TRUE(store.save(content(0), kStart.addSecs(i)).saved);
    const auto kept = store.list();
    ASSERT_EQ(kept.size(), 100u);
    EXPECT_EQ(kept.back(), "2026-12-08_091801.000Z_ZQ-61_HF");  // the first one is gone
}

TEST(BackupStoreTest, AFolderThatCannotBeMadeIsReportedNotThrown) {
    QTemporaryDir temp;
    QFile blocker(temp.path() + "/backups");  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const BackupResult r = BackupStore(blocker.fileName().toStdString()).save(content(0));
    EXPECT_FALSE(r.saved);
    EXPECT_NE(r.error.find("backups"), std::string::npos);
}

}  // namespace
}  // namespace zq61
