// The compiled class library: what the linker accepts, and the shapes that
// the image, the compiler and the module rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "linker/JvmOpcodes.h"
#include "tests/javalib/LibraryRules.h"
#include "tests/linker/fuzz/ClassFileExercise.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

namespace {

const CJavaClass& LibraryClass(const std::string& name) {
    auto found = CompiledLibrary().find(name);
    if (found == CompiledLibrary().end()) throw std::runtime_error("library lacks " + name);
    return *found->second;
}

// Library classes loaded and laid out by the linker's own class reader.
struct TLibraryLoader : IClassFinder {
    std::map<std::string, std::shared_ptr<CJavaClass>> loaded;
    CJavaClass* FindClass(const std::string& name) override {
        std::shared_ptr<CJavaClass>& c = loaded[name];
        if (!c) c = LoadJavaClass(name, ClassLibraryDir());
        return c.get();
    }
};

bool Declares(const std::string& cls, const std::string& name, const std::string& descriptor) {
    return DeclaresMethod(LibraryClass(cls), name, descriptor);
}

bool CodeNames(const CJavaClass& cls, int m, const std::string& className) {
    for (uint32_t pc = 0; pc < cls.GetCodeLength(m); pc += cls.InstructionLength(m, pc))
        if (cls.GetCode(m)[pc] == opNew && cls.GetClassConstantName(OperandIndex(cls, m, pc)) == className)
            return true;
    return false;
}

}  // namespace

TEST(ClassLibrary, EveryClassIsVersion45_3AndObeysTheLinkersRules) {
    const TClassMap& library = CompiledLibrary();
    ASSERT_GE(library.size(), 28u);
    for (const auto& [name, cls] : library) {
        EXPECT_EQ(TempDir::ReadFile(cls->GetClassFilePath()).substr(4, 4), std::string("\0\3\0\x2d", 4)) << name;
        EXPECT_EQ(RuleViolations(*cls, library), std::vector<std::string>{}) << name;
    }
}

// Every class also lays out after its superclasses, its code walks by
// instruction lengths to the last byte, and it answers every reader query.
TEST(ClassLibrary, LeavesProgramsMostOfTheSharedLimits) {
    const TClassMap& library = CompiledLibrary();
    EXPECT_LE(LoadedStrings(library).size(), 8u);
    EXPECT_LE(StaticSlots(library), 2);
    // A virtual call reaches only the first 36 entries of a method table.
    TLibraryLoader loader;
    for (const auto& [name, cls] : library) {
        CJavaClass* loaded = loader.FindClass(name);
        loaded->Layout(loader);
        EXPECT_LE(loaded->GetMethodTableCount(), 36) << name;
        for (int m = 0; m < loaded->GetMethodCount(); ++m) {
            uint32_t pc = 0;
            while (pc < loaded->GetCodeLength(m)) loaded->NextInstruction(m, pc);
            EXPECT_EQ(pc, loaded->GetCodeLength(m)) << name;
            EXPECT_GE(loaded->CountArgumentWords(m), loaded->IsMethodStatic(m) ? 0 : 1) << name;
        }
        EXPECT_EQ(classfuzz::ExerciseClassFile(name, TempDir::ReadFile(cls->GetClassFilePath())), "");
    }
}

TEST(ClassLibrary, StringHasTheLayoutOfTheImagesStringRecords) {
    const CJavaClass& string = LibraryClass("java/lang/String");
    ASSERT_EQ(string.GetFieldCount(), 2);
    EXPECT_STREQ(string.GetFieldName(0), "length");
    EXPECT_STREQ(string.GetFieldDescriptor(0), "I");
    EXPECT_STREQ(string.GetFieldName(1), "value");
    EXPECT_STREQ(string.GetFieldDescriptor(1), "[C");
    for (const TJavaField& f : string.Fields) EXPECT_EQ(f.AccessFlags & (accFinal | accStatic), 0);
    EXPECT_EQ(LibraryClass("java/lang/Object").GetFieldCount(), 0);
    EXPECT_STREQ(LibraryClass("java/lang/Object").GetSuperClassName(), "");
}

TEST(ClassLibrary, OffersWhatCompiledProgramsCall) {
    for (const char* d : {"(Ljava/lang/Object;)Ljava/lang/String;", "(I)Ljava/lang/String;",
                          "(C)Ljava/lang/String;", "(Z)Ljava/lang/String;"})
        EXPECT_TRUE(Declares("java/lang/String", "valueOf", d)) << d;
    for (const char* d : {"(Ljava/lang/String;)Ljava/lang/StringBuffer;", "(C)Ljava/lang/StringBuffer;",
                          "(I)Ljava/lang/StringBuffer;", "(Z)Ljava/lang/StringBuffer;",
                          "(Ljava/lang/Object;)Ljava/lang/StringBuffer;"})
        EXPECT_TRUE(Declares("java/lang/StringBuffer", "append", d)) << d;
    EXPECT_TRUE(Declares("java/lang/StringBuffer", "<init>", "(Ljava/lang/String;)V"));
    EXPECT_TRUE(Declares("java/lang/Object", "getClass", "()Ljava/lang/Class;"));
    for (const char* d : {"(Ljava/lang/String;)V", "(I)V", "(C)V", "(Z)V", "(Ljava/lang/Object;)V"}) {
        EXPECT_TRUE(Declares("java/io/PrintStream", "print", d)) << d;
        EXPECT_TRUE(Declares("java/io/PrintStream", "println", d)) << d;
    }
    EXPECT_TRUE(Declares("java/io/PrintStream", "println", "()V"));
}

