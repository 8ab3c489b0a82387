#pragma once
#include <cstdio>

// The batch run's log of module exceptions, open during a "-t" run.
constexpr const char* TestLogName = "ZARN.out";
extern FILE* TestLogFile;

// Opens the log afresh, closing one still open. Throws EError IDE-2.
void StartTestLog();

void CloseTestLog();

// The error number of a failed write to the log since it was opened, else 0.
int TestLogWriteError();
