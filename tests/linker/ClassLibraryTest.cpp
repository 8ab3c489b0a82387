#include <gtest/gtest.h>

#include <filesystem>

#include "tests/linker/ClassFixture.h"
#include "tests/linker/fuzz/ClassFileExercise.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

namespace {

std::vector<std::string> LibraryClassNames() {
    std::vector<std::string> names;
    const std::string dir = ClassLibraryDir();
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator it(dir, error), end; !error && it != end;
         it.increment(error))
        if (it->path().extension() == ".class")
            names.push_back(std::filesystem::relative(it->path(), dir).replace_extension().generic_string());
    return names;
}

}  // namespace

// Every class of the compiled class library loads, lays out after its
// superclasses and lists every code byte; the walk by instruction lengths
// ends on the last byte of each method.
TEST(ClassLibrary, EveryClassLoadsLaysOutAndLists) {
    const std::vector<std::string> names = LibraryClassNames();
    ASSERT_FALSE(names.empty()) << "no class library in " << ClassLibraryDir();
    CTestClassFinder finder(ClassLibraryDir());
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        CJavaClass* c = nullptr;
        ASSERT_EQ(ErrorMessageOf([&] { c = finder.FindClass(name); }), "no error");
        ASSERT_EQ(ErrorMessageOf([&] { c->Layout(finder); }), "no error");
        EXPECT_STREQ(c->GetClassName(), name.c_str());
        for (int m = 0; m < c->GetMethodCount(); ++m) {
            uint32_t pc = 0;
            while (pc < c->GetCodeLength(m)) c->NextInstruction(m, pc);
            EXPECT_EQ(pc, c->GetCodeLength(m));
            EXPECT_GE(c->CountArgumentWords(m), c->IsMethodStatic(m) ? 0 : 1);
        }
        EXPECT_EQ(classfuzz::ExerciseClassFile(name, TempDir::ReadFile(c->GetClassFilePath())), "");
    }
}
