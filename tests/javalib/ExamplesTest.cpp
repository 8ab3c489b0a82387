// The example programs compile cleanly and link within the module's limits.
#include <gtest/gtest.h>

#include <filesystem>

#include "linker/NativeSignatures.h"
#include "tests/javalib/LibraryRules.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// The examples compiled by the adapter in a scratch copy, with the library.
class ExamplePrograms : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        scratch_ = new TempDir("corvane-examples");
        for (const auto& entry : fs::directory_iterator(SourceDir() + "/examples"))
            if (entry.path().extension() == ".java") fs::copy(entry.path(), scratch_->Path());
        classes_ = new TClassMap(CompiledLibrary());
    }
    static void TearDownTestSuite() {
        delete classes_;
        delete scratch_;
    }

    static std::string Compile(const std::string& name) {
        JavaCompileResult run = RunProgram({ProgramDir() + "/jikes/jikes", "+E", "-depend", "-g",
                                            scratch_->Path() + "/" + name + ".java", "-classpath",
                                            ClassLibraryDir()});
        for (const auto& entry : fs::directory_iterator(scratch_->Path()))
            if (entry.path().extension() == ".class")
                (*classes_)[entry.path().stem().string()] = ReadClassFile(entry.path().string());
        return run.output;
    }

    static TempDir* scratch_;
    static TClassMap* classes_;
};

TempDir* ExamplePrograms::scratch_ = nullptr;
TClassMap* ExamplePrograms::classes_ = nullptr;

}  // namespace

TEST_F(ExamplePrograms, CompileWithoutAWordAndLinkWithinTheLimits) {
    for (const char* program : {"Hello", "Stepping", "Echo", "Uncaught"}) {
        SCOPED_TRACE(program);
        EXPECT_EQ(Compile(program), "");
        ASSERT_TRUE(classes_->count(program));
        const TMember* main = classes_->at(program).FindMethod("main", "()V");
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(main->AccessFlags & kAccStatic);

        TClassMap linked = LinkedClasses(program, *classes_);
        for (const auto& [name, cls] : linked) {
            EXPECT_EQ(RuleViolations(cls, *classes_, name == program), std::vector<std::string>{}) << name;
            for (const TMember& m : cls.Methods) {
                bool hasRow = FindNativeSignature(name.c_str(), m.Name.c_str()) != nullptr;
                EXPECT_TRUE(!(m.AccessFlags & kAccNative) || hasRow) << name << "." << m.Name;
            }
        }
        EXPECT_TRUE(linked.count("java/lang/OutOfMemoryError"));
        EXPECT_TRUE(linked.count("java/lang/Object"));
        EXPECT_LT(LoadedStrings(linked).size(), 20u);
        EXPECT_LT(StaticSlots(linked), 4);
        EXPECT_LT(linked.size(), 40u);
        EXPECT_LT(ImageSize(linked), 8000) << "image of " << program;
    }
}

TEST_F(ExamplePrograms, UseWhatTheyAreThereToShow) {
    Compile("Echo");
    Compile("Stepping");
    EXPECT_TRUE(LinkedClasses("Echo", *classes_).count("torve/core/Terminal"));
    EXPECT_TRUE(LinkedClasses("Stepping", *classes_).count("Counter"));
}
