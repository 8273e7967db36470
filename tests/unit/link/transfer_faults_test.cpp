// Whole reads and writes against a radio that drops, delays, damages and
// refuses its answers, from fixed seeds: every transfer must end, a read
// that succeeds must hold the radio's memory byte for byte, a read that
// fails must leave the document alone, and a write that succeeds must leave
// the radio holding exactly the packed document.

#include <gtest/gtest.h>

#include <random>

#include "link/engine/memory_map.h"
#include "radio_bench.h"
#include "random_document.h"

namespace zq61 {
namespace {

constexpr int kRead = static_cast<int>(TransferOperation::Read);
constexpr int kWrite = static_cast<int>(TransferOperation::Write);

struct Snapshot {
    RadioData data;
    ChannelArray channels;
    int16_t bandMode;
    std::string fileName;

    explicit Snapshot(const Document& d)
        : data(d.WorkData),
          channels(d.WorkChannels),
          bandMode(d.BandMode),
          fileName(d.DataFileName) {}
    bool operator==(const Snapshot&) const = default;
};

TEST(TransferUnderFaults, EveryTransferEndsAndNothingIsLost) {
    constexpr int kRuns = 240;
    int succeeded[3] = {};
    int failed[3] = {};
    int faults = 0;
    for (uint32_t seed = 1; seed <= kRuns; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
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

        const bool write = seed % 2 == 0;
        MemoryBytes packed{};
        if (write) {
            test::fillRandomDocument(b.doc, rng);
            b.doc.BandMode = static_cast<int16_t>(settings.bandMode);
            PackDocument(b.doc, packed);
            b.engine.WriteToRadio();
        } else {
            for (auto& byte : b.radio.memory())
                byte = static_cast<uint8_t>(rng());
        }
        const Snapshot before(b.doc);
        if (!write) b.engine.ReadFromRadio();

        ASSERT_TRUE(b.run(100000)) << "the transfer did not end";
        ASSERT_FALSE(b.engine.isBusy());
        ASSERT_EQ(b.ended.size(), 1u);
        const bool ok = b.ended[0].second == TransferResult::Success;
        ++(ok ? succeeded : failed)[write ? kWrite : kRead];
        faults += b.radio.faults().total();

        if (write && ok) {
            EXPECT_EQ(b.radio.memory(), packed);
        } else if (!write && ok) {
            EXPECT_EQ(b.engine.memoryImage(), b.radio.memory());
            test::RadioBench reference(settings);
            UnpackDocument(reference.doc, b.radio.memory(), settings.bandMode);
            EXPECT_EQ(b.doc.WorkData, reference.doc.WorkData);
            EXPECT_EQ(b.doc.WorkChannels, reference.doc.WorkChannels);
            EXPECT_EQ(b.doc.DataFileName, "new.dat");
        } else if (!write) {
            EXPECT_TRUE(Snapshot(b.doc) == before) << "a failed read changed the document";
        }
    }
    // The faults were real, most transfers still got through, and some
    // failed (so the failure path was checked too).
    EXPECT_GT(faults, kRuns * 5);
    EXPECT_GT(succeeded[kRead], kRuns / 2 * 6 / 10);
    EXPECT_GT(succeeded[kWrite], kRuns / 2 * 6 / 10);
    EXPECT_GT(failed[kRead], 0);
    EXPECT_GT(failed[kWrite], 0);
    RecordProperty("reads", std::to_string(succeeded[kRead]) + " ok, " +
                                std::to_string(failed[kRead]) + " failed");
    RecordProperty("writes", std::to_string(succeeded[kWrite]) + " ok, " +
                                 std::to_string(failed[kWrite]) + " failed");
}

}  // namespace
}  // namespace zq61
