#pragma once
#include <string>
#include <vector>

// The IDE's compiler command line: "+E -depend -g <source> -classpath <path>".
struct TAdapterArguments {
    std::string Source;     // empty when none was given
    std::string ClassPath;  // entries separated by ";"
};

TAdapterArguments ParseAdapterArguments(const std::vector<std::string>& args);

// The class path in ecj's form: the source's own directory first, then the
// ";"-separated entries that exist, joined by ":".
std::string EcjClassPath(const std::string& sourceDir, const std::string& classPath);
