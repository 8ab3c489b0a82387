#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/editor/common/FakeClipboard.h"
#include "tests/editor/common/FakeSrcPlatform.h"

using Lines = std::vector<std::string>;

// Text, caret, selection and active mode of one state.
struct State {
    Lines text;
    TBufferCoord caret, blockBegin, blockEnd;
    TSrcSelectionMode mode;
    bool operator==(const State&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const State& s) {
    for (const std::string& line : s.text) {
        os << "[" << line << "]";
    }
    return os << " caret " << s.caret.Char << "," << s.caret.Line << " block " << s.blockBegin.Char << ","
              << s.blockBegin.Line << "-" << s.blockEnd.Char << "," << s.blockEnd.Line << " mode " << s.mode;
}

// A control with a fake clipboard, driven through its commands.
class UndoTestBase : public ::testing::Test, public SrcEditTestBase {
protected:
    UndoTestBase() { edit->SetClipboard(&clipboard); }
    ~UndoTestBase() override { edit->SetClipboard(nullptr); }

    void Run(TSrcEditorCommand Command, char AChar = '\0', void* Data = nullptr) {
        edit->CommandProcessor(Command, AChar, Data);
    }
    void Type(const std::string& Text) {
        for (char c : Text) {
            Run(ecChar, c);
        }
    }
    void Options(std::initializer_list<TSrcEditorOption> On, std::initializer_list<TSrcEditorOption> Off = {}) {
        for (TSrcEditorOption o : On) {
            WithOption(o, true);
        }
        for (TSrcEditorOption o : Off) {
            WithOption(o, false);
        }
    }
    State Now() const {
        return {AllLines(), edit->CaretXY(), edit->BlockBegin(), edit->BlockEnd(), edit->ActiveSelectionMode()};
    }
    std::string Block() const {
        auto it = clipboard.data.find(kSrcClipboardBlock);
        return it == clipboard.data.end() ? std::string("<none>") : it->second;
    }

    FakeClipboard clipboard;
};
