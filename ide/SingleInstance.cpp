#include "ide/SingleInstance.h"

#include <filesystem>

#include "foundation/EError.h"
#include "foundation/Settings.h"
#include "ide/pipeline/ParamTokens.h"
#include "ide/pipeline/ParamsFile.h"
#include "platform/HandOverChannel.h"

bool IsBatchStart(const std::vector<std::string>& args)
{
    bool batch;
    try {
        ParseCommandLine(args);
        batch = CmdLineTestMode;
    } catch (const EError&) {
        batch = CmdLineTestMode;  // "-t" without a class: reported later
    }
    ParseCommandLine(std::vector<std::string>());
    return batch;
}

// The running instance has a working folder of its own: a relative file
// name is made absolute here. Options (and the program name) stay as they are.
std::vector<std::string> WithAbsoluteFiles(std::vector<std::string> args)
{
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i].empty() || args[i][0] == '-' || args[i][0] == '/') continue;
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(args[i], error);
        if (!error) args[i] = absolute.lexically_normal().string();
    }
    return args;
}

bool HandOverToRunningInstance(const std::vector<std::string>& args)
{
    const std::string commandLine = QuoteCommandLine(WithAbsoluteFiles(args));
    WriteParamsFile(commandLine);
    return SendHandOver(SecondInstanceMessage, commandLine, HandOverRetryMs);
}
