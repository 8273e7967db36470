// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/backup_store.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>
#include <system_error>

#include "model/backup_names.h"
#include "model/file_io.h"

namespace zq61 {
namespace {

QString stemFor(const BackupContent& content, const QDateTime& when) {
    const QDateTime utc = when.toUTC();
    const QDate d = utc.date();
    const QTime t = utc.time();
    return QString::fromStdString(
        backupStem(backupNameOf(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(),
                                t.msec(), content.model, content.bandMode)));
}

bool writeWhole(const QString& path, const std::vector<uint8_t>& bytes, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        error = path + ": " + file.errorString();
        return false;
    }
    return true;
}

}  // namespace

std::string BackupStore::defaultFolder() {
    return (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/backups")
        .toStdString();
}

BackupResult BackupStore::save(const BackupContent& content, const QDateTime& when,
                               int keep) const {
    BackupResult result;
    const QString folder = QString::fromStdString(folder_);
    QDir dir(folder);
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    if (ec || !dir.exists()) {
        result.error = folder_ + ": " + (ec ? ec.message() : systemReason(ENOTDIR));
        return result;
    }
    // Two reads within one millisecond: the later one moves on a millisecond.
    QDateTime at = when;
    QString stem = stemFor(content, at);
    const auto taken = [&dir](const QString& name) {
        return std::any_of(std::begin(kBackupExtensions), std::end(kBackupExtensions),
                           [&](const char* e) { return dir.exists(name + e); });
    };
    while (taken(stem)) {
        at = at.addMSecs(1);
        stem = stemFor(content, at);
    }
    const std::vector<uint8_t>* parts[] = {&content.document, &content.image, &content.info};
    QStringList written;
    for (std::size_t i = 0; i < std::size(parts); ++i) {
        if (i != 1 && parts[i]->empty()) continue;  // the image is always kept
        const QString path = dir.filePath(stem + kBackupExtensions[i]);
        QString error;
        if (!writeWhole(path, *parts[i], error)) {
            for (const QString& w : written)
                QFile::remove(w);
            result.error = error.toStdString();
            return result;
        }
        written << path;
    }
    result.saved = true;
    result.path = written.front().toStdString();
    prune(keep);
    return result;
}

std::vector<std::string> BackupStore::list() const {
    std::set<std::string, std::greater<>> stems;
    const QDir dir(QString::fromStdString(folder_));
    for (const QString& file : dir.entryList(QDir::Files))
        if (const auto stem = backupStemOfFile(file.toStdString())) stems.insert(*stem);
    return {stems.begin(), stems.end()};
}

void BackupStore::prune(int keep) const {
    const std::vector<std::string> stems = list();
    const QDir dir(QString::fromStdString(folder_));
    for (std::size_t i = static_cast<std::size_t>(std::max(keep, 1)); i < stems.size(); ++i)
        for (const char* extension : kBackupExtensions)
            QFile::remove(dir.filePath(QString::fromStdString(stems[i]) + extension));
}

}  // namespace zq61
