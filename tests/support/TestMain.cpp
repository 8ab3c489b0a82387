// Test entry of the programs without a GUI.
#include <gtest/gtest.h>

#include "tests/support/PrivateFolders.h"

int main(int argc, char** argv) {
    UsePrivateFolders();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
