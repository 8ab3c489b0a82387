#include "ide/BatchStart.h"

#include <memory>

#include "devicelink/SXComm.h"
#include "foundation/Options.h"
#include "foundation/Settings.h"
#include "ide/EditorForm.h"
#include "ide/pipeline/TestLog.h"
#include "linker/ORULinker.h"

void RunTestMode(TEditorForm& form)
{
    GlobalOptions.TestMode = true;
    form.SetLinker(std::make_unique<CORULinker>());
    CORULinker& linker = *form.Linker();
    linker.Link(CmdLineTestClass.c_str(), CmdLineClassPath.c_str());

    StartTestLog();

    form.SetJVM(std::make_unique<TSXComm>(form.DebugPort, form, form.Clock()));
    TSXComm& jvm = *form.JVM();
    jvm.Connect();
    jvm.DownloadOruFile(linker.GetImage(), linker.GetImageSize(), false);
    jvm.Reset(true);
}
