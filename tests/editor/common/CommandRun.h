#pragma once
#include <map>
#include <string>
#include <vector>

#include "editor/control/SrcEdit.h"

// Undo records as readable lines: reason, start, end, text, mode and a
// group letter per change number (a, b, ... in order of appearance).
inline std::vector<std::string> DescribeUndo(const TSrcEditUndoList& List) {
    static const char* const kReasons[] = {
        "crInsert",         "crPaste",         "crDragDropInsert", "crDeleteAfterCursor",
        "crDelete",         "crLineBreak",     "crIndent",         "crUnindent",
        "crSilentDelete",   "crSilentDeleteAfterCursor",           "crAutoCompleteBegin",
        "crAutoCompleteEnd", "crPasteBegin",   "crPasteEnd",       "crSpecial1Begin",
        "crSpecial1End",    "crSpecial2Begin", "crSpecial2End",    "crCaret",
        "crSelection",      "crNothing",       "crGroupBreak",     "crDeleteAll",
        "crWhiteSpaceAdd"};
    static const char* const kModes[] = {"N", "L", "C"};
    std::map<int, char> groups;
    std::vector<std::string> result;
    for (int i = 0; i < List.ItemCount(); ++i) {
        const TSrcEditUndoItem& item = *List.Items(i);
        char group = groups.emplace(item.ChangeNumber, static_cast<char>('a' + groups.size())).first->second;
        std::string text;
        for (char c : item.ChangeStr) {
            text += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : c == '\t' ? std::string("\\t")
                                                                                           : std::string(1, c);
        }
        result.push_back(std::string(kReasons[item.ChangeReason]) + " " + std::to_string(item.ChangeStartPos.Char) +
                         "," + std::to_string(item.ChangeStartPos.Line) + "-" +
                         std::to_string(item.ChangeEndPos.Char) + "," + std::to_string(item.ChangeEndPos.Line) + " '" +
                         text + "' " + kModes[item.ChangeSelMode] + " " + group);
    }
    return result;
}
