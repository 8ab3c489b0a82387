#include "ide/pipeline/ComLevelScope.h"

#include "foundation/Options.h"

TComLevelScope::TComLevelScope(int32_t level) : saved_(GlobalOptions.debugComLevel)
{
    GlobalOptions.debugComLevel = level;
}

TComLevelScope::~TComLevelScope()
{
    GlobalOptions.debugComLevel = saved_;
}
