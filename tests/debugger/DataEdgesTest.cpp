// The data window on tests/debugger/programs/Edges.java: the variable tree's
// edge cases, the refresh that keeps open lines by name, the queries counted
// on the simulator's log, the wire at the session's start and the memory page.
#include <gtest/gtest.h>

#include "foundation/EError.h"
#include "linker/ORULinker.h"
#include "tests/debugger/DataWindowFixture.h"

namespace {

class DataEdges : public ::testing::Test {
protected:
    void RunTo(const std::string& marker) { data.RunTo(folder, "Edges", marker); }
    void RunOnTo(const std::string& marker) { data.RunOnTo(folder, "Edges", marker); }
    TTreeLine Frame() const { return data.stackTree.Child(nullptr, 0); }

    std::string folder = DataRig::Program("Edges");
    DataRig data;
    IDebugTree& tree = data.stackTree;
};

// One run through Edges' methods in their order.
TEST_F(DataEdges, EveryEdgeOfTheVariableTree)
{
    RunTo("// this opens");
    ASSERT_EQ(tree.ChildCount(nullptr), 2);
    EXPECT_EQ(tree.Text(Frame()), "Edges::show()");
    EXPECT_EQ(tree.Text(tree.Child(nullptr, 1)), "Edges::main()");
    EXPECT_FALSE(tree.IsExpanded(tree.Child(nullptr, 1))) << "only the current method opens";
    TTreeLine self = data.Line("Edges this = ");
    EXPECT_TRUE(tree.IsExpanded(self));
    EXPECT_EQ(DataRig::Children(tree, self), std::vector<std::string>{"int own = 3 0x0003 '..'"});

    RunOnTo("// no locals");
    EXPECT_EQ(tree.Text(Frame()), "Edges::nothing()");
    EXPECT_EQ(tree.ChildCount(Frame()), 0) << "no expand mark";

    RunOnTo("// out of scope");
    EXPECT_EQ(tree.Image(data.Line("later out of scope")), imOutOfScope);

    RunOnTo("// numbers");
    EXPECT_EQ(tree.Text(data.Line("int ab = ")), "int ab = 16706 0x4142 'AB'");
    EXPECT_EQ(tree.Text(data.Line("int one = ")), "int one = 1 0x0001 '..'");
    EXPECT_EQ(tree.Text(data.Line("byte minus = ")), "byte minus = 65535 0xFFFF '.'");
    EXPECT_EQ(tree.ChildCount(data.Line("Empty empty = ")), 0) << "no fields: nothing to open";
    TTreeLine full = data.Line("byte[] full = ");
    tree.Expand(full, false);
    EXPECT_EQ(tree.ChildCount(full), 300);
    EXPECT_EQ(tree.Text(tree.Child(full, 299)), " [299] = 0 0x00 '.'");  // one more is cut: DataValuesTest
    const std::string big = tree.Text(data.Line("java.lang.String big = "));
    EXPECT_EQ(big.size(), 199u + 5u);
    EXPECT_EQ(big, "java.lang.String big = \"" + std::string(199 - 24, 'a') + " ...\"");

    RunOnTo("// floats");
    TTreeLine object = data.Line("WithFloat w = ");
    try {
        tree.Expand(object, false);
        ADD_FAILURE() << "no error";
    } catch (const EError& e) {
        EXPECT_EQ(e.Category, ecIDE);
        EXPECT_EQ(e.Number, 18);
        EXPECT_NE(e.Message.find("Type not implemented in debugger (F)."), std::string::npos) << e.Message;
    }
    EXPECT_EQ(DataRig::Children(tree, object), std::vector<std::string>{"int before = 0 0x0000 '..'"});

    RunOnTo("// guarded");
    EXPECT_EQ(tree.Text(Frame()), "Edges::guarded()");
    EXPECT_EQ(DataRig::Children(tree, Frame()), std::vector<std::string>{"int x = 1 0x0001 '..'"})
        << "the compiler's temporaries get no line";
}

TEST_F(DataEdges, AStepShowsNewValuesAndKeepsOpenLinesByName)
{
    RunTo("// step from here");
    tree.Expand(data.Line("Triple t = "), false);
    EXPECT_EQ(tree.Text(data.Line("int a = ")), "int a = 0 0x0000 '..'");
    // The self-referencing object, three levels open.
    tree.Expand(data.Line("Link self = "), false);
    TTreeLine level = data.Line("Link self = ");
    for (int i = 0; i < 3; ++i) {
        level = tree.Child(level, 0);
        ASSERT_EQ(tree.Text(level), "Link next = ");
        tree.Expand(level, false);
    }
    const int lines = tree.Count();

    data.rig.session.StepOver();
    EXPECT_EQ(tree.Text(data.Line("int a = ")), "int a = 1 0x0001 '..'") << "the cache was emptied";
    EXPECT_TRUE(tree.IsExpanded(data.Line("Triple t = ")));
    EXPECT_EQ(tree.Count(), lines) << "each open line reopened once";
    level = data.Line("Link self = ");
    for (int i = 0; i < 3; ++i) level = tree.Child(level, 0);
    EXPECT_TRUE(tree.IsExpanded(level));
    EXPECT_FALSE(tree.IsExpanded(tree.Child(level, 0))) << "a fourth level was never open";

    // A line whose type or name changed closes.
    RunOnTo("// first block");
    tree.Expand(data.Line("Triple first = "), false);
    RunOnTo("// second block");
    EXPECT_FALSE(tree.IsExpanded(data.Line("Link second = ")));
}

TEST_F(DataEdges, AnObjectWithThreeFieldsCostsOneHeapQueryAndTheMemoryPageAddsUp)
{
    RunTo("// counts");
    EXPECT_EQ(data.page.figureUpdates, 0) << "Call Stack shows: labels untouched";
    size_t mark = data.HeapQueries();
    data.rig.session.UpdateDebug();
    // The heap pointer (0, 1), then the object's class word.
    EXPECT_EQ(data.HeapQueries() - mark, 2u);
    mark = data.HeapQueries();
    TTreeLine object = data.Line("Triple t = ");
    tree.Expand(object, false);
    EXPECT_EQ(tree.ChildCount(object), 3);
    EXPECT_EQ(data.HeapQueries(), mark) << "the fields came with the class word";
    data.rig.session.UpdateDebug();
    EXPECT_TRUE(tree.IsExpanded(data.Line("Triple t = ")));
    EXPECT_EQ(data.HeapQueries() - mark, 2u) << "reopening reads nothing more";

    const size_t commands = data.rig.Commands().size();
    data.page.showing = true;
    data.window.DebugTabsChange();
    EXPECT_EQ(data.page.figureUpdates, 1);
    EXPECT_EQ(data.rig.Commands().size(), commands) << "the memory page comes from the snapshot";
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

TEST_F(DataEdges, TheWireAtTheSessionsStart)
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

TEST_F(DataEdges, ARunningModuleRefusesExpansionWithoutAQuery)
{
    data.RunTo(DataRig::Program("Values"), "Values", "// stop");
    IDebugTree& statics = data.staticTree;
    TTreeLine root = statics.Child(nullptr, 0);
    data.rig.session.Run();
    ASSERT_TRUE(data.window.Running());
    const size_t queries = data.HeapQueries();
    statics.Expand(root, false);
    EXPECT_FALSE(statics.IsExpanded(root));
    EXPECT_EQ(statics.ChildCount(root), 1) << "still the placeholder";
    data.window.LineDoubleClicked(statics, root);
    EXPECT_EQ(statics.ChildCount(root), 1);
    EXPECT_EQ(data.HeapQueries(), queries);
    data.rig.session.Stop();
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
