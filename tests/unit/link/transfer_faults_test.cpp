// SPDX-License-Identifier: GPL-3.0-or-later
// The soak: whole reads and writes from fixed seeds against radios that drop,
// delay, damage and refuse their answers (every fault kind of the virtual
// radio), with and without a password, over echoing and silent cables, and
// now and then a cable pulled out mid-transfer. Every transfer must end; a
// read that succeeds holds the radio's memory byte for byte, a write that
// succeeds leaves the radio holding exactly the packed document; a transfer
// that fails leaves the document and its file as they were, and a pulled
// cable ends it at once with the reason.
//
// ./test runs 1000 (seeds 1..1000); scripts/soak runs any number: the
// environment variables ZQ61_SOAK_RUNS and ZQ61_SOAK_FIRST_SEED set them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>

#include "link/engine/memory_map.h"
#include "model/dat_file.h"
#include "model/document_copies.h"
#include "model/file_io.h"
#include "model/text_ids.h"
#include "radio_bench.h"
#include "random_document.h"

namespace zq61 {
namespace {

enum class Outcome { Done, FailedCleanly, Hung, Damaged };

struct Tally {
    int done = 0, failedCleanly = 0, hung = 0, damaged = 0;
    int reads = 0, readsDone = 0, writes = 0, writesDone = 0, pulled = 0, faults = 0;
    std::vector<uint32_t> badSeeds;  // hung or damaged
};

struct Snapshot {
    RadioData work, file;
    ChannelArray workChannels, fileChannels;
    int16_t bandMode;
    std::string fileName;
    bool untitled;

    explicit Snapshot(const Document& d)
        : work(d.WorkData),
          file(d.FileData),
          workChannels(d.WorkChannels),
          fileChannels(d.FileChannels),
          bandMode(d.BandMode),
          fileName(d.DataFileName),
          untitled(d.IsUntitled) {}
    bool operator==(const Snapshot&) const = default;
};

// The document's file lives in memory where the system has it: a thousand
// saves cost no disk time.
std::string scratchFile() {
    namespace fs = std::filesystem;
    const fs::path base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
    // Several test processes may run at once.
    return (base / ("zq61-soak-" + std::to_string(std::random_device{}()) + ".dat")).string();
}

// One transfer of the soak; `why` says what went wrong when it hung or
// damaged something.
Outcome soakRun(uint32_t seed, const std::string& file, Tally& tally, std::string& why) {
    std::mt19937 rng(seed);
    sim::RadioSettings settings;
    settings.bandMode = static_cast<int>(rng() % 3);
    settings.echo = rng() % 2;
    settings.password = rng() % 3 ? "" : "K9";
    test::RadioBench b(settings);
    b.engine.setEchoAbsent(rng() % 2);
    b.engine.setEnteredPassword("K9");
    // A quarter of the radios are bad enough to make transfers fail.
    const double scale = seed % 8 < 2 ? 15 : 1;
    sim::FaultRates rates;
    rates.drop = rates.delay = rates.badSum = rates.wrongAddress = 0.004 * scale;
    rates.resend = rates.extraBytes = 0.01 * scale;
    b.radio.setFaults(rates, seed);
    // Confirm, then start again after at most two failure prompts.
    b.prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Ok};
    b.prompter.defaultAnswer = PromptAnswer::Cancel;
    // One cable in eight, of reads and writes alike, is pulled out somewhere
    // between the handshake and the end.
    if (seed % 16 == 5 || seed % 16 == 10) b.pullCableAfterFrames = 1 + rng() % 480;

    const bool write = seed % 2 == 0;
    if (write) {
        test::fillRandomDocument(b.doc, rng);
        b.doc.BandMode = static_cast<int16_t>(settings.bandMode);
    } else {
        for (auto& byte : b.radio.memory())
            byte = static_cast<uint8_t>(rng());
    }
    // The document as it was saved to its file before the transfer (the
    // packing a write does to frequency texts already done).
    MemoryBytes packed{};
    PackDocument(b.doc, packed);
    if (!saveDocumentAs(b.doc, file)) {
        why = "the document could not be saved first";
        return Outcome::Damaged;
    }
    const std::vector<uint8_t> fileBefore = readFileBytes(file).bytes;
    const Snapshot before(b.doc);
    write ? b.engine.WriteToRadio() : b.engine.ReadFromRadio();
    ++(write ? tally.writes : tally.reads);
    tally.pulled += b.pullCableAfterFrames > 0;

