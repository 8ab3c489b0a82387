// Exact lines of the data window for the edge cases of the variable tree.
#include <gtest/gtest.h>

#include "foundation/EError.h"
#include "tests/debugger/DataWindowFixture.h"

namespace {

class DataEdges : public ::testing::Test {
protected:
    void RunTo(const std::string& marker) { data.RunTo(DataRig::Program("Edges"), "Edges", marker); }
    TTreeLine Frame() const { return data.stackTree.Child(nullptr, 0); }
    TTreeLine Line(const std::string& prefix)
    {
        TTreeLine line = DataRig::Find(data.stackTree, prefix);
        EXPECT_NE(line, nullptr) << prefix;
        return line;
    }

    DataRig data;
};

TEST_F(DataEdges, ThisOpensByItselfAndTheCallerFollows)
{
    RunTo("// this opens");
    IDebugTree& tree = data.stackTree;
    ASSERT_EQ(tree.ChildCount(nullptr), 2);
    EXPECT_EQ(tree.Text(Frame()), "Edges::show()");
    EXPECT_EQ(tree.Text(tree.Child(nullptr, 1)), "Edges::main()");
    EXPECT_FALSE(tree.IsExpanded(tree.Child(nullptr, 1))) << "only the current method opens";
    TTreeLine self = Line("Edges this = ");
    EXPECT_TRUE(tree.IsExpanded(self));
    EXPECT_EQ(DataRig::Children(tree, self), std::vector<std::string>{"int own = 3 0x0003 '..'"});
}

TEST_F(DataEdges, NoLocalInScopeNoExpandMark)
{
    RunTo("// no locals");
    EXPECT_EQ(data.stackTree.Text(Frame()), "Edges::nothing()");
    EXPECT_EQ(data.stackTree.ChildCount(Frame()), 0);
}

TEST_F(DataEdges, ALocalOutOfScopeShowsItsName)
{
    RunTo("// out of scope");
    TTreeLine line = Line("later out of scope");
    EXPECT_EQ(data.stackTree.Image(line), imOutOfScope);
}

TEST_F(DataEdges, NumbersArraysAndLongStrings)
{
    RunTo("// numbers");
    IDebugTree& tree = data.stackTree;
    EXPECT_EQ(tree.Text(Line("int ab = ")), "int ab = 16706 0x4142 'AB'");
    EXPECT_EQ(tree.Text(Line("int one = ")), "int one = 1 0x0001 '..'");
    EXPECT_EQ(tree.Text(Line("byte minus = ")), "byte minus = 65535 0xFFFF '.'");
    TTreeLine empty = Line("Empty empty = ");
    EXPECT_EQ(tree.ChildCount(empty), 0) << "no fields: nothing to open";

    TTreeLine full = Line("byte[] full = ");
    tree.Expand(full, false);
    EXPECT_EQ(tree.ChildCount(full), 300);
    EXPECT_EQ(tree.Text(tree.Child(full, 299)), " [299] = 0 0x00 '.'");
    // One more element is cut: DataValuesTest.

    const std::string big = tree.Text(Line("java.lang.String big = "));
    EXPECT_EQ(big.size(), 199u + 5u);
    EXPECT_EQ(big, "java.lang.String big = \"" + std::string(199 - 24, 'a') + " ...\"");
}

TEST_F(DataEdges, AFloatFieldStopsTheObjectWithTheLinesSoFar)
{
    RunTo("// floats");
    IDebugTree& tree = data.stackTree;
    TTreeLine object = Line("WithFloat w = ");
    try {
        tree.Expand(object, false);
        ADD_FAILURE() << "no error";
    } catch (const EError& e) {
        EXPECT_EQ(e.Category, ecIDE);
        EXPECT_EQ(e.Number, 18);
        EXPECT_NE(e.Message.find("Type not implemented in debugger (F)."), std::string::npos) << e.Message;
    }
    EXPECT_EQ(DataRig::Children(tree, object), std::vector<std::string>{"int before = 0 0x0000 '..'"});
}

TEST_F(DataEdges, TheCompilersTemporariesGetNoLine)
{
    RunTo("// guarded");
    IDebugTree& tree = data.stackTree;
    EXPECT_EQ(tree.Text(Frame()), "Edges::guarded()");
    EXPECT_EQ(DataRig::Children(tree, Frame()), std::vector<std::string>{"int x = 1 0x0001 '..'"});
}

}  // namespace
