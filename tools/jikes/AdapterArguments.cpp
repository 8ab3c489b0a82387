#include "tools/jikes/AdapterArguments.h"

#include <filesystem>

namespace {

// The IDE splits its command line at blanks outside double quotes; a pair
// of quotes that reaches us anyway is taken off.
std::string Unquoted(const std::string& arg) {
    if (arg.size() >= 2 && arg.front() == '"' && arg.back() == '"') return arg.substr(1, arg.size() - 2);
    return arg;
}

}  // namespace

TAdapterArguments ParseAdapterArguments(const std::vector<std::string>& args) {
    TAdapterArguments parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-classpath") {
            if (i + 1 < args.size()) parsed.ClassPath = Unquoted(args[++i]);
        } else if (arg.empty() || arg[0] == '+' || arg[0] == '-') {
            continue;  // +E, -depend, -g: ecj's options are fixed
        } else if (parsed.Source.empty()) {
            parsed.Source = Unquoted(arg);
        }
    }
    return parsed;
}

std::string EcjClassPath(const std::string& sourceDir, const std::string& classPath) {
    std::string joined = sourceDir;
    size_t start = 0;
    while (start <= classPath.size()) {
        size_t end = classPath.find(';', start);
        if (end == std::string::npos) end = classPath.size();
        std::string entry = classPath.substr(start, end - start);
        std::error_code ec;
        if (!entry.empty() && std::filesystem::exists(entry, ec)) joined += ":" + entry;
        start = end + 1;
    }
    return joined;
}