    if (!b.run(100000) || b.engine.isBusy() || b.ended.size() != 1) {
        why = "the transfer did not end";
        return Outcome::Hung;
    }
    tally.faults += b.radio.faults().total();
    const bool ok = b.ended[0].second == TransferResult::Success;
    if (readFileBytes(file).bytes != fileBefore) {
        why = "the document's file changed";
        return Outcome::Damaged;
    }
    const bool pulledDuring = b.cablePulledAt && *b.cablePulledAt <= b.endedAt[0];
    if (pulledDuring && b.endedAt[0] != *b.cablePulledAt) {
        why = "a pulled cable did not end the transfer at once";
        return Outcome::Hung;
    }
    if (pulledDuring && !ok && !b.prompter.showed(txt::kLinkLost)) {
        why = "a pulled cable was not told";
        return Outcome::Damaged;
    }
    if (write && ok && b.radio.memory() != packed) {
        why = "a successful write left other memory in the radio";
        return Outcome::Damaged;
    }
    if (!write && ok) {
        // The same document, saved as it was, then unpacked from the radio.
        test::RadioBench reference(settings);
        copyWorkToFile(reference.doc);
        UnpackDocument(reference.doc, b.radio.memory(), settings.bandMode);
        if (b.engine.memoryImage() != b.radio.memory() ||
            b.doc.WorkData != reference.doc.WorkData ||
            b.doc.WorkChannels != reference.doc.WorkChannels || b.doc.DataFileName != "new.dat") {
            why = "a successful read does not hold the radio's memory";
            return Outcome::Damaged;
        }
    }
    if ((write || !ok) && !(Snapshot(b.doc) == before)) {
        why = "the transfer changed the document";
        return Outcome::Damaged;
    }
    if (ok) ++(write ? tally.writesDone : tally.readsDone);
    return ok ? Outcome::Done : Outcome::FailedCleanly;
}

int environmentNumber(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

TEST(TransferUnderFaults, EveryTransferEndsAndNothingIsLost) {
    const int runs = environmentNumber("ZQ61_SOAK_RUNS", 1000);
    const auto first = static_cast<uint32_t>(environmentNumber("ZQ61_SOAK_FIRST_SEED", 1));
    const std::string file = scratchFile();
    Tally tally;
    for (uint32_t seed = first; seed < first + static_cast<uint32_t>(runs); ++seed) {
        std::string why;
        switch (soakRun(seed, file, tally, why)) {
            case Outcome::Done:
                ++tally.done;
                break;
            case Outcome::FailedCleanly:
                ++tally.failedCleanly;
                break;
            case Outcome::Hung:
                ++tally.hung;
                ADD_FAILURE() << "seed " << seed << ": " << why;
                break;
            case Outcome::Damaged:
                ++tally.damaged;
                ADD_FAILURE() << "seed " << seed << ": " << why;
                break;
        }
    }
    std::filesystem::remove(file);
    std::cout << "soak of " << runs << " transfers (seeds " << first << ".." << first + runs - 1
              << "): " << tally.done << " done, " << tally.failedCleanly << " failed cleanly, "
              << tally.hung << " hung, " << tally.damaged << " damaged; " << tally.readsDone << "/"
              << tally.reads << " reads and " << tally.writesDone << "/" << tally.writes
              << " writes done, " << tally.pulled << " cables pulled, " << tally.faults << " faults"
              << std::endl;
    EXPECT_EQ(tally.hung, 0);
    EXPECT_EQ(tally.damaged, 0);
    // The faults were real, most transfers still got through, and some
    // failed (so the failure path was checked too).
    if (runs >= 100) {
        EXPECT_GT(tally.faults, runs * 5);
        EXPECT_GT(tally.readsDone, tally.reads * 6 / 10);
        EXPECT_GT(tally.writesDone, tally.writes * 6 / 10);
        EXPECT_GT(tally.failedCleanly, 0);
    }
}

}  // namespace
}  // namespace zq61