TEST(ClassLibrary, ThrowVMExceptionReachesEveryFaultsException) {
    const CJavaClass& throwable = LibraryClass("java/lang/Throwable");
    ASSERT_TRUE(DeclaresMethod(throwable, "throwVMException", "(I)V"));
    const int method = throwable.FindMethod("throwVMException", "(I)V");
    EXPECT_TRUE(throwable.IsMethodStatic(method));
    for (const char* name : {"java/lang/OutOfMemoryError", "java/lang/NullPointerException",
                             "java/lang/ArithmeticException", "java/lang/ArrayIndexOutOfBoundsException",
                             "java/lang/NegativeArraySizeException", "java/lang/StackOverflowError"})
        EXPECT_TRUE(CodeNames(throwable, method, name)) << name;
    for (const char* name : {"Exception", "Error", "RuntimeException", "OutOfMemoryError", "StackOverflowError",
                             "ArithmeticException", "NullPointerException", "ArrayIndexOutOfBoundsException",
                             "NegativeArraySizeException", "ClassCastException", "IndexOutOfBoundsException",
                             "IllegalArgumentException"}) {
        std::string cls = std::string("java/lang/") + name;
        EXPECT_TRUE(Declares(cls, "<init>", "()V")) << name;
        EXPECT_TRUE(Declares(cls, "<init>", "(Ljava/lang/String;)V")) << name;
    }
}

TEST(LibraryRules, CatchWhatTheLinkerRefuses) {
    TempDir dir("corvane-rules");
    std::string source = WriteSource(dir.Path(), "Bad.java",
                                     "public class Bad {\n"
                                     "  long wide;\n"
                                     "  static int big() { return 100000; }\n"
                                     "  static int[][] grid() { return new int[2][2]; }\n"
                                     "  static void lock(Object o) { synchronized (o) { big(); } }\n"
                                     "  static void step() { int x = 0; x += 1000; x++; }\n"
                                     "  static void main() { }\n"
                                     "}\n");
    JavaCompileResult compiled = CompileJava({source}, dir.Path(), ClassLibraryDir());
    ASSERT_TRUE(compiled.Ok()) << compiled.output;
    std::vector<std::string> violations = RuleViolations(*LoadJavaClass("Bad", dir.Path()), CompiledLibrary());
    auto reported = [&](const std::string& part) {
        return std::any_of(violations.begin(), violations.end(),
                           [&](const std::string& v) { return v.find(part) != std::string::npos; });
    };
    EXPECT_TRUE(reported("Bad.wide: field type J"));
    EXPECT_TRUE(reported("Bad.big@0: ldc of a constant"));
    EXPECT_TRUE(reported("Bad.grid"));
    EXPECT_TRUE(reported("Bad.lock"));
    EXPECT_TRUE(reported("Bad.step"));
    EXPECT_TRUE(reported("Bad.main: a main method"));
    EXPECT_TRUE(RuleViolations(LibraryClass("java/lang/String"), CompiledLibrary()).empty());
}

TEST(LibraryRules, StringConcatenationOfEveryKindFindsItsMethods) {
    TempDir dir("corvane-concat");
    std::string source = WriteSource(dir.Path(), "Concat.java",
                                     "public class Concat {\n"
                                     "  static String all(String s, Object o, int i, char c, boolean b, char[] a) {\n"
                                     "    String t = s + o + i + c + b + a + null;\n"
                                     "    t += 'x';\n"
                                     "    String u = c + s, v = b + s, w = o + s;\n"
                                     "    return i + t + u + v + w + (null + s);\n"
                                     "  }\n"
                                     "  static void main() { System.out.println(all(\"a\", null, -7, 'c', true, null)); }\n"
                                     "}\n");
    JavaCompileResult compiled = CompileJava({source}, dir.Path(), ClassLibraryDir());
    ASSERT_TRUE(compiled.Ok()) << compiled.output;
    std::shared_ptr<CJavaClass> program = LoadJavaClass("Concat", dir.Path());
    EXPECT_EQ(RuleViolations(*program, CompiledLibrary(), true), std::vector<std::string>{});
    // A call to a missing overload is caught.
    std::shared_ptr<CJavaClass> string = LoadJavaClass("java/lang/String", ClassLibraryDir());
    string->Methods.erase(string->Methods.begin() + string->FindMethod("valueOf", "(C)Ljava/lang/String;"));
    TClassMap withoutValueOfChar = CompiledLibrary();
    withoutValueOfChar["java/lang/String"] = string;
    EXPECT_FALSE(RuleViolations(*program, withoutValueOfChar, true).empty());
}
