#include <gtest/gtest.h>

#include "editor/control/SrcEdit.h"
#include "editor/qt/QtFontServices.h"

namespace {

class QtEditorFontsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSrcFontServices(&services);
    }
    void TearDown() override { SetSrcFontServices(nullptr); }

    TQtFontServices services;
};

TEST_F(QtEditorFontsTest, EditorMeasuresItsDefaultFontThroughQt) {
    TSrcEdit edit;
    EXPECT_GT(edit.CharWidth(), 0);
    EXPECT_GT(edit.LineHeight(), 0);
    TFont proportional;
    proportional.SetName("DejaVu Sans");
    proportional.SetSize(10);
    edit.SetFont(proportional);
    EXPECT_EQ(edit.Font().Pitch(), fpFixed);
    edit.SetExtraLineSpacing(3);
    EXPECT_EQ(edit.LineHeight(), edit.TextDrawer().GetCharHeight() + 3);
}

}  // namespace
