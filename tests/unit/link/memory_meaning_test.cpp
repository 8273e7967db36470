// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engine/memory_meaning.h"

#include <gtest/gtest.h>

#include "model/text_ids.h"
#include "support/table_texts.h"

namespace zq61 {
namespace {

TEST(MemoryMeaningTest, EveryAreaOfTheImageIsNamed) {
    const struct {
        int address;
        const char* meaning;
    } cases[] = {
        {0x0000, "channel 1, frequency"},
        {0x00B2, "channel 12, frequency"},
        {0x18FF, "channel 400, DTMF call"},
        {0x1903, "in-use bits of channels 25-32"},
        {0x1971, "scan bits of channels 393-400"},
        {0x1972, "scan bits area, unused byte"},
        {0x1985, "channel 402, receive tone"},
        {0x19FB, "channel 409, switches"},
        {0x1A00, "channel 401, frequency"},
        {0x1A12, "settings area, option item 0"},
        {0x1A22, "settings area, remembered channel 1 of group 3"},
        {0x1A33, "settings area, feature channel, offset"},
        {0x1A42, "settings area, option item 4"},
        {0x1A4E, "settings area, DTMF rate"},
        {0x1A81, "settings area, key 2 function"},
        {0x1AD9, "settings area, emergency modulation 2 of group 10"},
        {0x1AF0, "settings area, byte not used by the program"},
        {0x1B00, "tone tip 1, count"},
        {0x1B1E + 3, "tone tip 2, step 2 pitch"},
        {0x1B40 + 16, "tone tip 3, step 1 duration"},
        {0x1B7D, "tone tip area, unused byte"},
        {0x1C25, "DTMF code 3, character 6"},
        {0x1D00, "outside the memory image"},
    };
    for (const auto& c : cases) {
        std::string got = describeMemoryAddress(c.address);
        // The switches byte has a long list; its start is enough here.
        if (got.rfind("channel 409, busy lock", 0) == 0) got = "channel 409, switches";
        EXPECT_EQ(got, c.meaning) << std::hex << c.address;
    }
}

TEST(MemoryMeaningTest, DifferingAddressesStayInsideTheRange) {
    MemoryBytes written{}, back{};
    for (int a : {0x0000, 0x0010, 0x1CFF})
        back[static_cast<std::size_t>(a)] = 1;
    EXPECT_EQ(differingAddresses(written, back), (std::vector<int>{0x0000, 0x0010, 0x1CFF}));
    EXPECT_EQ(differingAddresses(written, back, 0x0001, 0x1CFF), (std::vector<int>{0x0010}));
    EXPECT_TRUE(differingAddresses(written, written).empty());
}

TEST(MemoryMeaningTest, ByteThatDidNotStickIsNamedWithBothValues) {
    MemoryBytes written{}, back{};
    written[0x00B2] = 0x28;
    back[0x00B2] = 0x29;
    back[0x1A4E] = 0x05;
    EXPECT_EQ(unwrittenAddresses(written, back), (std::vector<int>{0x00B2, 0x1A4E}));
    EXPECT_EQ(describeByteDifference(0x00B2, written, back),
              "0x00B2: written 28, read back 29 (channel 12, frequency)");
    EXPECT_EQ(describeByteDifference(0x1D00, written, back), "outside the memory image");
}

// The verify message names the byte in the words of the program's language
// (here each word shows its text id); the command line's stay English.
TEST(MemoryMeaningTest, ByteIsNamedInTheWordsGiven) {
    test::TableTexts texts;
    const Terms words(&texts);
    MemoryBytes written{}, back{};
    written[0x00B2] = 0x28;
    back[0x00B2] = 0x29;
    EXPECT_EQ(describeByteDifference(0x00B2, written, back, words),
              "0x00B2: T27452 28, T27453 29 (T27400 12, T27404)");
    texts.table[txt::kTermBase + int(Term::OfGroup)] = "%2/%1";
    EXPECT_EQ(describeMemoryAddress(0x1A22, words), "T27472, 3/T27429 1");
}

}  // namespace
}  // namespace zq61
