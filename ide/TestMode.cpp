#include "ide/TestMode.h"

#include <memory>

#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Options.h"
#include "foundation/Settings.h"
#include "ide/EditorForm.h"
#include "linker/ORULinker.h"

FILE* TestLogFile = nullptr;

void RunTestMode(TEditorForm& form)
{
    GlobalOptions.TestMode = true;
    form.SetLinker(std::make_unique<CORULinker>());
    CORULinker& linker = *form.Linker();
    linker.Link(CmdLineTestClass.c_str(), CmdLineClassPath.c_str());

    CloseTestLog();
    TestLogFile = std::fopen(TestLogName, "w+");
    if (!TestLogFile) throw EError(ecIDE, 2, TestLogName);

    form.SetJVM(std::make_unique<TSXComm>(form.DebugPort, form, form.Clock()));
    TSXComm& jvm = *form.JVM();
    jvm.Connect();
    jvm.DownloadOruFile(linker.GetImage(), linker.GetImageSize(), false);
    jvm.Reset(true);
}

void CloseTestLog()
{
    if (!TestLogFile) return;
    std::fclose(TestLogFile);
    TestLogFile = nullptr;
}
