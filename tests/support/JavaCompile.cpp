#include "tests/support/JavaCompile.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

JavaCompileResult RunProgram(const std::vector<std::string>& argv) {
    JavaCompileResult result;
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return result;
    pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], 1);
        dup2(pipeFds[1], 2);
        close(pipeFds[0]);
        close(pipeFds[1]);
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(pipeFds[1]);
    char buffer[4096];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) result.output.append(buffer, n);
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

JavaCompileResult CompileJava(const std::vector<std::string>& sources, const std::string& outDir,
                              const std::string& classPath) {
    std::filesystem::create_directories(outDir);
    std::vector<std::string> argv = {"ecj", "-1.3", "-g", "-preserveAllLocals", "-encoding",
                                     "Cp1252", "-nowarn", "-bootclasspath", "", "-d", outDir};
    if (!classPath.empty()) {
        argv.push_back("-classpath");
        argv.push_back(classPath);
    }
    argv.insert(argv.end(), sources.begin(), sources.end());
    return RunProgram(argv);
}

JavaCompileResult RunCompilerAdapter(const std::string& source, std::vector<std::string> prefix) {
    for (const std::string& a : {ProgramDir() + "/jikes/jikes", std::string("+E"), std::string("-depend"),
                                 std::string("-g"), source, std::string("-classpath"), ClassLibraryDir()})
        prefix.push_back(a);
    return RunProgram(prefix);
}

std::string WriteSource(const std::string& dir, const std::string& relativePath,
                        const std::string& source) {
    std::filesystem::path path = std::filesystem::path(dir) / relativePath;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << source;
    return path.string();
}

static std::string EnvOr(const char* name, const char* fallback) {
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

#ifndef CORVANE_BUILD_PROGRAM_DIR
#define CORVANE_BUILD_PROGRAM_DIR "."
#endif
#ifndef CORVANE_BUILD_SOURCE_DIR
#define CORVANE_BUILD_SOURCE_DIR "."
#endif

std::string ProgramDir() { return EnvOr("CORVANE_PROGRAM_DIR", CORVANE_BUILD_PROGRAM_DIR); }
std::string ClassLibraryDir() { return ProgramDir() + "/lib"; }
std::string SourceDir() { return EnvOr("CORVANE_SOURCE_DIR", CORVANE_BUILD_SOURCE_DIR); }
