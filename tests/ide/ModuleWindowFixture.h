#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ide/EditorForm.h"
#include "tests/ide/BuildSettings.h"
#include "tests/ide/FakeDialogs.h"
#include "tests/ide/IdeProcess.h"
#include "tests/ide/MessageLinesOf.h"
#include "tests/ide/TestApp.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

// The main window set to build for COM3 of a private port folder (where a
// test starts the module simulator), with fake dialogs and a working folder.
class ModuleWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApp();
        UseBuildSettings(3);
        form = std::make_unique<TEditorForm>();
        dialogs = InstallFakeDialogs(*form);
    }
    void TearDown() override
    {
        form.reset();
        ResetSettings();
    }
    std::vector<std::string> Lines() const { return MessageLinesOf(*form); }
    // A copy of examples/<name> in the working folder; its path.
    std::string CopyExample(const std::string& name)
    {
        return WriteSource(work.Path(), name, TempDir::ReadFile(SourceDir() + "/examples/" + name));
    }

    IdeWorld world;
    ScopedEnv ports{"CORVANE_PORT_DIR", world.Ports()};
    TempDir work{"corvane-module-window"};
    std::unique_ptr<TEditorForm> form;
    FakeDialogs* dialogs = nullptr;
};
