// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engine/memory_map.h"

#include <gtest/gtest.h>

#include <random>

#include "model/document.h"
#include "random_document.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace zq61 {
namespace {

class MemoryMapTest : public ::testing::Test {
  protected:
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    Document doc{prompter, texts};
    MemoryBytes image{};

    ChannelRecord& add(int chNo, const std::string& frequency, int scan = 1) {
        ChannelRecord& r = doc.WorkChannels[doc.WorkData.ChannelCount++];
        r = ChannelRecord{};
        r.ChNo = static_cast<int16_t>(chNo);
        r.Frequency = frequency;
        r.Scan = static_cast<int16_t>(scan);
        return r;
    }
    const ChannelRecord* find(int chNo) const {
        for (int i = 0; i < doc.WorkData.ChannelCount; ++i)
            if (doc.WorkChannels[i].ChNo == chNo) return &doc.WorkChannels[i];
        return nullptr;
    }
};

TEST_F(MemoryMapTest, ChannelSlotsAndBitmapsArePinned) {
    add(1, "02801500");
    add(409, "02750000", 0);
    add(402, "02700000", 1);
    EXPECT_EQ(PackDocument(doc, image), 0);

    EXPECT_EQ(image[0x0000], 0x50);
    EXPECT_EQ(image[0x0001], 0x01);
    EXPECT_EQ(image[0x0002], 0x28);
    EXPECT_EQ(image[0x1900], 0x01);  // in use
    EXPECT_EQ(image[0x1940], 0x01);  // scan
    // 409: slot 0x19F0, bit 7 of the memory in-use byte, scan clear.
    EXPECT_EQ(image[0x19F0], 0x00);
    EXPECT_EQ(image[0x19F1], 0x50);
    EXPECT_EQ(image[0x19F2], 0x27);
    EXPECT_EQ(image[0x1A1C], 0x81);
    EXPECT_EQ(image[0x1A1D], 0x01);
    // No VFO channel in the list: its slot is still an empty channel.
    EXPECT_EQ(image[0x1A00], 0xFF);
    EXPECT_EQ(image[0x1A01], 0xFF);
    EXPECT_EQ(image[0x1A02], 0xFF);

    UnpackDocument(doc, image, 2);
    ASSERT_NE(find(1), nullptr);
    EXPECT_EQ(find(1)->Frequency.str(), "02801500");
    EXPECT_EQ(find(409)->Scan, 0);
    EXPECT_EQ(find(402)->Scan, 1);
    ASSERT_NE(find(401), nullptr);
    EXPECT_EQ(find(401)->Frequency.str(), "FFFFFFFF");
    EXPECT_EQ(find(401)->Scan, 0);
}

TEST_F(MemoryMapTest, SlotFieldsArePinned) {
    ChannelRecord& r = add(2, "02900000");
    r.OffSetFre = 0x0123;
    r.RDCT = 12;  // CTCSS 12 -> byte 11, kind 1
    r.TDCT = 40;  // DCS 2 -> byte 1, kind 2
    r.DUP = 2;
    r.TSQ = 1;
    r.BUSY = 1;
    r.NB = 1;
    r.AM_FM = 1;
    r.Tx_Power = 3;
    r.Public = 1;
    r.RBTone = 8;
    r.DTMF_BOT = 16;
    r.DTMF_EOT = 1;
    r.DTMF_Call = 7;
    PackDocument(doc, image);
    const uint8_t expected[16] = {0x00, 0x00, 0x29, 0x23, 0x01, 11, 0, 0,
                                  1,    0,    0x96, 0xF5, 8,    16, 1, 7};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(image[16 + i], expected[i]) << "byte " << i;
}

TEST_F(MemoryMapTest, EmptyChannelsAndTheVfoSlot) {
    ChannelRecord& empty = add(5, "FFFFFFFF");
    ChannelRecord& vfo = add(401, "");
    PackDocument(doc, image);
    EXPECT_EQ(empty.ChReserved, 1);
    EXPECT_EQ(vfo.ChReserved, 1);
    EXPECT_EQ(image[4 * 16 + 2], 0xFF);  // written with FF FF FF ...
    EXPECT_EQ(image[0x1900], 0x00);      // ... but not in use
    EXPECT_EQ(image[0x1A02], 0xFF);

    doc.WorkData.ChannelCount = 0;
    add(401, "02812345");  // the 10 Hz digit is lost on the way
    MemoryBytes again{};
    PackDocument(doc, again);
    UnpackDocument(doc, again, 1);
    ASSERT_NE(find(401), nullptr);
    EXPECT_EQ(find(401)->Frequency.str(), "02812340");
    EXPECT_EQ(find(401)->Scan, 0);
}

TEST_F(MemoryMapTest, CbRadioLeavesOutChannels361To401) {
    for (int n : {360, 361, 400, 401, 402})
        add(n, "02700000");
    PackDocument(doc, image);
    UnpackDocument(doc, image, 0);
    EXPECT_NE(find(360), nullptr);
    EXPECT_EQ(find(361), nullptr);
    EXPECT_EQ(find(400), nullptr);
    EXPECT_EQ(find(401), nullptr);
    EXPECT_NE(find(402), nullptr);
    EXPECT_EQ(doc.BandMode, 0);
    EXPECT_EQ(doc.BandRangeText, "26.965 - 27.405 MHz");
    EXPECT_DOUBLE_EQ(doc.BandLowMHz, 26.965);
    EXPECT_EQ(doc.Info.BandMode, 0);
}

TEST_F(MemoryMapTest, DtmfCodesArePinned) {
    auto code = [&](int k, int length, const char* text) {
        doc.WorkData.Dtmf.Codes[k - 1].Length = static_cast<int16_t>(length);
        doc.WorkData.Dtmf.Codes[k - 1].Code = text;
    };
    code(1, 4, "12#*");
    code(10, 3, "A");    // padded with "0" to its length
    code(16, 20, "99");  // a length above 16 is no code
    PackDocument(doc, image);
    const uint8_t code1[16] = {1,    2,    0x0E, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF,
                               0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(image[0x1C00 + i], code1[i]);
    EXPECT_EQ(image[0x1C90], 0x0A);
    EXPECT_EQ(image[0x1C91], 0x00);
    EXPECT_EQ(image[0x1C93], 0xFF);
    EXPECT_EQ(image[0x1CF0], 0xFF);
    EXPECT_EQ(image[0x1A19], 0x01);
    EXPECT_EQ(image[0x1A1A], 0x02);

    doc.WorkData.Dtmf.Codes[15].Code = "kept";
    UnpackDocument(doc, image, 2);
    EXPECT_EQ(doc.WorkData.Dtmf.Codes[0].Length, 4);
    EXPECT_EQ(doc.WorkData.Dtmf.Codes[0].Code.str(), "12#*            ");
    EXPECT_EQ(doc.WorkData.Dtmf.Codes[9].Code.str().substr(0, 3), "A00");
    EXPECT_EQ(doc.WorkData.Dtmf.Codes[15].Length, 0);
    EXPECT_EQ(doc.WorkData.Dtmf.Codes[15].Code.str().substr(0, 4), "kept");
}

TEST_F(MemoryMapTest, SettingsAreaAndToneTipsArePinned) {
    OptionsRecord& o = doc.WorkData.Options;
    o.OptItem[0] = 3;  // the whole value is written, bit 0 read back
    o.OptItem[7] = 1;
    o.OptItem[8] = 0x15;
    o.OptItem[16] = 1;
    o.MaxLimitOn = 1;
    o.GroupOn[0] = 1;
    o.GroupOn[9] = 2;
    o.GroupCh1[9] = 39;
    doc.WorkData.Keys.KeyFunctions[17] = 18;
    doc.WorkData.Dtmf.FirstDigitDelay = 2;
    doc.WorkData.FeatChannel.OffSetFre = 0x0205;
    doc.WorkData.FeatChannel.Frequency = "02812340";  // never transferred
    doc.WorkData.ToneTips.Tips[3].Count = 2;
    doc.WorkData.ToneTips.Tips[3].Steps[13].Duration = 9;
    PackDocument(doc, image);

    EXPECT_EQ(image[0x1A12], 3);
    EXPECT_EQ(image[0x1A45], 0x95);
    EXPECT_EQ(image[0x1A55], 0x03);
    EXPECT_EQ(image[0x1A1F], 0x02);
    EXPECT_EQ(image[0x1A29], 39);
    EXPECT_EQ(image[0x1A91], 18);
    EXPECT_EQ(image[0x1A4F], 2);
    EXPECT_EQ(image[0x1A33], 0x05);
    EXPECT_EQ(image[0x1A34], 0x02);
    EXPECT_EQ(image[0x1B5E], 2);       // tip 4 at 0x1B5E
    EXPECT_EQ(image[0x1B5E + 29], 9);  // its 14th duration

    UnpackDocument(doc, image, 2);
    EXPECT_EQ(o.OptItem[0], 1);
    EXPECT_EQ(o.GroupOn[9], 1);
}

TEST_F(MemoryMapTest, WideValuesDoNotSpillIntoNeighbouringFields) {
    ChannelRecord& r = add(1, "02801500");
    r.DUP = 5;       // 2 bits: would reach TSQ
    r.Tx_Power = 4;  // 2 bits: would reach Public
    PackDocument(doc, image);
    EXPECT_EQ(image[10], 0x01);
    EXPECT_EQ(image[11], 0x00);
}

TEST_F(MemoryMapTest, FrequenciesThatAreNotDigitsAreRefused) {
    add(3, "0280150A");
    add(7, "02801500");
    add(8, "028015.0");
    EXPECT_EQ(firstUnpackableChannel(doc), 3);
    EXPECT_EQ(PackDocument(doc, image), 3);
    doc.WorkChannels[0].Frequency = "FFFFFFFF";
    EXPECT_EQ(firstUnpackableChannel(doc), 8);
}

// Random documents survive the way to the radio and back: every field the
// radio keeps comes back, frequencies to 100 Hz.
TEST_F(MemoryMapTest, PackThenUnpackGivesBackEveryTransferredField) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 40; ++round) {
        const int band = static_cast<int>(rng() % 3);
        test::fillRandomDocument(doc, rng);
        const RadioData before = doc.WorkData;
        const ChannelArray channels = doc.WorkChannels;
        image = MemoryBytes{};
        ASSERT_EQ(PackDocument(doc, image), 0);
        UnpackDocument(doc, image, band);

        // Every channel the band keeps comes back; the VFO slot always does.
        int kept = 0;
        bool hasVfo = false;
        for (int i = 0; i < before.ChannelCount; ++i) {
            ChannelRecord want = channels[i];
            hasVfo |= want.ChNo == kVfoChannel;
            if (band == 0 && want.ChNo >= 361 && want.ChNo <= kVfoChannel) continue;
            ++kept;
            const ChannelRecord* got = find(want.ChNo);
            ASSERT_NE(got, nullptr) << want.ChNo;
            EXPECT_EQ(*got, want) << "channel " << want.ChNo << " round " << round;
        }
        EXPECT_EQ(doc.WorkData.ChannelCount, kept + (band != 0 && !hasVfo));

        const RadioData& d = doc.WorkData;
        EXPECT_EQ(d.Options, before.Options);
        EXPECT_EQ(d.FeatChannel, before.FeatChannel);
        EXPECT_EQ(d.Keys, before.Keys);
        EXPECT_EQ(d.ToneTips, before.ToneTips);
        EXPECT_EQ(d.Header.HeaderBandMode, band);
        // DTMF: the six settings and every defined code.
        DtmfSettings want = before.Dtmf, got = d.Dtmf;
        for (int k = 0; k < 16; ++k) {
            if (want.Codes[k].Length == 0) want.Codes[k].Code = got.Codes[k].Code;
        }
        EXPECT_EQ(got, want);
    }
}

}  // namespace
}  // namespace zq61
