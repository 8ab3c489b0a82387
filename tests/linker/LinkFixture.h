#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "foundation/Options.h"
#include "linker/ORULinker.h"
#include "tests/support/ImageChecker.h"
#include "tests/support/TempDir.h"

// Java sources by path relative to the source folder.
using TSources = std::map<std::string, std::string>;

// Restores the global options when it goes.
class ScopedOptions {
public:
    ScopedOptions() : saved_(GlobalOptions) {}
    ~ScopedOptions() { GlobalOptions = saved_; }

private:
    tOptions saved_;
};

// Runs in another working directory while it lives.
class ScopedWorkingDir {
public:
    explicit ScopedWorkingDir(const std::string& dir);
    ~ScopedWorkingDir();

private:
    std::string previous_;
};

// A program compiled into its own temporary folder, class files beside
// their sources, and linked there (the linker's files land there too).
class LinkedProgram {
public:
    // Compiles `sources` against the class library (or, with `library`
    // empty, against nothing: the sources bring their own java/lang).
    explicit LinkedProgram(const TSources& sources, const std::string& library = LibraryDir());

    // Links `mainClass`; returns the EError message, "" on success, when the
    // image checker has also passed the image.
    std::string Link(const std::string& mainClass);

    CORULinker& Linker() { return *linker_; }
    std::vector<uint8_t> Image() const;
    TOruImageFacts Facts() const;
    TOruImage Check() const { return CheckOruImage(Image(), Facts()); }
    const std::string& ClassDir() const { return classDir_; }
    TempDir& Dir() { return dir_; }
    std::string CompileOutput;

    static std::string LibraryDir();

private:
    TempDir dir_;
    std::string classDir_;
    std::string library_;
    std::unique_ptr<CORULinker> linker_;
};

// The ORU image byte of a JVM opcode, for expectations.
uint8_t OruByteOf(int jvmOpcode);

// The minimal java/lang of the golden test: Object, String, Throwable with
// throwVMException, OutOfMemoryError.
const TSources& MinimalLibrary();

// The golden program "Tiny" on a minimal java/lang whose methods are all
// written out; one string.
const TSources& TinyProgram();

// Sources of the test programs under tests/linker/programs.
TSources ProgramSources(const std::vector<std::string>& names);

// Every Java source of a folder of the source tree ("examples").
TSources FolderSources(const std::string& folder);
