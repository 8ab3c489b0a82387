#include <string>
#include <vector>

#include "foundation/EError.h"
#include "foundation/Settings.h"

bool CmdLineDebug = false;
bool CmdLineTestMode = false;
std::string CmdLineTestClass;
std::string CmdLineClassPath;

std::vector<std::string> ParseCommandLine(const std::vector<std::string>& args) {
    CmdLineDebug = false;
    CmdLineTestMode = false;
    CmdLineTestClass.clear();
    CmdLineClassPath.clear();
    std::vector<std::string> files;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "-d") {
            CmdLineDebug = true;
        } else if (word == "-t") {
            CmdLineTestMode = true;
            if (i + 1 >= args.size()) throw EError(ecIDE, 37);
            CmdLineTestClass = args[++i];
        } else if (word == "-classpath") {
            if (i + 1 >= args.size()) throw EError(ecIDE, 38);
            CmdLineClassPath = args[++i];
        } else {
            files.push_back(word);
        }
    }
    return files;
}

std::vector<std::string> ParseCommandLine(int argc, char** argv) {
    return ParseCommandLine(std::vector<std::string>(argv, argv + argc));
}
