// Idle and exception handling, and how a batch run ends.
#include <QApplication>
#include <QMetaObject>
#include <cstdio>
#include <cstring>

#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Settings.h"
#include "ide/Application.h"
#include "ide/EditorForm.h"
#include "ide/Startup.h"
#include "ide/pipeline/TestLog.h"

void TEditorForm::AppIdle()
{
    if (!firstIdle_) return;
    firstIdle_ = false;
    if (!CmdLineTestMode || !JVM() || batchEnding_) return;
    // Called outside notify: nothing may escape into the event loop.
    try {
        JVM()->Run();
    } catch (const EError& error) {
        error.Report();
        EndBatch(true);
    } catch (...) {
        AppException(CurrentExceptionText());
    }
}

void TEditorForm::AppException(const std::string& text)
{
    if (CmdLineTestMode) {
        MessagePrintf("%s", text.c_str());
        EndBatch(true);
        return;
    }
    Dialogs().MessageBox(text, ApplicationTitle, TBoxButtons::Ok, TBoxIcon::Error);
}

void TEditorForm::EndBatch(bool failed)
{
    if (failed) batchFailed_ = true;
    if (batchEnding_) return;
    batchEnding_ = true;
    // A log that lost lines must not pass for a clean run.
    if (int error = TestLogWriteError()) {
        batchFailed_ = true;
        EError(ecIDE, 17, TestLogName, error, std::strerror(error)).Report();
    }
    QMetaObject::invokeMethod(
        this, [this] { QCoreApplication::exit(batchFailed_ ? 1 : 0); }, Qt::QueuedConnection);
}

FILE* TEditorForm::TestLogFile()
{
    return ::TestLogFile;
}

// A batch run shows every line on standard error too; an error line during
// the run goes into its log and fails the run.
void TEditorForm::MessageLineAdded(const std::string& text, const TLinInfo* info)
{
    RaiseMessagePanel();
    if (CmdLineTestMode) std::fprintf(stderr, "%s\n", text.c_str());
    if (!GlobalOptions.TestMode || !IsErrorLine(info)) return;
    if (FILE* log = ::TestLogFile) {
        std::fprintf(log, "%s\n", text.c_str());
        std::fflush(log);
    }
    EndBatch(true);
}
