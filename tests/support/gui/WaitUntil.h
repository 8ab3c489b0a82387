#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

// Processes events until `condition` holds or `deadline` has passed. The
// failure names what was waited for:
//   ASSERT_TRUE(WaitUntil([&] { return list.count() == 2; }, 2s, "two lines in the list"));
::testing::AssertionResult WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline,
                                     const std::string& what);
