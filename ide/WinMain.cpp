#include "ide/WinMain.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "foundation/EError.h"
#include "foundation/Settings.h"
#include "ide/Application.h"
#include "ide/EditorForm.h"
#include "ide/SingleInstance.h"
#include "ide/Startup.h"
#include "platform/DisplayPlatform.h"
#include "platform/HandOverChannel.h"
#include "platform/InstanceLock.h"
#include "platform/ProcessSignals.h"

namespace {

// Outside a batch run the message list goes with the window: the error is
// shown on standard error as well.
void ReportStartupError(const EError& error, bool windowExists)
{
    error.Report();
    if (windowExists && !CmdLineTestMode) std::fputs(error.Message.c_str(), stderr);
}

int ExitPath(int status)
{
    CloseApplication();
    return status;
}

int SecondStart(const std::vector<std::string>& args)
{
    if (HandOverToRunningInstance(args)) return ExitPath(0);
    std::fprintf(stderr, "The running %s did not answer.\n", ApplicationTitle);
    return ExitPath(1);
}

int RunFirstInstance(TApplication& app, const std::vector<std::string>& args, bool serveHandOvers)
{
    std::unique_ptr<TForms> forms;
    std::unique_ptr<THandOverServer> handOver;
    int status = 1;
    try {
        forms = CreateApplicationForms();
        TEditorForm& form = *forms->EditorForm;
        if (serveHandOvers) {
            handOver = std::make_unique<THandOverServer>(
                SecondInstanceMessage, [&form](const std::string& text) { form.HandOver(text); });
            handOver->Listen();
        }
        LoadSettingsAndOpen(form, args);
        form.show();
        status = app.exec();
    } catch (const EError& error) {
        ReportStartupError(error, forms != nullptr);
    } catch (...) {
        app.HandleCurrentException();
    }
    handOver.reset();
    forms.reset();
    return status;
}

}  // namespace

int WinMain(int argc, char** argv)
{
    IgnoreFileSizeLimitSignal();
    const std::vector<std::string> args(argv, argv + argc);
    const bool batch = IsBatchStart(args);
    ChooseOffscreenWithoutDisplay();
    TApplication app(argc, argv);  // before the lock: it names the lock's owner

    TInstanceLock lock(InstanceLockName);
    if (!batch && !lock.TryLock() && lock.HeldElsewhere()) return SecondStart(args);
    return ExitPath(RunFirstInstance(app, args, !batch && lock.IsLocked()));
}
