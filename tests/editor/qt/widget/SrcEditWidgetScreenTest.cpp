#include "tests/editor/qt/widget/ScreenScript.h"

namespace {

class SrcEditWidgetScreenTest : public ::testing::Test, public ScreenScript {};

TEST_F(SrcEditWidgetScreenTest, ScreenEqualsAFullRepaintAfterAScriptedRun) { RunScript(); }

}  // namespace
