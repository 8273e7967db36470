// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/dat_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "document_test_support.h"
#include "model/channel_list.h"
#include "model/dat_layout.h"
#include "model/document_copies.h"
#include "support/test_platform.h"

namespace zq61 {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

class DatFileTest : public test::DocumentTest {
  protected:
    ProgramVersions versions{VersionTable{}, dir.string(), "zq61", starter};

    void SetUp() override {
        DocumentTest::SetUp();
        VersionTable table;
        table.Pairs = {{"V100", "V100"}, {"V200", "V200"}};
        versions = ProgramVersions(table, dir.string(), "zq61", starter);
    }

    // The bytes of a new HAM document as saved.
    Bytes newHamFile() {
        newDocument(doc, newOptions());
        EXPECT_TRUE(saveDocumentAs(doc, path("new-ham.dat")));
        return readAll(path("new-ham.dat"));
    }
};

std::string text(const Bytes& b, std::size_t at, std::size_t n) {
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at),
                       b.begin() + static_cast<std::ptrdiff_t>(at + n));
}

Bytes slice(const Bytes& b, std::size_t at, std::size_t n) {
    return Bytes(b.begin() + static_cast<std::ptrdiff_t>(at),
                 b.begin() + static_cast<std::ptrdiff_t>(at + n));
}

