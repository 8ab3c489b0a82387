#include "tests/editor/undo/UndoTestBase.h"

namespace {

class EditActionsTest : public UndoTestBase {
protected:
    bool Enabled(TSrcEditAction Action) {
        bool enabled = false;
        EXPECT_TRUE(edit->UpdateAction(Action, enabled));
        return enabled;
    }
};

TEST_F(EditActionsTest, TheSixActionsRunTheEditorsMethods) {
    SetLines({"alpha beta"});
    Select(smNormal, BufferCoord(1, 1), BufferCoord(7, 1));
    EXPECT_TRUE(edit->ExecuteAction(eaCut));
    EXPECT_EQ(AllLines(), std::vector<std::string>{"beta"});
    EXPECT_TRUE(edit->ExecuteAction(eaPaste));
    EXPECT_EQ(AllLines(), std::vector<std::string>{"alpha beta"});
    EXPECT_TRUE(edit->ExecuteAction(eaUndo));
    EXPECT_EQ(AllLines(), std::vector<std::string>{"beta"});
    EXPECT_TRUE(edit->ExecuteAction(eaSelectAll));
    EXPECT_EQ(edit->SelText(), "beta");
    EXPECT_TRUE(edit->ExecuteAction(eaCopy));
    EXPECT_EQ(clipboard.data[kSrcClipboardText], "beta");
    EXPECT_TRUE(edit->ExecuteAction(eaDelete));
    EXPECT_EQ(AllLines(), std::vector<std::string>{""});
}

TEST_F(EditActionsTest, UpdateEnablesByStateOnlyWhileFocused) {
    SetLines({"alpha"});
    clipboard.data.clear();
    EXPECT_FALSE(Enabled(eaCut));
    EXPECT_FALSE(Enabled(eaCopy));
    EXPECT_FALSE(Enabled(eaPaste));
    EXPECT_FALSE(Enabled(eaUndo));
    EXPECT_TRUE(Enabled(eaDelete));
    EXPECT_TRUE(Enabled(eaSelectAll));
    Select(smNormal, BufferCoord(1, 1), BufferCoord(3, 1));
    Run(ecCut);
    EXPECT_TRUE(Enabled(eaPaste));
    EXPECT_TRUE(Enabled(eaUndo));
    edit->SetReadOnly(true);
    EXPECT_FALSE(Enabled(eaPaste));
    window.focused = false;
    bool enabled = true;
    EXPECT_FALSE(edit->UpdateAction(eaCut, enabled));
}

}  // namespace
