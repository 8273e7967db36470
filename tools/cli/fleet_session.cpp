// SPDX-License-Identifier: GPL-3.0-or-later
#include "fleet_session.h"

#include <QEventLoop>
#include <QFile>

#include <iostream>
#include <set>

#include "fleet_progress.h"
#include "json_writer.h"
#include "link/fleet/fleet_run.h"
#include "settings/serial_ports.h"
#include "terminal.h"

namespace zq61::cli {

namespace {

// What a radio is doing, for its progress line.
std::string stateText(const FleetRadio& radio) {
    const std::string percent = " " + std::to_string(radio.percent()) + "%";
    switch (radio.step()) {
        case FleetStep::Waiting:
            return "waiting";
        case FleetStep::Writing:
            return "writing" + percent;
        case FleetStep::Verifying:
            return "verifying" + percent;
        case FleetStep::Reading:
            return "reading" + percent;
        case FleetStep::Done:
            break;
    }
    return resultText(radio.outcome());
}

void printJson(std::ostream& out, const FleetJob& job, const std::vector<RadioOutcome>& outcomes,
               const std::string& documentName) {
    const bool write = job.operation == TransferOperation::Write;
    JsonWriter json(out);
    json.beginObject();
    json.field("operation", write ? "write" : "read");
    if (write) {
        json.field("document", documentName);
        json.field("imageSha256", imageDigest(job.image));
        json.key("verify");
        json.literal(job.verify ? "true" : "false");
    } else {
        json.field("folder", job.folder);
    }
    json.key("radios");
    json.beginArray();
    for (const RadioOutcome& o : outcomes) {
        json.beginObject();
        json.field("port", o.port);
        json.field("model", o.model);
        json.field("bandMode", bandText(o));
        json.field("firmware", o.firmware);
        json.field("result", resultName(o.result));
        json.field("reason", o.reason);
        json.key("partlyWritten");
        json.literal(o.partlyWritten ? "true" : "false");
        if (!write) json.field("file", o.file);
        json.key("seconds");
        json.literal(secondsText(o.seconds));
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

}  // namespace

bool takeSeveralRadios(RadioOptions& options) {
    if (options.ports.size() > 1 || !options.portsFrom.empty() || options.json) return true;
    if (!options.ports.empty()) options.port = options.ports.front();
    return false;
}

std::optional<std::vector<std::string>> fleetPorts(const RadioOptions& options) {
    std::vector<std::string> typed = options.ports;
    if (!options.portsFrom.empty()) {
        QFile file(QString::fromStdString(options.portsFrom));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::cerr << "The list of ports cannot be read: " << options.portsFrom << ": "
                      << file.errorString().toStdString() << std::endl;
            return std::nullopt;
        }
        while (!file.atEnd()) {
            const std::string line = file.readLine().trimmed().toStdString();
            if (!line.empty() && line.front() != '#') typed.push_back(line);
        }
    }
    if (typed.empty()) {
        std::cerr << "No serial port is given: name one with --port for each radio, or list them "
                     "in the file of --ports-from."
                  << std::endl;
        return std::nullopt;
    }
    std::vector<std::string> devices;
    std::set<std::string> seen, stems;
    for (const std::string& port : typed) {
        const std::string device = typedPortDeviceName(port);
        if (!seen.insert(device).second) {
            std::cerr << "The port " << device << " is given twice; each radio needs a port "
                      << "of its own." << std::endl;
            return std::nullopt;
        }
        // A read names each radio's file after its port.
        if (!stems.insert(portFileStem(device)).second) {
            std::cerr << "Two ports would give the same file name " << portFileStem(device)
                      << ".dat: " << device << std::endl;
            return std::nullopt;
        }
        devices.push_back(device);
    }
    return devices;
}

int runFleet(Context& context, const FleetJob& job, const std::vector<std::string>& ports,
             const RadioOptions& options, const std::string& documentName) {
    FleetRun run(job, ports, context.texts, context.versions,
                 TransferLog(TransferLog::defaultFolder()));
    run.setDocumentName(documentName);
    // A trace prints lines of its own; lines drawn in place would tear them.
    FleetProgress progress(std::cerr, stderrTakesCursorMoves() && !options.trace, ports);
    run.onChanged = [&](std::size_t i) { progress.update(i, stateText(run.radio(i))); };
    run.onNote = [&](std::size_t i, const std::string& line) { progress.note(i, line); };
    run.onLogProblem = [&](const std::string& problem) {
        progress.message("The transfer log could not be written (" + problem +
                         "); the transfers go on without it.");
    };
    QEventLoop loop;
    run.onFinished = [&loop] { loop.quit(); };
    run.start();
    if (!run.finished()) loop.exec();
    progress.finish();

    const std::vector<RadioOutcome> outcomes = run.outcomes();
    if (options.json) {
        printJson(context.out, job, outcomes, documentName);
    } else {
        if (job.operation == TransferOperation::Write)
            context.out << "Document: " << documentName
                        << "\nImage SHA-256: " << imageDigest(job.image) << "\n";
        for (const std::string& line : fleetTable(outcomes))
            context.out << line << "\n";
    }
    context.out.flush();
    return run.allSucceeded() ? kExitOk : kExitFailed;
}

}  // namespace zq61::cli
