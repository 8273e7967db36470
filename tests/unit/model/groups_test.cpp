// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/groups.h"

#include <gtest/gtest.h>

#include "model/channel_list.h"
#include "model/document.h"
#include "support/recording_observer.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace zq61 {
namespace {

class GroupsTest : public ::testing::Test {
  protected:
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    Document doc{prompter, texts};
    test::RecordingObserver observer;
    OptionsRecord& opt = doc.WorkData.Options;

    void SetUp() override { doc.setObserver(&observer); }  // the document starts in HAM mode
    void useCb() {
        doc.BandMode = 0;
        doc.BandLowMHz = 26.965;
        doc.BandHighMHz = 27.405;
    }
    void add(std::initializer_list<int> channels, const char* freq = "28.5") {
        for (int ch : channels)
            ASSERT_TRUE(addChannel(doc, ch, freq));
    }
    std::vector<int> numbers() const {
        std::vector<int> out;
        for (int i = 0; i < doc.WorkData.ChannelCount; ++i)
            out.push_back(doc.WorkChannels[static_cast<std::size_t>(i)].ChNo);
        return out;
    }
    const ChannelRecord* channel(int chNo) const {
        const int i = findChannel(doc, chNo);
        return i < 0 ? nullptr : &doc.WorkChannels[static_cast<std::size_t>(i)];
    }
};

TEST_F(GroupsTest, CountsFindsAndListsTheChannelsOfAGroup) {
    add({45, 3, 50, 41, 401, 402, 409, 80});
    EXPECT_EQ(countInGroup(doc, 1, 2), 4);
    EXPECT_EQ(countInGroup(doc, 11, 2), 2);
    EXPECT_EQ(countOutsideGroup(doc, 1, 2), 1);  // VFO and memory never count
    EXPECT_EQ(channelSelectorItems(doc, 1, 2), (std::vector<std::string>{"1", "5", "10", "40"}));
    EXPECT_EQ(findInGroup(doc, 1, 10, 2), 10);
    EXPECT_EQ(findInGroup(doc, 1, 2, 2), 40);  // no match: the last entry's difference
    EXPECT_EQ(groupSelectorItems(0, "MEM").size(), 8u);
    EXPECT_EQ(groupSelectorItems(2, "VFO").size(), 11u);
    opt.GroupOn = {1, 0, 2, 0, 0, 0, 0, 0, 1, 1};
    EXPECT_EQ(groupsOnExcept(doc, 0, 2), 3);
    EXPECT_EQ(groupsOnExcept(doc, 0, 0), 1);  // CB counts the countries 0..7 only
}

TEST_F(GroupsTest, EnsureAGroupIsOnSkipsVfoAndMemoryEntries) {
    useCb();
    add({402, 401, 130, 5}, "27.0");
    opt.GroupOn[9] = 1;  // not a CB country: does not count
    ensureGroupOn(doc, 0);
    EXPECT_EQ(opt.GroupOn, (std::array<int16_t, 10>{0, 0, 0, 1, 0, 0, 0, 0, 0, 1}));
    opt.GroupOn[3] = 0;
    opt.GroupOn[7] = 1;
    ensureGroupOn(doc, 0);  // one is on already
    EXPECT_EQ(opt.GroupOn[3], 0);
}

TEST_F(GroupsTest, RefreshKeepsOrMovesTheRememberedChannels) {
    add({87, 84, 95});  // bank C: channels 7, 4, 15
    opt.GroupOn[2] = 1;
    opt.GroupCh1[2] = 6;   // channel 7 exists: stays
    opt.GroupCh2[2] = 0;   // channel 1 is missing: the first existing one (4)
    opt.GroupCh3[2] = 39;  // channel 40 is missing
    doc.ChannelWindowOpen = true;
    refreshGroup(doc, 2);
    EXPECT_EQ(std::vector<int>({opt.GroupCh1[2], opt.GroupCh2[2], opt.GroupCh3[2]}),
              std::vector<int>({6, 3, 3}));
    EXPECT_EQ(observer.calls, std::vector<std::string>{"ReshowByCh"});

    // An emptied group is switched off and forgets its channels; the group of
    // the first channel goes on instead.
    doc.WorkData.ChannelCount = 0;
    add({300});
    refreshGroup(doc, 2);
    EXPECT_EQ(std::vector<int>({opt.GroupOn[2], opt.GroupCh1[2], opt.GroupCh2[2], opt.GroupOn[7]}),
              std::vector<int>({0, 0, 0, 1}));

    add({405, 407});
    opt.CurMemCh = 7;  // memory channel 8 is missing
    refreshGroup(doc, 11);
    EXPECT_EQ(opt.CurMemCh, 3);
    doc.WorkData.ChannelCount = 0;
    refreshGroup(doc, 11);
    EXPECT_EQ(opt.CurMemCh, 0);

    observer.calls.clear();
    refreshGroup(doc, 10);  // the VFO group: nothing at all
    doc.ChannelWindowOpen = false;
    refreshGroup(doc, 11);  // the grid is closed: not told
    EXPECT_TRUE(observer.calls.empty());
}

TEST_F(GroupsTest, TypedFrequencyCreatesOrChangesTheChannel) {
    add({1});
    doc.ChannelWindowOpen = doc.ChannelEditOpen = true;
    setChannelCell(doc, 1, 5, kColFrequency, "28.1234");  // bank B channel 5 = 45
    ASSERT_NE(channel(45), nullptr);
    EXPECT_EQ(channel(45)->Frequency.str(), "02812000");
    EXPECT_EQ(opt.GroupOn[0], 1);  // no group was on: the first entry's group goes on
    EXPECT_EQ(observer.calls,
              (std::vector<std::string>{"ReshowByCh", "reShowGrid 45", "SetGridEditData 1"}));

    setChannelCell(doc, 1, 5, kColFrequency, "29.9");
    EXPECT_EQ(channel(45)->Frequency.str(), "02970000");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"T9021"});
    setChannelCell(doc, 1, 5, kColOffset, "7");
    EXPECT_EQ(channel(45)->OffSetFre, 5);
    setChannelCell(doc, 1, 6, kColOffset, "50");  // another column creates nothing
    EXPECT_EQ(numbers(), (std::vector<int>{1, 45}));
}

