#pragma once
#include <cstdint>

// Sets the serial trace level for one scope; the old level comes back when it goes.
class TComLevelScope {
public:
    explicit TComLevelScope(int32_t level);
    ~TComLevelScope();
    TComLevelScope(const TComLevelScope&) = delete;
    TComLevelScope& operator=(const TComLevelScope&) = delete;

private:
    int32_t saved_;
};
