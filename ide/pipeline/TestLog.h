#pragma once
#include <cstdio>

class TEditorForm;

// The batch run's log of module exceptions, open during a "-t" run.
constexpr const char* TestLogName = "ZARN.out";
extern FILE* TestLogFile;

// The "-t" start: links CmdLineTestClass along CmdLineClassPath, opens the
// log, connects to the module, downloads the image and resets the module so
// that it runs; the first idle call then sends Run. Throws EError.
void RunTestMode(TEditorForm& form);

void CloseTestLog();

// The error number of a failed write to the log since it was opened, else 0.
int TestLogWriteError();