TEST_F(GroupsTest, ClearingAFrequencyRemovesOnlyWhatMayGo) {
    add({1, 45, 46, 401, 402, 403});
    setChannelCell(doc, 1, 5, kColFrequency, "");    // 45: goes
    setChannelCell(doc, 10, 1, kColFrequency, "");   // the VFO slot stays
    setChannelCell(doc, 11, 1, kColFrequency, " ");  // 402: goes, 403 is left
    setChannelCell(doc, 11, 2, kColFrequency, "");   // the last memory channel stays
    setChannelCell(doc, 0, 1, kColFrequency, "");    // 1: goes, 46 is outside bank A
    setChannelCell(doc, 1, 6, kColFrequency, "");    // 46: the last ordinary channel stays
    EXPECT_EQ(numbers(), (std::vector<int>{46, 401, 403}));

    useCb();
    doc.WorkData.ChannelCount = 0;
    add({241, 320}, "27.0");
    setChannelCell(doc, 6, 1, kColFrequency, "");  // every ordinary channel is in DE: stays
    EXPECT_EQ(numbers(), (std::vector<int>{241, 320}));
}

TEST_F(GroupsTest, RefusesWhatCannotBeStored) {
    add({45});
    setChannelCell(doc, 1, 5, kColDup, "plus");
    EXPECT_EQ(channel(45)->DUP, 0);
    doc.BandMode = 7;
    setChannelCell(doc, 1, 6, kColFrequency, "28.5");
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Not IsNumeric", "Country Mode Error!"}));
    doc.BandMode = 2;
    setChannelCell(doc, 1, 41, kColFrequency, "28.5");  // beyond the bank
    setChannelCell(doc, 1, 5, 19, "1");                 // no such column
    EXPECT_EQ(numbers(), (std::vector<int>{45}));
}

}  // namespace
}  // namespace zq61
