// The compiled class library: what the linker accepts, and the shapes that
// the image, the compiler and the module rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "linker/JavaClass.h"
#include "tests/javalib/LibraryRules.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

namespace {

const TClassFile& LibraryClass(const std::string& name) {
    auto found = CompiledLibrary().find(name);
    if (found == CompiledLibrary().end()) throw TClassFileError("library lacks " + name);
    return found->second;
}

// Library classes loaded and laid out by the linker's own class reader.
struct TLibraryLoader : IClassFinder {
    std::map<std::string, std::unique_ptr<CJavaClass>> loaded;
    CJavaClass* FindClass(const std::string& name) override {
        std::unique_ptr<CJavaClass>& c = loaded[name];
        if (!c) {
            c = std::make_unique<CJavaClass>(name, ClassLibraryDir());
            c->Load();
        }
        return c.get();
    }
};

bool Declares(const std::string& cls, const std::string& name, const std::string& descriptor) {
    return LibraryClass(cls).FindMethod(name, descriptor) != nullptr;
}

bool CodeNames(const TMember& method, const TClassFile& cls, const std::string& className) {
    for (size_t pc = 0; pc < method.Code.size(); pc += InstructionLength(method.Code, pc)) {
        if (method.Code[pc] != 0xBB) continue;
        uint16_t index = (method.Code[pc + 1] << 8) | method.Code[pc + 2];
        if (cls.ClassNameAt(index) == className) return true;
    }
    return false;
}

}  // namespace

TEST(ClassLibrary, EveryClassIsVersion45_3AndObeysTheLinkersRules) {
    const TClassMap& library = CompiledLibrary();
    ASSERT_GE(library.size(), 28u);
    for (const auto& [name, cls] : library) {
        EXPECT_EQ(cls.Major, 45) << name;
        EXPECT_EQ(cls.Minor, 3) << name;
        EXPECT_EQ(RuleViolations(cls, library), std::vector<std::string>{}) << name;
    }
}

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
    }
}

TEST(ClassLibrary, StringHasTheLayoutOfTheImagesStringRecords) {
    const TClassFile& string = LibraryClass("java/lang/String");
    ASSERT_EQ(string.Fields.size(), 2u);
    EXPECT_EQ(string.Fields[0].Name, "length");
    EXPECT_EQ(string.Fields[0].Descriptor, "I");
    EXPECT_EQ(string.Fields[1].Name, "value");
    EXPECT_EQ(string.Fields[1].Descriptor, "[C");
    for (const TMember& f : string.Fields) EXPECT_EQ(f.AccessFlags & (kAccFinal | kAccStatic), 0) << f.Name;
    EXPECT_TRUE(LibraryClass("java/lang/Object").Fields.empty());
    EXPECT_TRUE(LibraryClass("java/lang/Object").SuperName.empty());
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
    const TClassFile& throwable = LibraryClass("java/lang/Throwable");
    const TMember* method = throwable.FindMethod("throwVMException", "(I)V");
    ASSERT_NE(method, nullptr);
    EXPECT_TRUE(method->AccessFlags & kAccStatic);
    for (const char* name : {"java/lang/OutOfMemoryError", "java/lang/NullPointerException",
                             "java/lang/ArithmeticException", "java/lang/ArrayIndexOutOfBoundsException",
                             "java/lang/NegativeArraySizeException", "java/lang/StackOverflowError"})
        EXPECT_TRUE(CodeNames(*method, throwable, name)) << name;
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
    std::vector<std::string> violations = RuleViolations(ReadClassFile(dir.Path() + "/Bad.class"), CompiledLibrary());
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
    TClassFile program = ReadClassFile(dir.Path() + "/Concat.class");
    EXPECT_EQ(RuleViolations(program, CompiledLibrary(), true), std::vector<std::string>{});
    // A call to a missing overload is caught.
    TClassMap withoutValueOfChar = CompiledLibrary();
    auto& methods = withoutValueOfChar.at("java/lang/String").Methods;
    methods.erase(std::remove_if(methods.begin(), methods.end(),
                                 [](const TMember& m) { return m.Name == "valueOf" && m.Descriptor == "(C)Ljava/lang/String;"; }),
                  methods.end());
    EXPECT_FALSE(RuleViolations(program, withoutValueOfChar, true).empty());
}
