#include "platform/ProcessSignals.h"

#include <csignal>

void IgnoreFileSizeLimitSignal() { std::signal(SIGXFSZ, SIG_IGN); }
