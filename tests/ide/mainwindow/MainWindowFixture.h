#pragma once
#include <gtest/gtest.h>

#include <QListWidget>
#include <memory>
#include <string>
#include <vector>

#include "ide/EditorForm.h"
#include "ide/ZARNSource.h"
#include "ide/ZARNTabControl.h"
#include "tests/ide/MessageLinesOf.h"
#include "tests/ide/mainwindow/MainWindowBase.h"

// The main window with its pages' helpers.
class MainWindowTest : public MainWindowBase {
protected:

    std::string Write(const std::string& name, const std::string& bytes = "class A {}\r\n")
    {
        TempDir::WriteFile(dir.File(name), bytes);
        return dir.File(name);
    }
    CZARNSource* Page() const { return form->CurrentEditor(); }
    // Text typed at the caret, as one undoable insertion.
    void Type(const std::string& text)
    {
        Page()->SetSelText(text);
        form->ActionList1Update();
    }
    std::vector<std::string> Tabs() const
    {
        std::vector<std::string> tabs;
        for (int i = 0; i < form->EditorTab->Count(); ++i)
            tabs.push_back(form->EditorTab->TabText(i).toStdString());
        return tabs;
    }
    std::vector<std::string> Lines() const { return MessageLinesOf(*form); }
    bool Enabled(const char* action) const
    {
        form->ActionList1Update();
        return form->Action(action)->isEnabled();
    }

};