TEST_F(DatFileTest, NewHamDocumentIsWrittenToTheByte) {
    const Bytes f = newHamFile();
    ASSERT_EQ(f.size(), 25611u);
    // Header and channel count.
    EXPECT_EQ(text(f, 0, 7), "ZQ-61  ");
    EXPECT_EQ(slice(f, 7, 2), (Bytes{0x02, 0x00}));
    EXPECT_EQ(text(f, 9, 4), "V100");
    EXPECT_EQ(slice(f, 13, 2), (Bytes{0x0A, 0x00}));
    // Options: CurGroup, items 0 and 1, CurMemCh, GroupOn.
    EXPECT_EQ(slice(f, 15, 10), (Bytes{0, 0, 0, 0, 0, 0, 1, 0, 1, 0}));
    EXPECT_EQ(slice(f, 25, 78), Bytes(78, 0));  // GroupOn 1..9, GroupCh1..3
    EXPECT_EQ(slice(f, 103, 30), (Bytes{0, 0, 4, 0, 1, 0, 1, 0, 3, 0, 0, 0, 3, 0, 0,
                                        0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(slice(f, 133, 4), (Bytes{0x01, 0x00, 0xA0, 0x00}));
    EXPECT_EQ(slice(f, 137, 36), Bytes(36, 0));  // emergency modulations, trailing bytes
    // Feature channel: number, reserved, scan and frequency never set (NUL), offset 5.
    EXPECT_EQ(slice(f, 173, 14), Bytes(14, 0));
    EXPECT_EQ(slice(f, 187, 2), (Bytes{0x05, 0x00}));
    EXPECT_EQ(slice(f, 189, 44), Bytes(44, 0));
    // Keys: mode 3, functions 1..18.
    EXPECT_EQ(slice(f, 233, 4), (Bytes{0x03, 0x00, 0x01, 0x00}));
    EXPECT_EQ(slice(f, 269, 2), (Bytes{0x12, 0x00}));
    // DTMF timings, codes of length 0 with blank text, trailing Integers.
    EXPECT_EQ(slice(f, 271, 12), (Bytes{10, 0, 0, 0, 2, 0, 0, 0, 0, 0, 1, 0}));
    for (std::size_t code = 0; code < 16; ++code) {
        EXPECT_EQ(slice(f, 283 + 18 * code, 2), Bytes(2, 0));
        EXPECT_EQ(text(f, 285 + 18 * code, 16), std::string(16, ' '));
    }
    EXPECT_EQ(slice(f, 571, 20), Bytes(20, 0));
    // Tone tips: tip 1 starts (210,10) (0,10); tip 2 ends (0,4); count 1, pause 0;
    // tip 6 to 8 untouched.
    EXPECT_EQ(slice(f, 591, 8), (Bytes{0xD2, 0, 0x0A, 0, 0, 0, 0x0A, 0}));
    EXPECT_EQ(slice(f, 591 + 56, 4), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(slice(f, 651 + 52, 8), (Bytes{0, 0, 4, 0, 1, 0, 0, 0}));
    EXPECT_EQ(slice(f, 591 + 5 * 60, 180), Bytes(180, 0));
    // Channel 1 at 1071: number 1, reserved 0, scan 1, 28.85 MHz, offset 100,
    // NB and Public on.
    EXPECT_EQ(slice(f, 1071, 6), (Bytes{1, 0, 0, 0, 1, 0}));
    EXPECT_EQ(text(f, 1077, 8), "02885000");
    EXPECT_EQ(slice(f, 1085, 2), (Bytes{100, 0}));
    EXPECT_EQ(slice(f, 1071 + 26, 2), (Bytes{1, 0}));
    EXPECT_EQ(slice(f, 1071 + 34, 2), (Bytes{1, 0}));
    // VFO slot (401 = 0x191) second, memory channel 409 tenth.
    EXPECT_EQ(slice(f, 1131, 2), (Bytes{0x91, 0x01}));
    EXPECT_EQ(text(f, 1131 + 6, 8), "02885000");
    EXPECT_EQ(slice(f, 1611, 2), (Bytes{0x99, 0x01}));
    EXPECT_EQ(text(f, 1611 + 6, 8), "02800500");
    // Records 10..408 hold what the empty arrays held.
    EXPECT_EQ(slice(f, 1671, 25611 - 1671), Bytes(25611 - 1671, 0));
}

TEST_F(DatFileTest, OpensValidFilesAndTakesOverTheirHeader) {
    Bytes f = newHamFile();
    f[7] = 0;         // CB
    f[13] = 0;        // no channels
    f[5] = f[6] = 0;  // "ZQ-61" padded with NUL
    writeAll(path("cb.dat"), f);
    doc.IsUntitled = true;
    ASSERT_EQ(openDocument(doc, path("cb.dat"), versions), OpenResult::Opened);
    EXPECT_EQ(doc.WorkData.ChannelCount, 0);
    EXPECT_EQ(doc.ModelName, "ZQ-61");
    EXPECT_EQ(doc.BandMode, 0);
    EXPECT_EQ(doc.Info.BandMode, 0);
    EXPECT_EQ(doc.BandRangeText, "26.965 - 27.405 MHz");
    EXPECT_DOUBLE_EQ(doc.BandLowMHz, 26.965);
    EXPECT_EQ(doc.FileData.Header.Version.str(), "V100");
    EXPECT_EQ(doc.DataFileName, path("cb.dat"));
    EXPECT_FALSE(doc.IsUntitled);
    EXPECT_FALSE(isChanged(doc));
    EXPECT_TRUE(prompter.shown.empty());
}

// Each refused or failed open leaves the document exactly as it was.
TEST_F(DatFileTest, RefusedOrFailedOpenChangesNothing) {
    struct Case {
        const char* name;
        std::function<void(Bytes&)> damage;
        std::vector<PromptAnswer> answers;
        OpenResult result;
        std::vector<std::string> shown;
        std::vector<std::string> started;
    };
    auto set = [](std::size_t at, std::string s) {
        return [at, s](Bytes& f) { std::copy(s.begin(), s.end(), f.begin() + at); };
    };
    const std::string v200Question = "T9062\r\nT9064 V2.00\r\nT9061 V1.00";
    const std::string v300Question = "T9062\r\nT9064 V3.00\r\nT9061 V1.00";
    // 9002 names the file and why it cannot be opened.
    const std::string notWhole = "T9002\r\n" + path("bad.dat") + ": T27603";
    const std::vector<Case> cases = {
        {"other model", set(0, "ZQ-62  "), {}, OpenResult::Refused, {"T9012"}, {}},
        {"lower-case model", set(0, "zq-61  "), {}, OpenResult::Refused, {"T9012"}, {}},
        {"three-character version", set(9, "V10 "), {}, OpenResult::Refused, {"T9065"}, {}},
        {"version not starting with V", set(9, "X100"), {}, OpenResult::Refused, {"T9065"}, {}},
        {"listed version, No",
         set(9, "V200"),
         {PromptAnswer::No},
         OpenResult::Refused,
         {v200Question},
         {}},
        {"listed version, Yes",
         set(9, "V200"),
         {PromptAnswer::Yes},
         OpenResult::OtherVersionStarted,
         {v200Question},
         {(fs::path(dir) / "V200" / "zq61").string()}},
        {"unlisted version, Yes",
         set(9, "V300"),
         {PromptAnswer::Yes},
         OpenResult::Refused,
         {v300Question, "T9063"},
         {}},
        {"one byte short", [](Bytes& f) { f.pop_back(); }, {}, OpenResult::Failed, {notWhole}, {}},
        {"header only", [](Bytes& f) { f.resize(20); }, {}, OpenResult::Failed, {notWhole}, {}},
        {"shorter than a header",
         [](Bytes& f) { f.resize(5); },
         {},
         OpenResult::Failed,
         {notWhole},
         {}},
        {"count 410",
         [](Bytes& f) { f[13] = 0x9A, f[14] = 0x01; },
         {},
         OpenResult::Failed,
         {notWhole},
         {}},
        {"count -1",
         [](Bytes& f) { f[13] = f[14] = 0xFF; },
         {},
         OpenResult::Failed,
         {notWhole},
         {}},
        {"band mode 3",
         [](Bytes& f) { f[7] = 3; },
         {},
         OpenResult::Refused,
         {"Country Mode Error!"},
         {}},
    };
    Bytes good = newHamFile();
    // A document that differs from the file in both copies and is unsaved.
    addChannel(doc, 5, "28.5");
    doc.WorkData.Keys.KeyModeSet = 9;
    ASSERT_TRUE(isChanged(doc));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes f = good;
        c.damage(f);
        writeAll(path("bad.dat"), f);
        prompter.shown.clear();
        prompter.answers.assign(c.answers.begin(), c.answers.end());
        starter.started.clear();
        const auto before = test::DocumentState::of(doc);
        EXPECT_EQ(openDocument(doc, path("bad.dat"), versions), c.result);
        EXPECT_EQ(prompter.texts(), c.shown);
        EXPECT_EQ(starter.started, c.started);
        EXPECT_TRUE(test::DocumentState::of(doc) == before);
    }
    prompter.shown.clear();
    EXPECT_EQ(openDocument(doc, path("missing.dat"), versions), OpenResult::Failed);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"T9002\r\n" + path("missing.dat") +
                                                         ": No such file or directory"});
}

TEST_F(DatFileTest, FailedSaveKeepsTheEarlierFileAndTheUnsavedState) {
    newHamFile();
    const Bytes earlier = readAll(path("new-ham.dat"));
    addChannel(doc, 7, "29.1");
    const auto before = test::DocumentState::of(doc);
    // 9002 names the file and the system's reason.
    auto expectFailedSave = [&](const std::string& target, const std::string& reason) {
        prompter.shown.clear();
        EXPECT_FALSE(saveDocumentAs(doc, target));
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{"T9002\r\n" + target + ": " + reason});
        EXPECT_TRUE(test::DocumentState::of(doc) == before);
        EXPECT_TRUE(isChanged(doc));
    };
    expectFailedSave(path("no-such-folder/x.dat"), "No such file or directory");
    fs::create_directories(dir / "a-folder.dat");
    expectFailedSave(path("a-folder.dat"), test::reasonForAFolderInTheWay());

    // A read-only folder (root may write anyway, so only as another user).
    fs::create_directories(dir / "ro");
    writeAll(path("ro/old.dat"), earlier);
    fs::permissions(dir / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    if (test::filePermissionsBind()) {
        expectFailedSave(path("ro/old.dat"), "Permission denied");
        EXPECT_EQ(readAll(path("ro/old.dat")), earlier);
    }
    fs::permissions(dir / "ro", fs::perms::owner_all);

    // A disk that fills up during the write: the earlier file stays whole
    // and no temporary file is left behind.
    bool diskFilled = false;
    {
        const test::FileSizeLimit fullDisk(4096);
        diskFilled = fullDisk.active();
        if (diskFilled) expectFailedSave(path("new-ham.dat"), "File too large");
    }
    if (diskFilled) {
        EXPECT_EQ(readAll(path("new-ham.dat")), earlier);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3);
    }

    // Saving again when possible works and clears the unsaved state.
    EXPECT_TRUE(saveDocument(doc));
    EXPECT_FALSE(isChanged(doc));
    EXPECT_EQ(readAll(path("new-ham.dat")).size(), 25611u);
}

