#pragma once
#include <cstdint>

#include "editor/support/SmallSet.h"

// Options of one search or replace run; bit n of the stored byte is value n.
enum TSrcSearchOption : uint8_t {
    ssoMatchCase,
    ssoWholeWord,
    ssoBackwards,
    ssoEntireScope,
    ssoSelectedOnly,
    ssoReplace,
    ssoReplaceAll,
    ssoPrompt,
};
using TSrcSearchOptions = TSmallSet<TSrcSearchOption, uint8_t>;

// The answer of a replace prompt.
enum TSrcReplaceAction : uint8_t {
    raCancel = 0,
    raSkip = 1,
    raReplace = 2,
    raReplaceAll = 3,
};
