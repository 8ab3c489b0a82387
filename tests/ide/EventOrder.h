#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

// The texts appear in `events` in this order.
inline ::testing::AssertionResult InOrder(const std::string& events, const std::vector<std::string>& texts)
{
    size_t at = 0;
    for (const std::string& text : texts) {
        at = events.find(text, at);
        if (at == std::string::npos) return ::testing::AssertionFailure() << "missing in order: " << text;
    }
    return ::testing::AssertionSuccess();
}