// Random documents (fixed seed): every field, text and spare byte random,
// only the header and channel count kept to what a document can hold.
TEST_F(DatFileTest, SaveThenOpenGivesTheSameDocument) {
    std::mt19937 rng(6101);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        Bytes random(dat::kFileSize);
        for (auto& byte : random)
            byte = static_cast<uint8_t>(rng());
        test::ScriptedPrompter p;
        Document a(p, texts);
        dat::readFile(random, a.WorkData, a.WorkChannels);
        dat::readFile(Bytes(random.rbegin(), random.rend()), a.FileData, a.FileChannels);
        a.BandMode = static_cast<int16_t>(rng() % 3);
        a.WorkData.ChannelCount = static_cast<int16_t>(rng() % 410);

        const std::string file = path("round.dat");
        ASSERT_TRUE(saveDocumentAs(a, file));
        EXPECT_FALSE(isChanged(a));

        Document b(p, texts);
        ASSERT_EQ(openDocument(b, file, versions), OpenResult::Opened);
        EXPECT_FALSE(isChanged(b));
        EXPECT_TRUE(b.WorkData == a.WorkData);
        EXPECT_TRUE(b.FileChannels == a.FileChannels);
        EXPECT_TRUE(std::equal(a.WorkChannels.begin(),
                               a.WorkChannels.begin() + a.WorkData.ChannelCount,
                               b.WorkChannels.begin()));
        EXPECT_EQ(b.BandMode, a.BandMode);
        ASSERT_TRUE(saveDocumentAs(b, path("again.dat")));
        EXPECT_EQ(readAll(path("again.dat")), readAll(file));
        EXPECT_TRUE(p.shown.empty());
    }
}

