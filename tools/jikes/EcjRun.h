#pragma once
#include <string>
#include <vector>

// One run of ecj as a child process.
struct TEcjRun {
    bool Started = false;   // false: ecj could not be started (missing)
    bool Finished = false;  // ended by itself (not killed, not timed out)
    int ExitCode = -1;
    bool TimedOut = false;
    std::string FirstOutputLine;  // the first non-empty line ecj printed
};

// The ecj command line for one source: level 1.3 with debug information,
// every local kept, Cp1252, an empty boot class path, class files beside
// their sources, the problems logged as XML to `logPath`.
std::vector<std::string> EcjCommand(const std::string& source, const std::string& ecjClassPath,
                                    const std::string& logPath);

// Runs `command` (found along PATH) with its output sent to `outputPath`,
// waiting at most `timeoutSeconds`.
TEcjRun RunEcj(const std::vector<std::string>& command, const std::string& outputPath, int timeoutSeconds);
