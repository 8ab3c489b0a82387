#pragma once
#include <string>
#include <vector>

// One interactive instance per user and display: the lock that the first
// start holds and the socket over which a second start hands over its
// command line.
constexpr const char* InstanceLockName = "CorvaneMutex";
constexpr const char* SecondInstanceMessage = "5E0B7C3A-91D4-4F2E-8A6B-C47D20F9E318";
constexpr int HandOverRetryMs = 3000;

// A "-t" start runs its batch job itself and never hands over.
bool IsBatchStart(const std::vector<std::string>& args);

// The second start's part: writes "params" (when it can) and sends the
// command line rebuilt from `args`, relative file names made absolute, to
// the running instance. False when the
// running instance could not be reached.
bool HandOverToRunningInstance(const std::vector<std::string>& args);
std::vector<std::string> WithAbsoluteFiles(std::vector<std::string> args);
