#include "foundation/Options.h"

tOptions GlobalOptions;

namespace {
thread_local const tOptions* jobOptions = nullptr;
}  // namespace

const tOptions& JobOptions() { return jobOptions ? *jobOptions : GlobalOptions; }

TJobOptionsScope::TJobOptionsScope(const tOptions& copy) : previous_(jobOptions) { jobOptions = &copy; }

TJobOptionsScope::~TJobOptionsScope() { jobOptions = previous_; }
