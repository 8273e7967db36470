// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/transfer_log.h"

#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zq61 {

namespace {

constexpr char kRunMark[] = "=== transfer run ";
constexpr char kRunMarkEnd[] = " ===";
constexpr char kTransferMark[] = "--- ";
constexpr char kLogFileName[] = "transfers.log";
// Another program may hold the log while it rewrites it: that takes
// milliseconds, so a lock still held after this long is not worth waiting
// for (the transfer goes on without its log entry).
constexpr int kLockWaitMs = 5000;

// The value of a "name: value" line, or nothing when the line is another.
bool valueOf(const std::string& line, std::string_view name, std::string& value) {
    if (!line.starts_with(name) || line.compare(name.size(), 2, ": ") != 0) return false;
    value = line.substr(name.size() + 2);
    return true;
}

void addLine(LoggedRun& run, const std::string& line) {
    run.text += line + "\n";
    std::string value;
    if (line.starts_with(kRunMark) && line.ends_with(kRunMarkEnd)) {
        const std::size_t from = sizeof kRunMark - 1;
        run.id = line.substr(from, line.size() - from - (sizeof kRunMarkEnd - 1));
    } else if (line.starts_with(kTransferMark) && line.ends_with(" ---") && line.size() > 8) {
        run.purposes.push_back(line.substr(4, line.size() - 8));
        run.ports.emplace_back();
        run.results.emplace_back();
    } else if (run.started.empty() && valueOf(line, "started", value)) {
        run.started = value;
    } else if (!run.ports.empty() && valueOf(line, "port", value)) {
        run.ports.back() = value;
    } else if (!run.results.empty() && valueOf(line, "result", value)) {
        run.results.back() = value;
    }
}

std::string reasonOf(const QString& path, const QString& why) {
    return (path + ": " + why).toStdString();
}

std::string lockProblem(const QString& path, QLockFile::LockError error) {
    switch (error) {
        case QLockFile::LockFailedError:
            return reasonOf(path, "another program holds the log (its lock file stays)");
        case QLockFile::PermissionError:
            return reasonOf(path, "the lock file cannot be made: permission denied");
        default:
            return reasonOf(path, "the lock file cannot be made");
    }
}

}  // namespace

std::string runText(const TransferRun& run) {
    std::string text = kRunMark + run.id + kRunMarkEnd + "\n";
    text += "program: " + run.program + "\n";
    text += "started: " + run.started + "\n";
    for (const TransferEntry& t : run.transfers) {
        text += kTransferMark + t.purpose + " ---\n";
        text += "port: " + t.port + "\n";
        for (const std::string& line : t.lines)
            text += line + "\n";
        text += "echo: " + t.echo + "\n";
        text += "low latency: " + t.lowLatency + "\n";
        text += "retries: " + std::to_string(t.retries) + "\n";
        text += "result: " + t.result + "\n";
    }
    for (const std::string& line : run.closing)
        text += line + "\n";
    return text;
}

std::vector<LoggedRun> parseTransferLog(const std::string& text) {
    std::vector<LoggedRun> runs;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        if (line.ends_with('\r')) line.pop_back();
        at = end + 1;
        if (runs.empty() || line.starts_with(kRunMark)) runs.emplace_back();
        addLine(runs.back(), line);
    }
    return runs;
}

std::string TransferLog::defaultFolder() {
    return (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/logs")
        .toStdString();
}

std::string TransferLog::filePath() const {
    return (std::filesystem::path(folder_) / kLogFileName).string();
}

std::string TransferLog::record(const TransferRun& run, int keep) const {
    const QString path = QString::fromStdString(filePath());
    std::error_code made;
    std::filesystem::create_directories(folder_, made);
    if (made)
        return reasonOf(QString::fromStdString(folder_), QString::fromStdString(made.message()));

    QLockFile lock(path + ".lock");
    if (!lock.tryLock(kLockWaitMs)) return lockProblem(path + ".lock", lock.error());

    std::string error;
    std::vector<LoggedRun> logged = runs(&error);
    if (!error.empty()) return error;  // an unreadable log is not replaced
    const std::string text = runText(run);
    const auto same = std::find_if(logged.begin(), logged.end(),
                                   [&](const LoggedRun& r) { return r.id == run.id; });
    if (same != logged.end()) {
        same->text = text;
    } else {
        logged.push_back({});
        logged.back().text = text;
    }
    const std::size_t kept = static_cast<std::size_t>(std::max(keep, 1));
    const std::size_t from = logged.size() > kept ? logged.size() - kept : 0;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return reasonOf(path, file.errorString());
    for (std::size_t i = from; i < logged.size(); ++i) {
        const std::string& t = logged[i].text;
        if (file.write(t.data(), static_cast<qint64>(t.size())) != static_cast<qint64>(t.size()))
            break;  // the reason is reported by commit
    }
    if (!file.commit()) return reasonOf(path, file.errorString());
    return {};
}

std::vector<LoggedRun> TransferLog::runs(std::string* error) const {
    const QString path = QString::fromStdString(filePath());
    QFile file(path);
    if (!file.exists()) return {};
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = reasonOf(path, file.errorString());
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error) *error = reasonOf(path, file.errorString());
        return {};
    }
    return parseTransferLog(bytes.toStdString());
}

}  // namespace zq61
