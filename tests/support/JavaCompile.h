#pragma once
#include <string>
#include <vector>

// Compiles Java sources with ecj at the level the linker reads (class files
// of version 45.3), against an empty boot class path.
struct JavaCompileResult {
    int exitCode = -1;
    std::string output;  // ecj's standard output and error
    bool Ok() const { return exitCode == 0; }
};

// `classPath` entries are separated by ':' (ecj's form). Empty: none.
JavaCompileResult CompileJava(const std::vector<std::string>& sources, const std::string& outDir,
                              const std::string& classPath = std::string());

// Writes `source` to <dir>/<relativePath>, creating folders.
std::string WriteSource(const std::string& dir, const std::string& relativePath,
                        const std::string& source);

// The program directory ($CORVANE_PROGRAM_DIR, else this build's), and its
// compiled class library "<program directory>/lib".
std::string ProgramDir();
std::string ClassLibraryDir();
// The project's source tree ($CORVANE_SOURCE_DIR, else this build's).
std::string SourceDir();

// Runs a program with arguments, capturing standard output and error.
JavaCompileResult RunProgram(const std::vector<std::string>& argv);

// Runs the built compiler adapter on `source` as the IDE does, against the
// class library; `prefix` comes before it on the command line.
JavaCompileResult RunCompilerAdapter(const std::string& source, std::vector<std::string> prefix = {});
