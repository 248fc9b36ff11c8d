// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/model/CoreState.h"
#include "core/model/EditHistory.h"

namespace
{
// A state that differs from the start in one byte.
TEditState StateWith(uint8_t value)
{
    TEditState state;
    state.Image[100] = value;
    return state;
}

struct THistoryFixture : ::testing::Test {
    TEditHistory History;
    THistoryFixture() { History.Reset(StateWith(0), true); }
};
} // namespace

TEST_F(THistoryFixture, UndoAndRedoWalkTheStepsWithTheirCaptions)
{
    EXPECT_FALSE(History.CanUndo());
    EXPECT_FALSE(History.CanRedo());
    EXPECT_TRUE(History.Record(StateWith(1), "Edit CH-001 RX Frequency"));
    EXPECT_TRUE(History.Record(StateWith(2), "Batch Channel Edit"));
    EXPECT_EQ(History.UndoCaption(), "Batch Channel Edit");
    EXPECT_EQ(History.Undo().Image[100], 1);
    EXPECT_EQ(History.UndoCaption(), "Edit CH-001 RX Frequency");
    EXPECT_EQ(History.RedoCaption(), "Batch Channel Edit");
    EXPECT_EQ(History.Undo().Image[100], 0);
    EXPECT_FALSE(History.CanUndo());
    EXPECT_EQ(History.UndoCaption(), "");
    EXPECT_EQ(History.Redo().Image[100], 1);
    EXPECT_EQ(History.Redo().Image[100], 2);
    EXPECT_FALSE(History.CanRedo());
}

TEST_F(THistoryFixture, AStateEqualToTheCurrentOneIsNoStep)
{
    EXPECT_FALSE(History.Record(StateWith(0), "Nothing"));
    EXPECT_FALSE(History.CanUndo());
    TEditState otherModel = StateWith(0);
    otherModel.ModelId = "LP48";
    EXPECT_TRUE(History.Record(otherModel, "Change Model"));
}

TEST_F(THistoryFixture, ANewStepDropsWhatCouldBeRedone)
{
    History.Record(StateWith(1), "a");
    History.Record(StateWith(2), "b");
    History.Undo();
    History.Record(StateWith(3), "c");
    EXPECT_FALSE(History.CanRedo());
    EXPECT_EQ(History.Undo().Image[100], 1);
    EXPECT_EQ(History.Undo().Image[100], 0);
}

TEST_F(THistoryFixture, TheSavedMarkFollowsItsState)
{
    EXPECT_TRUE(History.AtSaved());
    History.Record(StateWith(1), "a");
    EXPECT_FALSE(History.AtSaved());
    History.MarkSaved();
    History.Record(StateWith(2), "b");
    History.Undo();
    EXPECT_TRUE(History.AtSaved());
    History.Undo();
    EXPECT_FALSE(History.AtSaved());
    History.Redo();
    EXPECT_TRUE(History.AtSaved());
    // The saved state was one that could be redone: once dropped no state is the saved one.
    History.Redo();
    History.MarkSaved();
    History.Undo();
    History.Record(StateWith(3), "c");
    History.Undo();
    EXPECT_FALSE(History.AtSaved());
}

TEST(EditHistory, AStartThatIsNotSavedIsNeverAtSaved)
{
    TEditHistory history;
    history.Reset(StateWith(5), false);
    EXPECT_FALSE(history.AtSaved());
    history.Record(StateWith(6), "a");
    history.Undo();
    EXPECT_FALSE(history.AtSaved());
}

TEST(EditHistory, HoldsAThousandStepsInUnderEightMegabytesAndDropsTheOldest)
{
    TEditHistory history;
    history.Reset(StateWith(0), true);
    const std::string caption = "Edit CH-128 Channel Name";
    for (int i = 1; i <= 1200; ++i) {
        TEditState state;
        state.Image[static_cast<size_t>(i)] = 1;
        history.Record(state, caption);
    }
    EXPECT_EQ(history.UndoCount(), TEditHistory::kDefaultDepth);
    EXPECT_LT(history.MemoryUsage(), 8u * 1024 * 1024);
    while (history.CanUndo())
        history.Undo();
    // The oldest state left is the one after step 200; the saved first state went with the dropped steps.
    EXPECT_EQ(history.Current().Image[200], 1);
    EXPECT_FALSE(history.AtSaved());
}

TEST(EditHistory, RestoringAStateDerivesTheModelAndBandsWithoutChangingTheImage)
{
    TCoreState s;
    const TEditState before = EditStateOf(s.All);
    const std::string bandText = s.All.BandText;
    s.All.Image[kModelIdent + 6] = 0x01; // the second band switched off
    DeriveBands(s.All, s.List);
    ASSERT_NE(s.All.BandText, bandText);
    s.All.ModelId = "none";
    s.All.ChannelCount = 0;
    RestoreEditState(s.All, s.List, before);
    EXPECT_EQ(s.All.Image, before.Image);
    EXPECT_EQ(s.All.ModelId, "LP47");
    EXPECT_EQ(s.All.ChannelCount, 128);
    EXPECT_EQ(s.All.BandText, bandText);
    EXPECT_EQ(s.All.BandMask, 0x05);
}
