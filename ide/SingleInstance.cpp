#include "ide/SingleInstance.h"

#include "foundation/EError.h"
#include "foundation/Settings.h"
#include "ide/ParamTokens.h"
#include "ide/ParamsFile.h"
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

bool HandOverToRunningInstance(const std::vector<std::string>& args)
{
    const std::string commandLine = QuoteCommandLine(args);
    WriteParamsFile(commandLine);
    return SendHandOver(SecondInstanceMessage, commandLine, HandOverRetryMs);
}
