// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/new_document.h"

#include <gtest/gtest.h>

#include "document_test_support.h"
#include "model/channel_list.h"
#include "model/dat_file.h"
#include "model/document_copies.h"

namespace zq61 {
namespace {

namespace fs = std::filesystem;

class NewDocumentTest : public test::DocumentTest {
  protected:
    // Writes a default file into the Init folder: a document of `mode` with
    // the given channels and key mode, saved by a document of its own.
    void writeDefaultFile(const std::string& name, int mode, std::vector<int> channels,
                          int16_t keyMode) {
        test::ScriptedPrompter p;
        Document d(p, texts);
        d.BandMode = static_cast<int16_t>(mode);
        d.WorkData.Keys.KeyModeSet = keyMode;
        for (int ch : channels)
            addChannel(d, ch, "27.00500");
        fs::create_directories(dir / "Init");
        ASSERT_TRUE(saveDocumentAs(d, path("Init/" + name)));
    }

    std::vector<std::pair<int, std::string>> channelList() const {
        std::vector<std::pair<int, std::string>> out;
        for (int i = 0; i < doc.WorkData.ChannelCount; ++i)
            out.emplace_back(doc.WorkChannels[i].ChNo, doc.WorkChannels[i].Frequency.str());
        return out;
    }
};

TEST_F(NewDocumentTest, WithoutDefaultFilesGivesTenChannelsAroundTheBandMiddle) {
    for (const auto& [mode, middle] : std::vector<std::pair<int, std::string>>{
             {0, "02718500"}, {1, "02786000"}, {2, "02885000"}}) {
        SCOPED_TRACE(mode);
        setBand(mode);
        EXPECT_EQ(newDocument(doc, newOptions()), DefaultFile::None);
        const std::vector<std::pair<int, std::string>> expected = {
            {1, middle},       {401, middle},     {402, "02801500"}, {403, "02814500"},
            {404, "02811500"}, {405, "02808500"}, {406, "02805500"}, {407, "02802500"},
            {408, "02807500"}, {409, "02800500"}};
        EXPECT_EQ(channelList(), expected);
        EXPECT_EQ(doc.WorkData.Header.HeaderBandMode, mode);
        EXPECT_FALSE(isChanged(doc));
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(NewDocumentTest, SetsOnlyTheListedValuesAndResetsTheDocumentState) {
    // Earlier content that New must keep.
    RadioData& w = doc.WorkData;
    w.Options.Trailing[15] = 0x5A;
    w.FeatChannel.ChNo = 33;
    w.FeatChannel.Frequency = "02700000";
    w.FeatChannel.ChSpare[6] = 4;
    w.FeatChannel.TSQ = 1;
    w.Dtmf.Trailing[9] = 8;
    w.ToneTips.Tips[0].Steps[7] = {11, 12};  // a step tip 1 does not list
    w.ToneTips.Tips[5].Count = 6;
    w.ToneTips.Tips[7].Steps[0] = {1, 2};
    doc.IsUntitled = false;
    doc.DataFileName = "/x/y.dat";
    doc.GridRow = 9;
    doc.ChannelWindowOpen = doc.ChannelEditOpen = true;
    int linkResets = 0;
    auto options = newOptions();
    options.resetLink = [&] { ++linkResets; };

    newDocument(doc, options);

    EXPECT_EQ(linkResets, 1);
    EXPECT_TRUE(doc.IsUntitled);
    EXPECT_EQ(doc.DataFileName, "new.dat");
    EXPECT_EQ(doc.GridRow, 1);
    EXPECT_FALSE(doc.ChannelWindowOpen || doc.ChannelEditOpen);
    EXPECT_EQ(w.Options.Trailing[15], 0x5A);
    EXPECT_EQ(w.FeatChannel.ChNo, 33);
    EXPECT_EQ(w.FeatChannel.Frequency.str(), "02700000");
    EXPECT_EQ(w.FeatChannel.ChSpare[6], 4);
    EXPECT_EQ(w.FeatChannel.TSQ, 0);
    EXPECT_EQ(w.FeatChannel.OffSetFre, 5);
    EXPECT_EQ(w.Dtmf.Trailing[9], 8);
    EXPECT_EQ(w.ToneTips.Tips[0].Steps[6], (ToneStep{210, 10}));
    EXPECT_EQ(w.ToneTips.Tips[0].Steps[7], (ToneStep{11, 12}));
    EXPECT_EQ(w.ToneTips.Tips[1].Steps[13], (ToneStep{0, 4}));
    EXPECT_EQ(w.ToneTips.Tips[4].Steps[5], (ToneStep{70, 20}));
    EXPECT_EQ(w.ToneTips.Tips[5].Count, 6);
    EXPECT_EQ(w.ToneTips.Tips[7].Steps[0], (ToneStep{1, 2}));
    EXPECT_FALSE(isChanged(doc));

    // Radio information records, dated 15 July 2024.
    const RadioInfo& info = doc.Info;
    using F16 = FixedString<16>;
    const F16 nul(std::string(1, '\0'));
    const F16 date(std::string("2024-07-15") + '\0');
    EXPECT_EQ(info.BandMode, 2);
    EXPECT_EQ(info.FirmwareVersion, "V1.00");
    EXPECT_EQ(info.ModelText, "ZQ-61  ");
    EXPECT_EQ(info.ShortText, "");
    EXPECT_EQ(info.Block1, (std::array<F16, 4>{nul, nul, date, date}));
    EXPECT_EQ(info.Text96.str(), std::string(1, '\0') + std::string(95, ' '));
    EXPECT_EQ(info.Text8.str(), "07-1-E-1");
    EXPECT_EQ(info.Text4.str(), "001A");
    EXPECT_EQ(info.Block2, (std::array<F16, 4>{nul, date, date, nul}));
    EXPECT_EQ(date.str(), std::string("2024-07-15") + '\0' + "     ");
}

TEST_F(NewDocumentTest, DefaultFilesOfTheInitFolder) {
    // Only the settings file: its settings, no channels, the document's header.
    writeDefaultFile("ZQ-61_0.dat", 0, {1, 2, 3}, 7);
    EXPECT_EQ(newDocument(doc, newOptions()), DefaultFile::SettingsOnly);
    EXPECT_EQ(doc.WorkData.ChannelCount, 0);
    EXPECT_EQ(doc.WorkData.Keys.KeyModeSet, 7);
    EXPECT_EQ(doc.WorkData.Header.HeaderBandMode, 2);
    EXPECT_EQ(doc.BandMode, 2);
    EXPECT_FALSE(isChanged(doc));

    // New in HAM with its own file: that file completely.
    writeDefaultFile("ZQ-61_2_NEW.dat", 2, {5, 6}, 4);
    EXPECT_EQ(newDocument(doc, newOptions()), DefaultFile::Complete);
    EXPECT_EQ(doc.WorkData.ChannelCount, 2);
    EXPECT_EQ(doc.WorkData.Keys.KeyModeSet, 4);

    // Initialize in HF loads ZQ-61_1.dat, not the New file.
    setBand(1);
    writeDefaultFile("ZQ-61_1_NEW.dat", 1, {9}, 5);
    writeDefaultFile("ZQ-61_1.dat", 1, {11, 12, 13}, 6);
    EXPECT_EQ(newDocument(doc, newOptions(true)), DefaultFile::Complete);
    EXPECT_EQ(doc.WorkData.ChannelCount, 3);
    EXPECT_EQ(doc.WorkChannels[2].ChNo, 13);
    EXPECT_EQ(doc.WorkData.Keys.KeyModeSet, 6);
    EXPECT_EQ(doc.BandMode, 1);
    EXPECT_TRUE(doc.IsUntitled);
    EXPECT_FALSE(isChanged(doc));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(NewDocumentTest, DamagedDefaultFilesLeaveTheBuiltInValuesSilently) {
    fs::create_directories(dir / "Init");
    std::ofstream(path("Init/ZQ-61_2_NEW.dat")) << "short";
    EXPECT_EQ(newDocument(doc, newOptions()), DefaultFile::None);
    EXPECT_EQ(doc.WorkData.ChannelCount, 10);
    fs::remove(path("Init/ZQ-61_2_NEW.dat"));
    std::ofstream(path("Init/ZQ-61_0.dat")) << "short";
    EXPECT_EQ(newDocument(doc, newOptions()), DefaultFile::None);
    EXPECT_EQ(doc.WorkData.ChannelCount, 10);
    EXPECT_FALSE(isChanged(doc));
    EXPECT_TRUE(prompter.shown.empty());

    // Another model never falls back to the ZQ-61 settings file.
    doc.ModelName = "ZQ-99";
    writeDefaultFile("ZQ-61_0.dat", 0, {}, 7);
    EXPECT_EQ(newDocument(doc, newOptions()), DefaultFile::None);
}

}  // namespace
}  // namespace zq61
