#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "tests/linker/ClassFixture.h"
#include "tests/linker/LinkFixture.h"

namespace {
class Queries : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(linkError, ""); }
    LinkedProgram program{ProgramSources({"Statics.java"})};
    std::string linkError = program.Link("Statics");
    CORULinker& linker = program.Linker();
    std::string source = program.ClassDir() + "/Statics.java";
};
}  // namespace

TEST_F(Queries, ClassesAndMethodsByOffset) {
    for (int i = 0; i < linker.GetClassCount(); ++i)
        EXPECT_EQ(linker.FindClassByOffset(linker.GetClassOffset(linker.GetClass(i))), linker.GetClass(i));
    EXPECT_EQ(ErrorMessageOf([&] { linker.FindClassByOffset(21); }), "[ Error IDE-0029] Invalid class offset.\n");
    CJavaClass* owner = nullptr;
    const CJavaClass* main = linker.GetClass(0);
    int m = linker.FindMethodByOffset(main->GetLinkedMethodOffset("main", "()V"), owner);
    EXPECT_EQ(owner, main);
    EXPECT_STREQ(main->GetMethodName(m), "main");
    EXPECT_EQ(ErrorMessageOf([&] { linker.FindMethodByOffset(21, owner); }),
              "[ Error IDE-0015] Stack trace is corrupt.\n");
}

TEST_F(Queries, TranslatePcEdges) {
    int line = 0, pc = 0;
    EXPECT_EQ(ErrorMessageOf([&] { linker.TranslatePC(19, line, pc); }),
              "[ Error IDE-0016] Unable to do line number translation for pc = 19.\n");
    const CJavaClass* main = linker.GetClass(0);
    int m = linker.GetMainMethodIndex();
    uint32_t code = main->GetMethodImageOffset(m);
    int prologue = linker.GetMainPrologueSize(main, m);
    ASSERT_GT(prologue, 0);
    linker.TranslatePC(code + 1, line, pc);  // inside the initialiser calls
    EXPECT_EQ(pc, 1 - prologue);
    int firstLine = main->Methods[m].LineNumbers.front().Line;
    for (const TLineNumber& entry : main->Methods[m].LineNumbers)
        if (entry.StartPc == 0) firstLine = entry.Line;
    EXPECT_EQ(line, firstLine);
    // The string area belongs to the last method of the last class.
    const CJavaClass* last = linker.GetClass(linker.GetClassCount() - 1);
    std::string name = linker.TranslatePC(uint32_t(linker.GetImageSize() - 1), line, pc);
    EXPECT_EQ(name, const_cast<CJavaClass*>(last)->GetSourceName());
}

TEST_F(Queries, BreakpointsByFileAndLine) {
    // "Counter.bump();" is on line 25; line 24 is "public static void main() {".
    EXPECT_EQ(linker.FindBreakableLine(source, 25), 25);
    std::string upper = source;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    EXPECT_EQ(linker.FindBreakableLine(upper, 25), 25);
    std::string backslashed = source;
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    EXPECT_EQ(linker.FindBreakpointAddress(backslashed, 25), linker.FindBreakpointAddress(source, 25));
    int line = 0, pc = 0;
    linker.TranslatePC(linker.FindBreakpointAddress(source, 25), line, pc);
    EXPECT_EQ(line, 25);
    EXPECT_EQ(ErrorMessageOf([&] { linker.FindBreakableLine(source, 500); }),
              "[ Error IDE-0020] Unable to find a breakable line.\n");
    EXPECT_EQ(ErrorMessageOf([&] { linker.FindBreakpointAddress("/nowhere/Statics.java", 25); }),
              "[ Error IDE-0019] Unable to find class (/nowhere/Statics.java).\n");
    EXPECT_EQ(ErrorMessageOf([&] { linker.FindBreakpointAddress("a", 25); }),
              "[ Error IDE-0019] Unable to find class (a).\n");
}

TEST_F(Queries, StringsAndSizes) {
    const CJavaClass* settings = linker.FindLinkedClass("Settings");
    ASSERT_TRUE(settings);
    int constant = 0;
    for (int i = 1; i < settings->GetConstantPoolCount(); ++i)
        if (settings->GetConstantTag(i) == ctString) constant = i;
    const TStringRecord& record = linker.FindStringIndex(settings, constant);
    EXPECT_STREQ(record.Text, "settings");
    EXPECT_EQ(linker.GetImage()[record.DataOffset + 11], 'e');
    EXPECT_EQ(ErrorMessageOf([&] { linker.FindStringIndex(settings, 1); }),
              "[ Error JVM-0020] Java class file corrupt: `Settings'.\n");
    uint32_t strings = 0;
    for (int i = 0; i < linker.GetClassCount(); ++i) strings += linker.GetClassStringsSize(i);
    EXPECT_EQ(int(strings) + 2 * linker.GetStringCount(), linker.GetStringAreaSize());
    EXPECT_EQ(linker.GetStringAreaStart() + linker.GetStringAreaSize(), linker.GetImageSize());
    EXPECT_EQ(linker.GetStaticAreaSize(), 2 * linker.GetStaticCount());
    EXPECT_EQ(linker.GetImage()[3], linker.GetStaticAreaSize());
    EXPECT_EQ(linker.GetStackOffset(), (linker.GetImageSize() / 16 + 1) * 16);
}

TEST(QueriesAfterLink, LoadingAnotherClassLeavesTheImageQueriesAlone) {
    LinkedProgram program(ProgramSources({"Hello.java", "Strings.java"}));
    ASSERT_EQ(program.Link("Hello"), "");
    CORULinker& linker = program.Linker();
    int count = linker.GetClassCount();
    int index = linker.GetClassIndex("Strings");  // not part of the program: loaded now
    EXPECT_EQ(index, count);
    int line = 0, pc = 0;
    const CJavaClass* main = linker.GetClass(0);
    EXPECT_EQ(linker.TranslatePC(main->GetMethodImageOffset(linker.GetMainMethodIndex()) +
                                     uint32_t(linker.GetMainPrologueSize(main, linker.GetMainMethodIndex())),
                                 line, pc),
              const_cast<CJavaClass*>(main)->GetSourceName());
    EXPECT_EQ(pc, 0);
    const CJavaClass* strings = linker.GetClass(index);
    int world = 0;
    for (int i = 1; i < strings->GetConstantPoolCount(); ++i) {
        if (strings->GetConstantTag(i) == ctString &&
            std::strcmp(strings->GetStringConstantText(i), "world") == 0)
            world = i;
    }
    ASSERT_GT(world, 0);
    EXPECT_EQ(ErrorMessageOf([&] { linker.FindStringIndex(strings, world); }),
              "[ Error IDE-0030] Unable to find constant pool string.\n");
    EXPECT_EQ(ErrorMessageOf([&] { linker.GetClassOffset(nullptr); }),
              "[ Error IDE-0019] Unable to find class ().\n");
}
