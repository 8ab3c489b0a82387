#include "editor/text/SrcEditUndoList.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/editor/common/EventRecorder.h"

namespace {

void Change(TSrcEditUndoList& list, const std::string& text = "x") {
    list.AddChange(crInsert, BufferCoord(1, 1), BufferCoord(2, 1), text, smNormal);
}

}  // namespace

TEST(SrcEditUndoList, GroupsShareANumberAndBlocksNest) {
    TSrcEditUndoList list;
    EventRecorder events;
    list.OnAddedUndo = events.NotifyEvent();
    Change(list);
    list.BeginBlock();
    Change(list);
    list.BeginBlock();
    Change(list);
    list.EndBlock();
    Change(list);
    list.EndBlock();
    Change(list);
    std::vector<int> numbers;
    for (int i = 0; i < list.ItemCount(); ++i) {
        numbers.push_back(list.Items(i)->ChangeNumber);
    }
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 2, 2, 3}));
    // One per record, one more as the outer block closes.
    EXPECT_EQ(events.Take().size(), 6u);
    list.EndBlock();  // unbalanced: ignored
    EXPECT_EQ(list.BlockCount(), 0);
    list.BeginBlock();
    list.EndBlock();  // an empty block fires nothing but uses a number
    EXPECT_TRUE(events.Take().empty());
    Change(list);
    EXPECT_EQ(list.PeekItem()->ChangeNumber, 5);
}

TEST(SrcEditUndoList, GroupBreaksAreAddedOnceAndSilently) {
    TSrcEditUndoList list;
    EventRecorder events;
    list.OnAddedUndo = events.NotifyEvent();
    EXPECT_EQ(list.LastChangeReason(), crNothing);
    list.AddGroupBreak();
    list.AddGroupBreak();
    EXPECT_EQ(list.ItemCount(), 1);
    EXPECT_EQ(list.LastChangeReason(), crGroupBreak);
    EXPECT_EQ(list.PeekItem()->ChangeStr, "");
    EXPECT_TRUE(events.Take().empty());
    list.Lock();
    Change(list);
    list.Unlock();
    list.Unlock();
    EXPECT_EQ(list.LockCount(), 0);
    EXPECT_EQ(list.ItemCount(), 1);
}

TEST(SrcEditUndoList, MaximumDropsTheOldestRecords) {
    TSrcEditUndoList list;
    list.SetMaxUndoActions(3);
    for (const char* text : {"1", "2", "3"}) {
        Change(list, text);
    }
    EXPECT_FALSE(list.FullUndoImpossible());
    Change(list, "4");
    EXPECT_EQ(list.ItemCount(), 3);
    EXPECT_EQ(list.Items(0)->ChangeStr, "2");
    EXPECT_TRUE(list.FullUndoImpossible());
    list.SetMaxUndoActions(1);
    EXPECT_EQ(list.ItemCount(), 1);
    EXPECT_EQ(list.PeekItem()->ChangeStr, "4");
    list.SetMaxUndoActions(-5);
    EXPECT_EQ(list.MaxUndoActions(), 0);
    EXPECT_EQ(list.ItemCount(), 0);
    list.Clear();
    EXPECT_FALSE(list.FullUndoImpossible());
    // Whole commands go, never the newest, and a group break is none.
    list.SetMaxUndoActions(3);
    Change(list, "old");
    list.BeginBlock();
    for (int i = 0; i < 5; ++i) Change(list);
    list.EndBlock();
    EXPECT_EQ(list.ItemCount(), 5);
    list.AddGroupBreak();
    EXPECT_EQ(list.ItemCount(), 6);
    Change(list, "next");
    ASSERT_EQ(list.ItemCount(), 2);
    EXPECT_EQ(list.Items(0)->ChangeReason, crGroupBreak);
}

TEST(SrcEditUndoList, SavePointFollowsTheNewestRecord) {
    TSrcEditUndoList list;
    EXPECT_TRUE(list.InitialState());
    Change(list);
    EXPECT_FALSE(list.InitialState());
    list.SetInitialState(true);
    EXPECT_TRUE(list.InitialState());
    Change(list);
    EXPECT_FALSE(list.InitialState());
    std::unique_ptr<TSrcEditUndoItem> undone = list.PopItem();
    EXPECT_TRUE(list.InitialState());
    std::unique_ptr<TSrcEditUndoItem> undoneToo = list.PopItem();
    EXPECT_FALSE(list.InitialState());
    list.PushItem(std::move(undoneToo));
    EXPECT_TRUE(list.InitialState());
    list.SetInitialState(false);
    EXPECT_FALSE(list.InitialState());
    EXPECT_EQ(list.InitialChangeNumber(), -1);
    list.SetInitialState(false);  // not the clean state: unchanged
    EXPECT_EQ(list.InitialChangeNumber(), -1);
    // Clearing keeps the numbers, so an emptied list is not clean again.
    list.Clear();
    EXPECT_FALSE(list.InitialState());
    EXPECT_EQ(list.PopItem(), nullptr);
    EXPECT_EQ(list.PeekItem(), nullptr);
    list.PushItem(nullptr);
    EXPECT_EQ(list.ItemCount(), 0);
}

TEST(SrcEditUndoList, AssignCopiesRecordsAndStateButNotTheSavePoint) {
    TSrcEditUndoList source;
    source.SetMaxUndoActions(10);
    source.AddChange(crDelete, BufferCoord(3, 4), BufferCoord(5, 6), "gone", smColumn);
    source.BeginBlock();
    source.InsideRedo = true;
    TSrcEditUndoList copy;
    Change(copy);
    copy.SetInitialState(true);
    copy.Assign(&source);
    ASSERT_EQ(copy.ItemCount(), 1);
    TSrcEditUndoItem* item = copy.PeekItem();
    EXPECT_NE(item, source.PeekItem());
    EXPECT_EQ(item->ChangeReason, crDelete);
    EXPECT_EQ(item->ChangeSelMode, smColumn);
    EXPECT_EQ(item->ChangeStartPos, BufferCoord(3, 4));
    EXPECT_EQ(item->ChangeEndPos, BufferCoord(5, 6));
    EXPECT_EQ(item->ChangeStr, "gone");
    EXPECT_EQ(copy.BlockCount(), 1);
    EXPECT_EQ(copy.BlockChangeNumber(), source.BlockChangeNumber());
    EXPECT_EQ(copy.NextChangeNumber(), source.NextChangeNumber());
    EXPECT_EQ(copy.MaxUndoActions(), 10);
    EXPECT_TRUE(copy.InsideRedo);
    EXPECT_EQ(copy.InitialChangeNumber(), 1);
}
