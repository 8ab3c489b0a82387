// The refresh: open lines kept by name, queries counted on the simulator's
// log, the wire at the session's start and the memory page.
#include <gtest/gtest.h>

#include "linker/ORULinker.h"
#include "tests/debugger/DataWindowFixture.h"

namespace {

class DataRefresh : public ::testing::Test {
protected:
    void RunTo(const std::string& marker) { data.RunTo(folder, "Edges", marker); }
    TTreeLine Line(const std::string& prefix)
    {
        TTreeLine line = DataRig::Find(data.stackTree, prefix);
        EXPECT_NE(line, nullptr) << prefix;
        return line;
    }

    std::string folder = DataRig::Program("Edges");
    DataRig data;
};

TEST_F(DataRefresh, AStepShowsNewValuesAndKeepsOpenLinesByName)
{
    RunTo("// step from here");
    IDebugTree& tree = data.stackTree;
    tree.Expand(Line("Triple t = "), false);
    EXPECT_EQ(DataRig::Find(tree, "int a = ") ? tree.Text(DataRig::Find(tree, "int a = ")) : "", "int a = 0 0x0000 '..'");
    // The self-referencing object, three levels open.
    tree.Expand(Line("Link self = "), false);
    TTreeLine level = Line("Link self = ");
    for (int i = 0; i < 3; ++i) {
        level = tree.Child(level, 0);
        ASSERT_EQ(tree.Text(level), "Link next = ");
        tree.Expand(level, false);
    }
    const int lines = tree.Count();

    data.rig.session.StepOver();
    EXPECT_EQ(tree.Text(Line("int a = ")), "int a = 1 0x0001 '..'") << "the cache was emptied";
    EXPECT_TRUE(tree.IsExpanded(Line("Triple t = ")));
    EXPECT_EQ(tree.Count(), lines) << "each open line reopened once";
    level = Line("Link self = ");
    for (int i = 0; i < 3; ++i) level = tree.Child(level, 0);
    EXPECT_TRUE(tree.IsExpanded(level));
    EXPECT_FALSE(tree.IsExpanded(tree.Child(level, 0))) << "a fourth level was never open";
}

TEST_F(DataRefresh, ALineWhoseTypeOrNameChangedCloses)
{
    RunTo("// first block");
    data.stackTree.Expand(Line("Triple first = "), false);
    data.RunOnTo(folder, "Edges", "// second block");
    EXPECT_FALSE(data.stackTree.IsExpanded(Line("Link second = ")));
}

TEST_F(DataRefresh, AnObjectWithThreeFieldsCostsOneHeapQuery)
{
    RunTo("// counts");
    size_t mark = data.HeapQueries();
    data.rig.session.UpdateDebug();
    // The heap pointer (0, 1), then the object's class word.
    EXPECT_EQ(data.HeapQueries() - mark, 2u);
    mark = data.HeapQueries();
    TTreeLine object = Line("Triple t = ");
    data.stackTree.Expand(object, false);
    EXPECT_EQ(data.stackTree.ChildCount(object), 3);
    EXPECT_EQ(data.HeapQueries(), mark) << "the fields came with the class word";

    data.rig.session.UpdateDebug();
    EXPECT_TRUE(data.stackTree.IsExpanded(Line("Triple t = ")));
    EXPECT_EQ(data.HeapQueries() - mark, 2u) << "reopening reads nothing more";

    const size_t commands = data.rig.Commands().size();
    data.page.showing = true;
    data.window.DebugTabsChange();
    EXPECT_EQ(data.page.figureUpdates, 1);
    EXPECT_EQ(data.rig.Commands().size(), commands) << "the memory page comes from the snapshot";
}

TEST_F(DataRefresh, ARunningModuleRefusesExpansionWithoutAQuery)
{
    data.RunTo(DataRig::Program("Values"), "Values", "// stop");
    IDebugTree& tree = data.staticTree;
    TTreeLine root = tree.Child(nullptr, 0);
    data.rig.session.Run();
    ASSERT_TRUE(data.window.Running());
    const size_t queries = data.HeapQueries();
    tree.Expand(root, false);
    EXPECT_FALSE(tree.IsExpanded(root));
    EXPECT_EQ(tree.ChildCount(root), 1) << "still the placeholder";
    data.window.LineDoubleClicked(tree, root);
    EXPECT_EQ(tree.ChildCount(root), 1);
    EXPECT_EQ(data.HeapQueries(), queries);
    data.rig.session.Stop();
}

TEST_F(DataRefresh, TheWireAtTheSessionsStart)
{
    data.rig.host.OpenPage(data.rig.Source(folder, "Edges.java"));
    data.rig.Prepare(data.rig.Link(folder, "Edges"));
    const size_t mark = data.rig.Commands().size();
    const size_t heapMark = data.HeapQueries();
    data.rig.session.StartDebug();
    const std::vector<std::string> all = data.rig.Commands();
    EXPECT_EQ(std::vector<std::string>(all.begin() + long(mark), all.end()),
              (std::vector<std::string>{"begin-load", "breakpoints", "config", "status", "stack", "heap"}));
    const auto heap = data.rig.log.OfKind(orusim::EventKind::HeapQuery);
    ASSERT_EQ(heap.size(), heapMark + 1);
    EXPECT_EQ(heap.back().values, (std::vector<int64_t>{0, 1}));
    EXPECT_TRUE(data.rig.BreakpointLists().back().empty());
}

TEST_F(DataRefresh, TheMemoryPageAddsUpAndWaitsForItsTab)
{
    RunTo("// counts");
    EXPECT_EQ(data.page.figureUpdates, 0) << "Call Stack shows: labels untouched";
    data.page.showing = true;
    data.rig.session.UpdateDebug();
    const TMemoryFigures& f = data.page.figures;
    const CORULinker& linker = *data.rig.session.Linker();
    EXPECT_EQ(f.total, 36864);
    EXPECT_EQ(f.stack, data.window.Stack().GetSize());
    EXPECT_EQ(f.strings, linker.GetStringAreaSize());
    EXPECT_EQ(f.statics, linker.GetStaticAreaSize());
    EXPECT_GT(f.heap, 0);
    EXPECT_EQ(f.used, f.code + f.strings + f.statics + f.heap + f.stack);
    EXPECT_EQ(f.free, f.total - f.used);
    const int32_t memSize = 36864 - linker.GetStackOffset();
    EXPECT_EQ(data.page.bars.stackWidth, int(double(f.stack) / memSize * 175));
    EXPECT_EQ(data.page.bars.heapWidth, int(double(f.heap) / memSize * 175));
    EXPECT_EQ(data.page.bars.heapLeft, 98 + 175 - data.page.bars.heapWidth);
    EXPECT_EQ(data.page.bars.stackText, "Stack: " + std::to_string(f.stack));
    ASSERT_EQ(int(data.page.rows.size()), linker.GetClassCount() + 1);
    EXPECT_EQ(data.page.rows[0], (TClassSizeRow{"Class", "Code Size", "Strings Size"}));
    EXPECT_EQ(data.page.rows[1][0], linker.GetClass(0)->GetName());
}

TEST(DataMemoryBars, ANoMemorySizeGivesEmptyBarsAndNoneOverflows)
{
    TMemoryDebugTree stack, statics;
    RecordingMemoryPage page;
    TDataWindow window(stack, statics, page, [] { return nullptr; });
    window.ShowMemory(0, 100, 100);
    EXPECT_EQ(page.bars.stackWidth, 0);
    EXPECT_EQ(page.bars.heapWidth, 0);
    window.ShowMemory(-5, 100, 100);
    EXPECT_EQ(page.bars.heapLeft, 98 + 175);
    window.ShowMemory(100, 400, 50);
    EXPECT_EQ(page.bars.stackWidth, 175);
    EXPECT_EQ(page.bars.heapWidth, 87);
}

}  // namespace
