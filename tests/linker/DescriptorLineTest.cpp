#include <gtest/gtest.h>

#include "tests/linker/ClassFixture.h"

namespace {

// Gives method m of c the descriptor `descriptor` (test-only rewrite).
void SetDescriptor(CJavaClass& c, int m, const std::string& descriptor) {
    c.ConstantPool[c.Methods[m].DescriptorIndex].Utf8 = descriptor;
}

}  // namespace

TEST(Descriptors, CountArgumentWords) {
    auto c = LoadTestClass("Derived");
    EXPECT_EQ(c->CountArgumentWords(MethodIndex(*c, "twice")), 5);  // static (IJ[ILjava/lang/String;)I
    EXPECT_EQ(c->CountArgumentWords(MethodIndex(*c, "extra")), 1);
    const int run = MethodIndex(*c, "run");
    SetDescriptor(*c, run, "(IJ[JLjava/lang/String;)V");
    EXPECT_EQ(c->CountArgumentWords(run), 6);
    SetDescriptor(*c, run, "([[Ljava/lang/Object;[[D)V");
    EXPECT_EQ(c->CountArgumentWords(run), 3);
    SetDescriptor(*c, run, "(Q)V");
    EXPECT_EQ(ErrorMessageOf([&] { c->CountArgumentWords(run); }),
              "[ Error JVM-0022] Unknown parameter (`Q') in definition of method `run'.\n");
    SetDescriptor(*c, run, "(Ljava/lang");
    EXPECT_NE(ErrorMessageOf([&] { c->CountArgumentWords(run); }).find("JVM-0022"), std::string::npos);
    SetDescriptor(*c, run, "(I");
    EXPECT_NE(ErrorMessageOf([&] { c->CountArgumentWords(run); }).find("JVM-0022"), std::string::npos);
}

TEST(Descriptors, TypeNames) {
    EXPECT_EQ(CJavaClass::TypeName("[[I"), "int[][]");
    EXPECT_EQ(CJavaClass::TypeName("Ljava/lang/String;"), "java.lang.String");
    EXPECT_EQ(CJavaClass::TypeName("[Z"), "boolean[]");
    EXPECT_EQ(CJavaClass::TypeName("J"), "long");
    EXPECT_EQ(ErrorMessageOf([] { CJavaClass::TypeName("V"); }),
              "[ Error JVM-0025] Unknown parameter (`V').\n");
    EXPECT_NE(ErrorMessageOf([] { CJavaClass::TypeName("Ljava/lang"); }).find("JVM-0025"),
              std::string::npos);
}

TEST(LineNumbers, LineForPcTakesTheNearestStartAtOrBelow) {
    auto c = LoadTestClass("Lines");
    const int m = MethodIndex(*c, "first");
    EXPECT_EQ(c->GetLineForPc(m, 0), 3);
    c->Methods[m].LineNumbers = {{0, 10}, {4, 11}, {9, 12}};
    c->SetMethodImageOffset(m, 100);
    EXPECT_EQ(c->GetLineForPc(m, 105), 11);
    EXPECT_EQ(c->GetLineForPc(m, 100), 10);
    EXPECT_EQ(c->GetLineForPc(m, 109), 12);
    EXPECT_EQ(c->GetLineForPc(m, 50), 12);  // before the method: the highest line
    EXPECT_EQ(ErrorMessageOf([&] { c->GetLineForPc(MethodIndex(*c, "outside"), 0); }),
              "[ Error JVM-0026] No line number info in class file `Lines'.\n");
}

TEST(LineNumbers, RelocationLeavesTheFirstEntry) {
    auto c = LoadTestClass("Lines");
    const int m = MethodIndex(*c, "first");
    c->Methods[m].LineNumbers = {{0, 10}, {4, 11}, {9, 12}};
    c->RelocateLineTable(m, 6);
    const auto& lines = c->Methods[m].LineNumbers;
    EXPECT_EQ(lines[0].StartPc, 0);
    EXPECT_EQ(lines[1].StartPc, 10);
    EXPECT_EQ(lines[2].StartPc, 15);
}

