#include "platform/backup_store.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <set>

#include "model/bands.h"

namespace zq61 {
namespace {

const char* const kExtensions[] = {".dat", ".img", ".info"};

// "2026-12-08_091800.123Z_" starts every backup's name.
const QRegularExpression& stemPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\d{4}-\d{2}-\d{2}_\d{6}\.\d{3}Z_[A-Za-z0-9_-]*$)"));
    return pattern;
}

// Letters, digits and '-' of a text; anything else becomes '_'.
QString nameSafe(const std::string& text) {
    QString out;
    for (const char c : text) {
        const bool safe =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        out += safe ? QChar(c) : QChar('_');
    }
    return out.isEmpty() ? QStringLiteral("unknown") : out;
}

QString stemFor(const BackupContent& content, const QDateTime& when) {
    const std::string band = bandModeName(content.bandMode);
    return when.toUTC().toString(QStringLiteral("yyyy-MM-dd_HHmmss.zzz")) + "Z_" +
           nameSafe(content.model) + "_" + nameSafe(band.empty() ? "unknown" : band);
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
    if (!dir.mkpath(QStringLiteral("."))) {
        result.error = "the backup folder " + folder_ + " cannot be created";
        return result;
    }
    // Two reads within one millisecond: the later one moves on a millisecond.
    QDateTime at = when;
    QString stem = stemFor(content, at);
    const auto taken = [&dir](const QString& name) {
        return std::any_of(std::begin(kExtensions), std::end(kExtensions),
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
        const QString path = dir.filePath(stem + kExtensions[i]);
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
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files)) {
        const QString stem = file.completeBaseName();
        const QString suffix = "." + file.suffix();
        const bool ours = std::any_of(std::begin(kExtensions), std::end(kExtensions),
                                      [&](const char* e) { return suffix == e; });
        if (ours && stemPattern().match(stem).hasMatch()) stems.insert(stem.toStdString());
    }
    return {stems.begin(), stems.end()};
}

void BackupStore::prune(int keep) const {
    const std::vector<std::string> stems = list();
    const QDir dir(QString::fromStdString(folder_));
    for (std::size_t i = static_cast<std::size_t>(std::max(keep, 1)); i < stems.size(); ++i)
        for (const char* extension : kExtensions)
            QFile::remove(dir.filePath(QString::fromStdString(stems[i]) + extension));
}

}  // namespace zq61
