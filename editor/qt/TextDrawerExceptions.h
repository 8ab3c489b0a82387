#pragma once
#include "editor/support/SrcExceptions.h"

class EFontStockException : public Exception {
public:
    using Exception::Exception;
};

class ETextDrawerException : public Exception {
public:
    using Exception::Exception;
};

// A broken rule of the drawer's use (a programming error).
class ETextDrawerMisuse : public Exception {
public:
    using Exception::Exception;
};

inline constexpr const char* kSetBaseFontNeedsValue = "SetBaseFont: 'Value' must be specified.";