TEST(BreakableLines, MovesForwardWithinTheMethodThatHoldsTheLine) {
    auto c = LoadTestClass("Lines");
    const int first = MethodIndex(*c, "first");
    const int second = MethodIndex(*c, "second");
    c->Methods[first].LineNumbers = {{0, 10}, {4, 15}, {8, 20}};
    c->Methods[second].LineNumbers = {{0, 30}, {3, 40}};
    c->SetMethodImageOffset(first, 200);
    EXPECT_EQ(c->FindBreakableLine(12), 15);
    EXPECT_EQ(c->FindBreakableLine(30), 30);
    int method = -1;
    EXPECT_EQ(c->FindBreakableAddress(11, method), 204u);
    EXPECT_EQ(method, first);
    EXPECT_EQ(ErrorMessageOf([&] { c->FindBreakableLine(25); }),
              "[ Error IDE-0020] Unable to find a breakable line.\n");
    EXPECT_NE(ErrorMessageOf([&] { c->FindBreakableAddress(41, method); }).find("IDE-0020"),
              std::string::npos);
}

TEST(BreakableLines, DistanceLimits) {
    auto c = LoadTestClass("Lines");
    for (TJavaMethod& method : c->Methods) method.LineNumbers.clear();
    const int first = MethodIndex(*c, "first");
    c->Methods[first].LineNumbers = {{0, 10}, {4, 1011}, {8, 60000}};
    int method = -1;
    EXPECT_EQ(c->FindBreakableAddress(12, method), 4u);       // 999 ahead
    EXPECT_NE(ErrorMessageOf([&] { c->FindBreakableAddress(11, method); }).find("IDE-0020"),
              std::string::npos);                              // 1000 ahead
    EXPECT_EQ(c->FindBreakableLine(11), 1011);
    EXPECT_EQ(c->FindBreakableLine(1012), 60000);
}

TEST(BreakableLines, NativeMethodsAndEqualLinesKeepFileOrder) {
    auto lines = LoadTestClass("Lines");
    const int native = MethodIndex(*lines, "outside");
    lines->Methods[native].LineNumbers = {{0, 4}};
    EXPECT_EQ(lines->FindBreakableLine(4), 4);  // line 4 of `first`, not the native method
    int method = -1;
    lines->FindBreakableAddress(4, method);
    EXPECT_EQ(method, MethodIndex(*lines, "first"));

    // ecj lists the line of a try block twice (pc 3 and pc 12); the first one wins.
    auto listing = LoadTestClass("Listing");
    const int wrap = MethodIndex(*listing, "wrap");
    const int tryLine = listing->Methods[wrap].LineNumbers[1].Line;
    EXPECT_EQ(listing->FindBreakableAddress(tryLine, method), 3u);
    EXPECT_EQ(method, wrap);
}

TEST(LocalVariables, ScopeIncludesBothEnds) {
    auto c = LoadTestClass("Listing");
    const int m = MethodIndex(*c, "operands");
    // int a: slot 3 from pc 4 for 137 bytes.
    EXPECT_STREQ(c->GetLocalVariableName(m, 3, 4), "a");
    EXPECT_STREQ(c->GetLocalVariableName(m, 3, 141), "a");
    EXPECT_STREQ(c->GetLocalVariableDescriptor(m, 3, 50), "I");
    EXPECT_EQ(c->FindLocalVariable(m, 3, 4), 3);
    EXPECT_TRUE(c->IsLocalVariableInScope(m, 3, 141));
    EXPECT_FALSE(c->IsLocalVariableInScope(m, 3, 3));
    EXPECT_FALSE(c->IsLocalVariableInScope(m, 3, 142));
    EXPECT_EQ(ErrorMessageOf([&] { c->GetLocalVariableName(m, 3, 3); }),
              "[ Error JVM-0027] Invalid local variable index.\n");
    EXPECT_STREQ(c->GetLocalVariableNameAnyPc(m, 3), "a");
    EXPECT_STREQ(c->GetLocalVariableDescriptor(m, 2, 0), "Ljava/lang/Object;");
    EXPECT_NE(ErrorMessageOf([&] { c->GetLocalVariableNameAnyPc(m, 99); }).find("JVM-0027"),
              std::string::npos);

    const int helper = MethodIndex(*c, "helper");
    EXPECT_EQ(ErrorMessageOf([&] { c->GetLocalVariableName(helper, 0, 0); }),
              "[ Error JVM-0024] No debug info in class file `Listing'.\n");
    EXPECT_FALSE(c->IsLocalVariableInScope(helper, 0, 0));
}
