// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/channel_list.h"
#include "model/document.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace zq61 {
namespace {

struct WorkingCopy {
    RadioData data;
    ChannelArray channels;
    bool operator==(const WorkingCopy&) const = default;
    static WorkingCopy of(const Document& d) { return {d.WorkData, d.WorkChannels}; }
};

class DocumentHistoryTest : public ::testing::Test {
  protected:
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    Document doc{prompter, texts};
    DocumentHistory history;

    void SetUp() override {
        for (int ch = 1; ch <= 20; ++ch)
            addChannel(doc, ch, "28.50000");
        for (ChannelRecord& ch : doc.WorkChannels)
            ch.OffSetFre = 0;
        history.reset(doc);
    }
    void setOffset(int index, int value) {
        doc.WorkChannels[static_cast<std::size_t>(index)].OffSetFre = static_cast<int16_t>(value);
    }
};

// Each kind of edit, undone and redone, gives back the exact working copy.
TEST_F(DocumentHistoryTest, UndoAndRedoRestoreEveryKindOfEditExactly) {
    const std::pair<const char*, std::function<void(Document&)>> edits[] = {
        {"channel field", [](Document& d) { d.WorkChannels[3].DUP = 2; }},
        {"channel added", [](Document& d) { addChannel(d, 300, "29.10000"); }},
        {"channel removed", [](Document& d) { removeChannel(d, 0); }},
        {"option", [](Document& d) { d.WorkData.Options.OptItem[5] = 3; }},
        {"dtmf code",
         [](Document& d) {
             d.WorkData.Dtmf.Codes[2].Code = "1234";
             d.WorkData.Dtmf.Codes[2].Length = 4;
         }},
        {"tone tip", [](Document& d) { d.WorkData.ToneTips.Tips[1].Steps[0].Duration = 7; }},
        {"key", [](Document& d) { d.WorkData.Keys.KeyFunctions[4] = 9; }},
        {"cell and settings together",
         [](Document& d) {
             d.WorkChannels[1].Scan = 1;
             d.WorkData.Options.GroupOn[1] = 1;
         }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        const WorkingCopy before = WorkingCopy::of(doc);
        edit(doc);
        const WorkingCopy after = WorkingCopy::of(doc);
        ASSERT_TRUE(history.checkpoint(doc));
        ASSERT_TRUE(history.undo(doc));
        EXPECT_EQ(WorkingCopy::of(doc), before);
        ASSERT_TRUE(history.redo(doc));
        EXPECT_EQ(WorkingCopy::of(doc), after);
        EXPECT_FALSE(history.canRedo());
    }
}

TEST_F(DocumentHistoryTest, NoChangeMakesNoStepAndNothingToUndo) {
    EXPECT_FALSE(history.checkpoint(doc));
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.undo(doc));
    EXPECT_FALSE(history.redo(doc));
    // A value set back to what it was is no change either.
    setOffset(2, 55);
    setOffset(2, 0);
    EXPECT_FALSE(history.checkpoint(doc));
}

TEST_F(DocumentHistoryTest, StepsUndoInOrderAndANewEditDropsTheRedoSide) {
    for (int v = 1; v <= 3; ++v) {
        setOffset(0, v * 10);
        ASSERT_TRUE(history.checkpoint(doc));
    }
    ASSERT_TRUE(history.undo(doc));
    ASSERT_TRUE(history.undo(doc));
    EXPECT_EQ(doc.WorkChannels[0].OffSetFre, 10);
    EXPECT_EQ(history.redoSteps(), 2u);

    setOffset(5, 99);
    EXPECT_TRUE(history.checkpoint(doc));
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.redo(doc));
    ASSERT_TRUE(history.undo(doc));
    EXPECT_EQ(doc.WorkChannels[5].OffSetFre, 0);
    EXPECT_EQ(doc.WorkChannels[0].OffSetFre, 10);
}

// An edit nobody announced is still taken back by the next undo, and a
// change made after an undo leaves nothing to redo.
TEST_F(DocumentHistoryTest, UnrecordedChangesAreRecordedBeforeUndoAndRedo) {
    setOffset(0, 10);
    history.checkpoint(doc);
    setOffset(1, 20);  // not recorded
    ASSERT_TRUE(history.undo(doc));
    EXPECT_EQ(doc.WorkChannels[1].OffSetFre, 0);
    EXPECT_EQ(doc.WorkChannels[0].OffSetFre, 10);

    setOffset(2, 30);  // not recorded, after an undo
    EXPECT_FALSE(history.redo(doc));
    EXPECT_EQ(doc.WorkChannels[1].OffSetFre, 0);
    EXPECT_EQ(doc.WorkChannels[2].OffSetFre, 30);
}

// The oldest steps go once the step limit or the byte budget is reached;
// what remains still undoes exactly.
TEST(DocumentHistoryLimits, OldestStepsGoFirstWithinStepAndByteLimits) {
    struct Case {
        std::size_t stepLimit, byteBudget;
        int steps;
        std::size_t kept;
    };
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    for (const Case c :
         {Case{200, DocumentHistory::kByteBudget, 250, 200},
          Case{500, DocumentHistory::kByteBudget, 250, 250}, Case{500, 40 * 1024, 100, 0}}) {
        Document doc{prompter, texts};
        addChannel(doc, 1, "28.50000");
        doc.WorkChannels[0].OffSetFre = 0;
        doc.WorkData.Options.MaxLimit = 0;
        DocumentHistory history(c.stepLimit, c.byteBudget);
        history.reset(doc);
        for (int v = 1; v <= c.steps; ++v) {
            doc.WorkChannels[0].OffSetFre = static_cast<int16_t>(v);
            doc.WorkData.Options.MaxLimit = static_cast<int16_t>(v);
            history.checkpoint(doc);
        }
        EXPECT_LE(history.memoryBytes(), c.byteBudget + sizeof(DocumentHistory));
        if (c.kept) {
            EXPECT_EQ(history.undoSteps(), c.kept);
        }
        const std::size_t kept = history.undoSteps();
        EXPECT_GE(kept, 1u);
        while (history.undo(doc)) {
        }
        const auto oldest = static_cast<int16_t>(c.steps - static_cast<int>(kept));
        EXPECT_EQ(doc.WorkChannels[0].OffSetFre, oldest);
        EXPECT_EQ(doc.WorkData.Options.MaxLimit, oldest);
    }
}

}  // namespace
}  // namespace zq61
