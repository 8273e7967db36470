// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/fleet/fleet_run.h"

#include <QCryptographicHash>

#include <algorithm>
#include <charconv>

#include "model/bands.h"

namespace zq61 {

FleetRun::FleetRun(FleetJob job, const std::vector<std::string>& ports, const Texts& texts,
                   const ProgramVersions& versions, const TransferLog& log)
    : job_(std::move(job)), lead_(log, TransferRecorder::programName()) {
    for (std::size_t i = 0; i < ports.size(); ++i) {
        auto radio = std::make_unique<FleetRadio>(job_, ports[i], texts, versions, log);
        radio->joinRun(lead_);
        radio->onChanged = [this, i] { radioChanged(i); };
        radio->onNote = [this, i](const std::string& line) {
            if (onNote) onNote(i, line);
        };
        radio->onLogProblem = [this](const std::string& problem) { logProblem(problem); };
        radios_.push_back(std::move(radio));
    }
}

void FleetRun::start() {
    if (started_) return;
    started_ = true;
    // Each start sends its handshake and returns; a radio whose port fails
    // ends at once and the others go on.
    for (auto& radio : radios_)
        radio->start();
    if (radios_.empty()) radioChanged(0);
}

void FleetRun::cancel() {
    for (auto& radio : radios_)
        radio->cancel();
}

std::vector<RadioOutcome> FleetRun::outcomes() const {
    std::vector<RadioOutcome> all;
    for (const auto& radio : radios_)
        all.push_back(radio->outcome());
    return all;
}

bool FleetRun::allSucceeded() const {
    return std::all_of(radios_.begin(), radios_.end(),
                       [](const auto& radio) { return radio->outcome().succeeded(); });
}

void FleetRun::logProblem(const std::string& problem) {
    if (logProblemTold_) return;
    logProblemTold_ = true;
    if (onLogProblem) onLogProblem(problem);
}

void FleetRun::radioChanged(std::size_t index) {
    if (index < radios_.size() && onChanged) onChanged(index);
    if (finished_ || !started_) return;
    if (!std::all_of(radios_.begin(), radios_.end(),
                     [](const auto& radio) { return radio->finished(); }))
        return;
    finished_ = true;
    std::vector<std::string> closing;
    const bool write = job_.operation == TransferOperation::Write;
    closing.push_back(std::string("several radios: ") + (write ? "write" : "read") +
                      (write && job_.verify ? " with verify" : "") + " of " +
                      std::to_string(radios_.size()) + " radio(s)");
    if (write) {
        closing.push_back("document: " + documentName_);
        closing.push_back("image sha-256: " + imageDigest(job_.image));
    } else {
        closing.push_back("folder: " + job_.folder);
    }
    for (const std::string& line : fleetTable(outcomes()))
        closing.push_back("  " + line);
    if (const auto failure = lead_.close(std::move(closing))) logProblem(*failure);
    if (onFinished) onFinished();
}

std::string imageDigest(const MemoryBytes& image) {
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()),
                           static_cast<qsizetype>(image.size()));
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

std::string secondsText(double seconds) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, seconds, std::chars_format::fixed, 1);
    return std::string(text, end.ptr);
}

std::string bandText(const RadioOutcome& outcome) {
    return outcome.bandMode < 0 ? std::string() : bandModeName(outcome.bandMode);
}

std::string resultText(const RadioOutcome& outcome) {
    std::string text = resultName(outcome.result);
    if (outcome.partlyWritten) text += " (partly written)";
    if (!outcome.reason.empty()) text += ": " + outcome.reason;
    return text;
}

std::vector<std::string> fleetTable(const std::vector<RadioOutcome>& outcomes) {
    std::vector<std::vector<std::string>> rows{
        {"port", "model", "band", "firmware", "seconds", "result"}};
    for (const RadioOutcome& o : outcomes) {
        rows.push_back({o.port, o.model.empty() ? "-" : o.model, o.bandMode < 0 ? "-" : bandText(o),
                        o.firmware.empty() ? "-" : o.firmware, secondsText(o.seconds),
                        resultText(o)});
    }
    // Every column but the last (the result, of any length) as wide as its
    // widest cell.
    std::vector<std::size_t> widths(rows.front().size() - 1, 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < widths.size(); ++c)
            line += row[c] + std::string(widths[c] - row[c].size() + 2, ' ');
        lines.push_back(line + row.back());
    }
    return lines;
}

}  // namespace zq61
