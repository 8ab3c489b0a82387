#include "tests/support/gui/WaitUntil.h"

#include <QTest>

::testing::AssertionResult WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline,
                                     const std::string& what) {
    if (QTest::qWaitFor(condition, static_cast<int>(deadline.count())) || condition())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "gave up after " << deadline.count() << " ms waiting for " << what;
}
