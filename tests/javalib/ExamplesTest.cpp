// The example programs compile cleanly and link within the module's limits.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

#include "foundation/EError.h"
#include "linker/ORULinker.h"
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
        JavaCompileResult run = RunCompilerAdapter(scratch_->Path() + "/" + name + ".java");
        for (const auto& entry : fs::directory_iterator(scratch_->Path()))
            if (entry.path().extension() == ".class")
                (*classes_)[entry.path().stem().string()] = LoadJavaClass(entry.path().stem().string(), scratch_->Path());
        return run.output;
    }

    // The program linked by the project's linker; nullptr when it fails.
    static std::unique_ptr<CORULinker> Link(const std::string& program) {
        auto linker = std::make_unique<CORULinker>();
        try {
            linker->Link(program.c_str(), (ClassLibraryDir() + ";" + scratch_->Path()).c_str());
        } catch (const EError& e) {
            ADD_FAILURE() << e.Message;
            return nullptr;
        }
        return linker;
    }

    static TempDir* scratch_;
    static TClassMap* classes_;
};

TempDir* ExamplePrograms::scratch_ = nullptr;
TClassMap* ExamplePrograms::classes_ = nullptr;

}  // namespace

TEST_F(ExamplePrograms, CompileWithoutAWordAndLinkWithinTheLimits) {
    // Each program, and a class it is there to show.
    const std::map<std::string, std::string> programs = {
        {"Hello", "java/lang/Object"}, {"Stepping", "Counter"}, {"Echo", "torve/core/Terminal"},
        {"Uncaught", "java/lang/Object"}};
    for (const auto& [program, shown] : programs) {
        SCOPED_TRACE(program);
        EXPECT_EQ(Compile(program), "");
        ASSERT_TRUE(classes_->count(program));
        const CJavaClass& main = *classes_->at(program);
        ASSERT_TRUE(DeclaresMethod(main, "main", "()V"));
        EXPECT_TRUE(main.IsMethodStatic(main.FindMethod("main", "()V")));
        for (const auto& [name, cls] : *classes_) {
            if (CompiledLibrary().count(name)) continue;
            EXPECT_EQ(RuleViolations(*cls, *classes_, programs.count(name) > 0), std::vector<std::string>{}) << name;
        }

        std::unique_ptr<CORULinker> linked = Link(program);
        ASSERT_NE(linked, nullptr);
        EXPECT_NE(linked->FindLinkedClass("java/lang/OutOfMemoryError"), nullptr);
        EXPECT_NE(linked->FindLinkedClass(shown.c_str()), nullptr);
        EXPECT_LT(linked->GetStringCount(), 20);
        EXPECT_LT(linked->GetStaticCount(), 4);
        EXPECT_LT(linked->GetClassCount(), 40);
        EXPECT_LT(linked->GetImageSize(), 8000) << "image of " << program;
    }
}

TEST(ExampleProjects, TheProgramDirectoryHoldsThemInProjects) {
    auto javaFiles = [](const std::string& dir) {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.path().extension() == ".java")
                files[entry.path().filename().string()] = TempDir::ReadFile(entry.path().string());
        return files;
    };
    std::map<std::string, std::string> examples = javaFiles(SourceDir() + "/examples");
    ASSERT_FALSE(examples.empty());
    EXPECT_EQ(javaFiles(ProgramDir() + "/Projects"), examples);
}
