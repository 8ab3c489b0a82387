#include "tests/linker/LinkFixture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "foundation/EError.h"
#include "linker/OruInstructionSet.h"
#include "tests/support/JavaCompile.h"

ScopedWorkingDir::ScopedWorkingDir(const std::string& dir) {
    char buffer[PATH_MAX];
    if (getcwd(buffer, sizeof buffer)) previous_ = buffer;
    if (chdir(dir.c_str()) != 0) ADD_FAILURE() << "cannot enter " << dir;
}

ScopedWorkingDir::~ScopedWorkingDir() {
    if (!previous_.empty() && chdir(previous_.c_str()) != 0) ADD_FAILURE() << "cannot return";
}

std::string LinkedProgram::LibraryDir() {
    return ClassLibraryDir();
}

LinkedProgram::LinkedProgram(const TSources& sources, const std::string& library)
    : dir_("corvane-link"), classDir_(dir_.Path() + "/src"), library_(library) {
    std::vector<std::string> files;
    for (const auto& [path, text] : sources) files.push_back(WriteSource(classDir_, path, text));
    JavaCompileResult result = CompileJava(files, classDir_, library_);
    CompileOutput = result.output;
    EXPECT_TRUE(result.Ok()) << result.output;
}

std::string LinkedProgram::Link(const std::string& mainClass) {
    ScopedWorkingDir inside(dir_.Path());
    linker_ = std::make_unique<CORULinker>();
    std::string classPath = classDir_ + (library_.empty() ? "" : ";" + library_);
    try {
        linker_->Link(mainClass.c_str(), classPath.c_str());
    } catch (const EError& e) {
        return e.Message;
    }
    TOruImage parsed = Check();
    EXPECT_TRUE(parsed.Problems.empty()) << mainClass << ":\n" << ProblemText(parsed);
    return "";
}

std::vector<uint8_t> LinkedProgram::Image() const {
    const uint8_t* image = linker_->GetImage();
    return image ? std::vector<uint8_t>(image, image + linker_->GetImageSize()) : std::vector<uint8_t>();
}

TOruImageFacts LinkedProgram::Facts() const {
    TOruImageFacts facts;
    for (int i = 0; i < linker_->GetClassCount(); ++i)
        facts.ClassOffsets.push_back(linker_->GetClassOffset(linker_->GetClass(i)));
    if (linker_->GetMainMethodClass())
        facts.MainPrologueBytes = uint32_t(
            linker_->GetMainPrologueSize(linker_->GetMainMethodClass(), linker_->GetMainMethodIndex()));
    facts.ZeroStackBase = GlobalOptions.debugZeroStackOffset;
    return facts;
}

uint8_t OruByteOf(int jvmOpcode) {
    return EncodeOruCode(OruCodeOfJvmOpcode(jvmOpcode));
}

const TSources& MinimalLibrary() {
    static const TSources library = {
        {"java/lang/Object.java", "package java.lang;\npublic class Object {\n    public Object() {}\n}\n"},
        {"java/lang/String.java",
         "package java.lang;\npublic final class String {\n    int length;\n    char[] value;\n}\n"},
        {"java/lang/Throwable.java",
         "package java.lang;\npublic class Throwable {\n    static void throwVMException(int code) {}\n}\n"},
        {"java/lang/OutOfMemoryError.java",
         "package java.lang;\npublic class OutOfMemoryError extends Throwable {\n}\n"},
    };
    return library;
}

TSources ProgramSources(const std::vector<std::string>& names) {
    TSources sources;
    for (const std::string& name : names)
        sources[name] = TempDir::ReadFile(SourceDir() + "/tests/linker/programs/" + name);
    return sources;
}

TSources FolderSources(const std::string& folder) {
    TSources sources;
    for (const auto& entry : std::filesystem::directory_iterator(SourceDir() + "/" + folder))
        if (entry.path().extension() == ".java")
            sources[entry.path().filename().string()] = TempDir::ReadFile(entry.path().string());
    return sources;
}

// A minimal java/lang with explicit constructors, so that every method's
// place is fixed by the source.
const TSources& TinyProgram() {
    static const TSources sources = {
        {"java/lang/Object.java",
         "package java.lang;\npublic class Object {\n    public Object() {\n    }\n}\n"},
        {"java/lang/String.java",
         "package java.lang;\npublic final class String {\n    int length;\n    char[] value;\n\n"
         "    String() {\n    }\n}\n"},
        {"java/lang/Throwable.java",
         "package java.lang;\npublic class Throwable {\n    public Throwable() {\n    }\n\n"
         "    static void throwVMException(int code) {\n    }\n}\n"},
        {"java/lang/OutOfMemoryError.java",
         "package java.lang;\npublic class OutOfMemoryError extends Throwable {\n"
         "    public OutOfMemoryError() {\n    }\n}\n"},
        {"Tiny.java",
         "public class Tiny {\n    public Tiny() {\n    }\n\n    static void main() {\n        String s = "
         "\"hi\";\n    }\n}\n"},
    };
    return sources;
}
