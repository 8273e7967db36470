// SPDX-License-Identifier: GPL-3.0-or-later
// zq61-sim: a virtual ZQ-61 behind a pseudo-terminal. Prints the path of the
// port to open as the first line of its output, serves until SIGINT or
// SIGTERM, then saves the radio's memory when asked to.

#include <signal.h>

#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "program_version.h"  // made by the build
#include "tools/sim/core/virtual_radio.h"
#include "tools/sim/pseudo_terminal.h"
#include "tools/sim/radio_server.h"

namespace {

using namespace zq61::sim;

volatile std::sig_atomic_t stopRequested = 0;

void onStopSignal(int) {
    stopRequested = 1;
}

struct Options {
    std::string band;
    std::string model = "ZQ-61";
    std::string firmware = "V100";
    bool noCtcss = false;
    std::string password;
    bool passwordGiven = false;
    bool echo = false;
    std::string memoryFile;
    std::string infoFile;
    std::string saveMemoryFile;
    bool pace = false;
    int replyDelayMs = RadioSettings{}.replyDelayMs;
    double faultRate = 0;
    uint32_t seed = 1;
    int corruptByte = -1;
    std::string logFile;
    int vanishAfter = 0;
};

// The whole file when it has exactly `size` bytes; otherwise a clear refusal.
std::vector<uint8_t> readImage(const std::string& path, size_t size, const char* what) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    if (bytes.size() != size)
        throw std::runtime_error(path + " holds " + std::to_string(bytes.size()) + " bytes; " +
                                 what + " has " + std::to_string(size) + " bytes");
    return bytes;
}

// Through a temporary file, so that a failed save leaves an earlier file whole.
void saveImage(const std::string& path, std::span<const uint8_t> bytes) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            throw std::runtime_error("cannot write " + path);
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot write " + path + ": " + error.message());
    }
}

