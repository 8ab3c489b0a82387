#include "tests/ide/TestApp.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<TApplication>& AppSlot()
{
    static std::unique_ptr<TApplication> app;
    return app;
}

// The application goes before the program's static objects do.
class AppEnvironment : public ::testing::Environment {
public:
    void TearDown() override { AppSlot().reset(); }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new AppEnvironment);

}  // namespace

TApplication& TestApp()
{
    static int argc = 1;
    static char name[] = "test_ide";
    static char* argv[] = {name, nullptr};
    if (!AppSlot()) AppSlot() = std::make_unique<TApplication>(argc, argv);
    return *AppSlot();
}