TEST_F(DatFileTest, ChangedComparesWhatTheUserCanChange) {
    newDocument(doc, newOptions());
    const std::vector<std::pair<const char*, std::function<void(Document&)>>> changes = {
        {"model", [](Document& d) { d.WorkData.Header.Model = "ZQ-6"; }},
        {"band mode", [](Document& d) { d.WorkData.Header.HeaderBandMode = 1; }},
        {"count", [](Document& d) { d.WorkData.ChannelCount = 9; }},
        {"channel field", [](Document& d) { d.WorkChannels[9].TSQ = 1; }},
        {"frequency", [](Document& d) { d.WorkChannels[0].Frequency = "02885001"; }},
        {"option", [](Document& d) { d.WorkData.Options.MaxLimit = 150; }},
        {"feature", [](Document& d) { d.WorkData.FeatChannel.DTMF_BOT = 2; }},
        {"key", [](Document& d) { d.WorkData.Keys.KeyFunctions[17] = 1; }},
        {"dtmf code", [](Document& d) { d.WorkData.Dtmf.Codes[15].Code = "12"; }},
        {"dtmf length", [](Document& d) { d.WorkData.Dtmf.Codes[0].Length = 2; }},
        {"tone step", [](Document& d) { d.WorkData.ToneTips.Tips[7].Steps[13].Pitch = 1; }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        copyWorkToFile(doc);
        ASSERT_FALSE(isChanged(doc));
        change(doc);
        EXPECT_TRUE(isChanged(doc));
        copyFileToWork(doc);
    }
    // Not differences: the versions, channels beyond the count, and DTMF codes
    // that differ only in trailing blanks or what follows a NUL.
    copyWorkToFile(doc);
    doc.WorkData.Header.Version = "V999";
    doc.WorkChannels[10].ChNo = 77;
    doc.WorkData.Dtmf.Codes[3].Code.setBytes(std::string("12\0\0zzzzzzzzzzzz", 16).data());
    doc.FileData.Dtmf.Codes[3].Code = "12";
    EXPECT_FALSE(isChanged(doc));
}

}  // namespace
}  // namespace zq61