int serve(const Options& o) {
    RadioSettings settings;
    settings.model = o.model;
    settings.firmware = o.firmware;
    settings.ctcssDcs = !o.noCtcss;
    settings.replyDelayMs = o.replyDelayMs;
    settings.echo = false;  // the server gives the echo, on the wire's terms

    std::vector<uint8_t> memory, info;
    if (!o.memoryFile.empty()) memory = readImage(o.memoryFile, kMemorySize, "a memory image");
    if (!o.infoFile.empty()) info = readImage(o.infoFile, kInfoSize, "an information area");
    static const std::vector<std::string> kBands{"cb", "hf", "ham"};
    if (!o.band.empty()) {
        settings.bandMode =
            static_cast<int>(std::find(kBands.begin(), kBands.end(), o.band) - kBands.begin());
    } else if (!info.empty()) {
        settings.bandMode = info[0] & 0x0F;  // the radio's own band mode
    }

    VirtualRadio radio(settings);
    if (!memory.empty()) std::copy(memory.begin(), memory.end(), radio.memory().begin());
    if (!info.empty()) std::copy(info.begin(), info.end(), radio.info().begin());
    if (!o.band.empty()) radio.info()[0] = static_cast<uint8_t>(settings.bandMode);
    if (o.passwordGiven) radio.setPassword(o.password);
    if (o.corruptByte >= 0) radio.corruptStoredByte(o.corruptByte);
    if (o.faultRate > 0) {
        const double r = o.faultRate;
        radio.setFaults({r, r, r, r, r, r}, o.seed);
    }

    std::ofstream log;
    if (!o.logFile.empty()) {
        log.open(o.logFile, std::ios::trunc);
        if (!log) throw std::runtime_error("cannot write " + o.logFile);
    }
    // One line per frame, stamped with the milliseconds since the start.
    const auto started = std::chrono::steady_clock::now();
    auto writeLog = [&](const std::string& line) {
        if (!log.is_open()) return;
        const std::chrono::duration<double, std::milli> t =
            std::chrono::steady_clock::now() - started;
        log << std::fixed << std::setprecision(3) << t.count() << ' ' << line << std::endl;
    };
    radio.setLog(writeLog);

    PseudoTerminal terminal;
    sigset_t stopSignals, waitMask;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    sigdelset(&waitMask, SIGINT);
    sigdelset(&waitMask, SIGTERM);
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    std::cout << terminal.slavePath() << std::endl;  // flushed: the caller waits for it

    RadioServer server(radio, terminal.masterFd(), {o.pace, o.echo, o.vanishAfter}, writeLog);
    server.run(stopRequested, waitMask);

    const FaultCounts& f = radio.faults();
    if (f.total() > 0)
        std::cerr << "zq61-sim: " << f.total() << " faults (dropped " << f.drop << ", late "
                  << f.delay << ", bad sum " << f.badSum << ", wrong address " << f.wrongAddress
                  << ", asked again " << f.resend << ", extra bytes " << f.extraBytes << ")\n";
    if (!o.saveMemoryFile.empty()) saveImage(o.saveMemoryFile, radio.memory());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    CLI::App app{
        "A virtual ZQ-61 radio behind a pseudo-terminal. Prints the port's path as "
        "its first line and serves until SIGINT or SIGTERM.",
        "zq61-sim"};
    app.set_version_flag("--version", zq61::versionText("zq61-sim"));
    app.add_option("--band", o.band, "Band mode of the radio: cb, hf or ham (default ham)")
        ->transform(CLI::IsMember({"cb", "hf", "ham"}, CLI::ignore_case));
    app.add_option("--model", o.model, "Model text of the identity reply (up to 7 characters)")
        ->check(CLI::Validator(
            [](std::string& s) { return s.size() <= 7 ? "" : "up to 7 characters"; }, "TEXT"));
    app.add_option("--firmware", o.firmware, "Firmware version text (up to 4 characters)")
        ->check(CLI::Validator(
            [](std::string& s) { return s.size() <= 4 ? "" : "up to 4 characters"; }, "TEXT"));
    app.add_flag("--no-ctcss", o.noCtcss, "The radio has no CTCSS/DCS function");
    app.add_option("--password", o.password,
                   "The radio's programming password (up to 4 characters)")
        ->check(CLI::Validator(
            [](std::string& s) { return s.size() <= 4 ? "" : "up to 4 characters"; }, "TEXT"))
        ->each([&](const std::string&) { o.passwordGiven = true; });
    app.add_flag("--echo", o.echo, "The cable echoes every byte the program sends");
    app.add_option("--memory", o.memoryFile, "Memory image to start from (7424 bytes)");
    app.add_option("--info", o.infoFile, "Information area to start from (256 bytes)");
    app.add_option("--save-memory", o.saveMemoryFile, "Write the memory image here on exit");
    app.add_flag("--pace", o.pace, "Bytes take their time on the wire at 9600 baud 8N1");
    app.add_option("--reply-delay", o.replyDelayMs, "The radio's time to answer a frame, in ms")
        ->check(CLI::Range(0, 10000));
    app.add_option("--faults", o.faultRate,
                   "Probability of each kind of fault per answer (dropped, late, bad sum, "
                   "wrong address, asked again, extra bytes)")
        ->check(CLI::Range(0.0, 1.0));
    app.add_option("--seed", o.seed, "Seed of the faults");
    app.add_option("--corrupt-byte", o.corruptByte,
                   "A damaged memory cell: the byte written at this address (0x0000-0x1CFF, "
                   "decimal or 0x hex) is stored with its bits inverted")
        ->check(CLI::Range(0, kMemorySize - 1));
    app.add_option("--log", o.logFile, "Write every frame received and sent, in hex, here");
    app.add_option("--vanish-after", o.vanishAfter,
                   "After this many answers the device goes away, as a cable pulled out: the "
                   "port closes and the radio ends (saving its memory when asked to)")
        ->check(CLI::Range(1, 1000000));
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int shown = app.exit(e);
        return shown == 0 ? 0 : 2;
    }
    try {
        return serve(o);
    } catch (const std::exception& e) {
        std::cerr << "zq61-sim: " << e.what() << '\n';
        return 1;
    }
}
