#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "ide/EditorForm.h"
#include "tests/ide/FakeDialogs.h"
#include "tests/ide/mainwindow/SettingsScope.h"
#include "tests/support/TempDir.h"

// The real main window with private settings, a folder of files and
// dialogs answered by the test. (No editor headers: the settings' tests
// include the settings' own.)
class MainWindowBase : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings = std::make_unique<SettingsScope>(dir.File("settings.conf"));
        form = std::make_unique<TEditorForm>();
        dialogs = InstallFakeDialogs(*form);
    }
    void TearDown() override
    {
        form.reset();
        settings.reset();
    }

    TempDir dir;
    std::unique_ptr<SettingsScope> settings;
    std::unique_ptr<TEditorForm> form;
    FakeDialogs* dialogs = nullptr;
};
