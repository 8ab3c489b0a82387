#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "editor/control/SrcEdit.h"

// Records every command a control processed as "ecCopy", "ecChar 61" (the
// character in hex) or "ecImeStr [e9 41]" (the text's bytes).
class CommandRecorder {
public:
    void Attach(TCustomSrcEdit& Edit) {
        Edit.OnCommandProcessed = TProcessCommandEvent::Of<&CommandRecorder::Processed>(this);
    }
    void Processed(TObject*, TSrcEditorCommand& Command, char& AChar, void* Data) {
        std::string entry = EditorCommandToCodeString(Command);
        if (AChar != '\0') {
            entry += " " + Hex(static_cast<unsigned char>(AChar));
        }
        if (Command == ecImeStr && Data) {
            entry += " [";
            for (const char* p = static_cast<const char*>(Data); *p; ++p) {
                entry += (p == Data ? "" : " ") + Hex(static_cast<unsigned char>(*p));
            }
            entry += "]";
        }
        Log.push_back(entry);
    }
    // The log since the last call.
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(Log);
        return taken;
    }

    std::vector<std::string> Log;

private:
    static std::string Hex(unsigned char Byte) {
        char text[3];
        std::snprintf(text, sizeof text, "%02x", Byte);
        return text;
    }
};
