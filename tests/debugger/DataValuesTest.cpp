// The variable lines against the values the program itself printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tests/debugger/DataWindowFixture.h"

namespace {

class DataValues : public ::testing::Test {
protected:
    void SetUp() override { data.RunTo(DataRig::Program("Values"), "Values", "// stop"); }

    // What the program printed after the head and a blank.
    std::string Printed(const std::string& head) const
    {
        for (const std::string& text : data.Messages())
            if (text.rfind(head + " ", 0) == 0) return text.substr(head.size() + 1);
        ADD_FAILURE() << "nothing printed for " << head;
        return {};
    }
    static std::vector<std::string> Words(const std::string& text)
    {
        std::istringstream in(text);
        std::vector<std::string> words;
        for (std::string word; in >> word;) words.push_back(word);
        return words;
    }
    // The first word of a line's value; empty for an object.
    static std::string Value(const IDebugTree& tree, TTreeLine line)
    {
        const std::string text = tree.Text(line);
        const std::vector<std::string> words = Words(text.substr(text.find(" = ") + 3));
        return words.empty() ? std::string() : words[0];
    }
    // Opens the line and gives the first value word of each child.
    std::vector<std::string> Open(IDebugTree& tree, TTreeLine line)
    {
        tree.Expand(line, false);
        std::vector<std::string> values;
        for (int i = 0; i < tree.ChildCount(line); ++i) values.push_back(Value(tree, tree.Child(line, i)));
        return values;
    }

    DataRig data;
};

TEST_F(DataValues, PrimitivesAndStringsShowThePrintedValues)
{
    IDebugTree& tree = data.stackTree;
    TTreeLine frame = tree.Child(nullptr, 0);
    EXPECT_EQ(tree.Text(frame), "Values::main()");
    EXPECT_EQ(tree.Image(frame), imFrame);
    EXPECT_TRUE(tree.IsExpanded(frame)) << "the current method is open";
    for (const char* name : {"int i", "char c", "byte b", "short s", "boolean z"}) {
        TTreeLine line = DataRig::Line(tree, std::string(name) + " = ");
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(Value(tree, line), Printed(name)) << name;
        EXPECT_EQ(tree.Image(line), imPrimitive);
    }
    EXPECT_EQ(tree.Text(DataRig::Line(tree, "int i = ")), "int i = 16706 0x4142 'AB'");
    EXPECT_EQ(tree.Text(DataRig::Line(tree, "char c = ")), "char c = 65 0x41 'A'");
    TTreeLine text = DataRig::Line(tree, "java.lang.String text = ");
    EXPECT_EQ(tree.Text(text).rfind("java.lang.String text = " + Printed("java.lang.String text") + " (0x", 0), 0u);
    EXPECT_EQ(tree.Image(text), imString);
    EXPECT_EQ(tree.ChildCount(text), 0);
    EXPECT_EQ(tree.Text(DataRig::Line(tree, "Item none = ")), "Item none = null");
}

TEST_F(DataValues, ArraysAndObjectsOpenToThePrintedValues)
{
    IDebugTree& tree = data.stackTree;
    TTreeLine numbers = DataRig::Line(tree, "int[] numbers = ");
    EXPECT_EQ(tree.Image(numbers), imArray);
    EXPECT_EQ(Open(tree, numbers), Words(Printed("numbers")));
    EXPECT_EQ(tree.Text(tree.Child(numbers, 0)), " [0] = 1 0x0001 '..'") << "the type is hidden";
    EXPECT_EQ(Open(tree, DataRig::Line(tree, "char[] letters = ")), Words(Printed("letters")));

    TTreeLine bytes = DataRig::Line(tree, "byte[] bytes = ");
    tree.Expand(bytes, false);
    ASSERT_EQ(tree.ChildCount(bytes), 301);
    EXPECT_EQ(tree.Text(tree.Child(bytes, 300)), "Elements 300 to 300 not shown");
    EXPECT_EQ(tree.Image(tree.Child(bytes, 300)), imNotShown);
    EXPECT_EQ(Words(Printed("bytes"))[0], "301");

    TTreeLine item = DataRig::Line(tree, "Item item = ");
    EXPECT_EQ(tree.Image(item), imObject);
    EXPECT_FALSE(tree.IsExpanded(item)) << "objects open on request";
    std::vector<std::string> fields = Open(tree, item);
    EXPECT_EQ(DataRig::Children(tree, item)[0].rfind("int inherited = ", 0), 0u) << "the inherited field first";
    TTreeLine next = DataRig::Line(tree, "Item next = ");
    fields.pop_back();
    fields.push_back(Open(tree, next).at(1));
    EXPECT_EQ(fields, Words(Printed("item")));
}

TEST_F(DataValues, StaticsOfEveryClassWithoutConstants)
{
    IDebugTree& tree = data.staticTree;
    TTreeLine root = DataRig::Line(tree, "Static Fields");
    EXPECT_EQ(tree.Image(root), imObject);
    EXPECT_FALSE(tree.IsExpanded(root));
    tree.Expand(root, false);
    const std::vector<std::string> classes = DataRig::Children(tree, root);
    EXPECT_NE(std::find(classes.begin(), classes.end(), "Values "), classes.end());
    EXPECT_NE(std::find(classes.begin(), classes.end(), "Settings "), classes.end());
    std::vector<std::string> values = Open(tree, DataRig::Line(tree, "Values "));
    for (const std::string& value : Open(tree, DataRig::Line(tree, "Settings "))) values.push_back(value);
    const std::vector<std::string> printed = Words(Printed("statics"));
    EXPECT_EQ(values, std::vector<std::string>({printed[0], printed[1], printed[2], "\"" + printed[3] + "\""}));
    EXPECT_EQ(DataRig::Find(tree, "int LIMIT"), nullptr) << "a constant has no slot";
}

}  // namespace
