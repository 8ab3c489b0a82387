#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/Registry.h"
#include "tests/support/TempDir.h"

namespace {
bool Has(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}
}  // namespace

TEST(Registry, ValuesSurviveReopeningTheFile) {
    TempDir dir;
    std::string file = dir.File("store.conf");
    const std::string awkward = " lead;a,b=c \"q\" \\x %d #h ü€ trail ";
    {
        TRegistry reg(file);
        reg.WriteInteger("Colour", 0x80000008u);
        reg.WriteInteger("Max", 0xFFFFFFFFu);
        reg.WriteString("Text", awkward);
        reg.WriteString("Empty", "");
    }
    TRegistry reg(file);
    EXPECT_EQ(reg.ReadInteger("Colour"), 0x80000008u);
    EXPECT_EQ(reg.ReadInteger("Max"), 0xFFFFFFFFu);
    EXPECT_EQ(reg.ReadString("Text"), awkward);
    EXPECT_TRUE(reg.ValueExists("Empty"));
    EXPECT_EQ(reg.ReadString("Empty"), "");
}

TEST(Registry, MissingOrNonIntegerValuesFailReadInteger) {
    TempDir dir;
    TRegistry reg(dir.File("store.conf"));
    reg.WriteString("Word", "ten");
    reg.WriteString("Big", "4294967296");
    reg.WriteString("Neg", "-1");
    EXPECT_THROW(reg.ReadInteger("Missing"), ERegistryException);
    EXPECT_THROW(reg.ReadInteger("Word"), ERegistryException);
    EXPECT_THROW(reg.ReadInteger("Big"), ERegistryException);
    EXPECT_EQ(reg.ReadInteger("Neg"), 0xFFFFFFFFu);
    EXPECT_EQ(reg.ReadString("Missing"), "");
}

TEST(Registry, HandEditedListValueReadsAsText) {
    TempDir dir;
    std::string file = dir.File("store.conf");
    TempDir::WriteFile(file, "[General]\nPath=a,b\n");
    TRegistry reg(file);
    EXPECT_EQ(reg.ReadString("Path"), "a,b");
}

TEST(Registry, DeleteValueAndExistence) {
    TempDir dir;
    TRegistry reg(dir.File("store.conf"));
    reg.WriteString("A", "x");
    EXPECT_TRUE(reg.ValueExists("A"));
    EXPECT_TRUE(reg.DeleteValue("A"));
    EXPECT_FALSE(reg.ValueExists("A"));
    EXPECT_FALSE(reg.DeleteValue("A"));
}

TEST(Registry, SubKeysKeepTheirOwnValues) {
    TempDir dir;
    std::string file = dir.File("store.conf");
    {
        TRegistry reg(file);
        reg.WriteString("Top", "root");
        ASSERT_TRUE(reg.OpenKey("Highlighter\\Java/Comment", true));
        EXPECT_EQ(reg.CurrentPath(), "Highlighter/Java/Comment");
        reg.WriteInteger("Foreground", 0x808080);
        EXPECT_EQ(reg.ReadString("Top"), "");
        reg.CloseKey();
    }
    TRegistry reg(file);
    EXPECT_FALSE(reg.OpenKey("Nowhere", false));
    EXPECT_EQ(reg.CurrentPath(), "");
    EXPECT_TRUE(Has(reg.GetKeyNames(), "Highlighter"));
    EXPECT_TRUE(Has(reg.GetValueNames(), "Top"));
    ASSERT_TRUE(reg.OpenKey("Highlighter/Java", false));
    EXPECT_TRUE(Has(reg.GetKeyNames(), "Comment"));
    EXPECT_TRUE(reg.KeyExists("Comment"));
    ASSERT_TRUE(reg.OpenKey("Comment", false));
    EXPECT_EQ(reg.CurrentPath(), "Highlighter/Java/Comment");
    EXPECT_EQ(reg.ReadInteger("Foreground"), 0x808080u);
    EXPECT_FALSE(reg.OpenKey("/Nowhere", false));
    EXPECT_EQ(reg.CurrentPath(), "Highlighter/Java/Comment");
    ASSERT_TRUE(reg.OpenKey("\\", false));
    EXPECT_EQ(reg.ReadString("Top"), "root");
    EXPECT_TRUE(reg.DeleteKey("Highlighter"));
    EXPECT_FALSE(reg.KeyExists("Highlighter"));
}

TEST(Registry, DefaultStoreLivesInTheUserConfigFolder) {
    TRegistry reg;
    std::string expected = std::string(std::getenv("XDG_CONFIG_HOME")) + "/HalvoricInc/CorvaneTorve.conf";
    EXPECT_EQ(reg.FileName(), expected);
}
