#include <gtest/gtest.h>

#include "editor/support/SrcImageList.h"
#include "tests/editor/common/FakeSrcPlatform.h"
#include "tests/editor/common/NotifyCounter.h"

namespace {

// Counts the OnChange events of one control.
class SrcEditSharedBufferTest : public ::testing::Test, public SrcEditTestBase {
protected:
    std::unique_ptr<TSrcEdit> Sharer(FakeSrcWindow& Window, NotifyCounter& Counter) {
        auto sharer = std::make_unique<TSrcEdit>();
        sharer->SetWindowServices(&Window);
        sharer->OnChange = Counter.Event();
        sharer->SetLinesPointer(edit.get());
        return sharer;
    }
    // Inserts Text at the start and records it for undo as typing does.
    void Type(TCustomSrcEdit& Edit, const char* Text) {
        Edit.SetCaretXY(BufferCoord(1, 1));
        Edit.SetSelTextPrimitive(Text);
        Edit.UndoList().AddChange(crInsert, BufferCoord(1, 1), Edit.CaretXY(), std::string(), smNormal);
    }

    FakeSrcWindow windowB{400, 200};
    FakeSrcWindow windowC{400, 200};
    NotifyCounter a, b, c;
};

TEST_F(SrcEditSharedBufferTest, SharersSeeOneBufferAndEveryEdit) {
    SetLines({"one", "two"});
    edit->OnChange = a.Event();
    std::unique_ptr<TSrcEdit> sharer = Sharer(windowB, b);
    EXPECT_EQ(&sharer->Lines(), &edit->Lines());
    EXPECT_EQ(&sharer->UndoList(), &edit->UndoList());
    Type(*sharer, "x");
    EXPECT_EQ(edit->Lines()[0], "xone");
    EXPECT_EQ(a.count, 1);
    EXPECT_EQ(b.count, 1);
    windowB.invalidated.clear();
    Type(*edit, "y");
    EXPECT_FALSE(windowB.invalidated.empty());  // the sharer repaints the edited line
    sharer->RemoveLinesPointer();
    EXPECT_NE(&sharer->Lines(), &edit->Lines());
    EXPECT_EQ(sharer->Lines().Count(), 0);
    Type(*edit, "z");
    EXPECT_EQ(b.count, 2);
}

TEST_F(SrcEditSharedBufferTest, EndingSharesInAnotherOrderKeepsTheOthersHooked) {
    SetLines({"text"});
    edit->OnChange = a.Event();
    std::unique_ptr<TSrcEdit> sharerB = Sharer(windowB, b);
    std::unique_ptr<TSrcEdit> sharerC = Sharer(windowC, c);
    sharerB.reset();
    Type(*sharerC, "c");
    EXPECT_EQ(a.count, 1);
    EXPECT_EQ(c.count, 1);
    windowC.invalidated.clear();
    Type(*edit, "a");
    EXPECT_EQ(a.count, 2);
    EXPECT_EQ(c.count, 2);
    EXPECT_FALSE(windowC.invalidated.empty());
    sharerC.reset();
    Type(*edit, "a");  // no handler of a freed control is left on the buffer
    EXPECT_EQ(a.count, 3);
    EXPECT_EQ(edit->Lines()[0], "aactext");
}

TEST_F(SrcEditSharedBufferTest, FreeingTheOwnerEndsTheSharing) {
    SetLines({"owned"});
    std::unique_ptr<TSrcEdit> sharer = Sharer(windowB, b);
    edit.reset();
    EXPECT_EQ(sharer->Lines().Count(), 0);
    Type(*sharer, "own");
    EXPECT_EQ(sharer->Lines()[0], "own");
}

TEST_F(SrcEditSharedBufferTest, RemovedImageListLeavesTheBookmarkOptions) {
    auto images = std::make_unique<TImageList>();
    edit->BookMarkOptions().SetBookmarkImages(images.get());
    window.invalidated.clear();
    images.reset();
    EXPECT_EQ(edit->BookMarkOptions().BookmarkImages(), nullptr);
    ASSERT_FALSE(window.invalidated.empty());
    EXPECT_EQ(window.invalidated.back(), Rect(0, 0, edit->GutterWidth(), window.client.Bottom));
}

}  // namespace
