#include "editor/control/SrcEditKeyCmds.h"

#include <cctype>

// In the order of enumeration, not of value.
const TIdentMapEntry EditorCommandStrs[EditorCommandCount] = {
    {ecNone, "ecNone"},
    {ecLeft, "ecLeft"},
    {ecRight, "ecRight"},
    {ecUp, "ecUp"},
    {ecDown, "ecDown"},
    {ecWordLeft, "ecWordLeft"},
    {ecWordRight, "ecWordRight"},
    {ecLineStart, "ecLineStart"},
    {ecLineEnd, "ecLineEnd"},
    {ecPageUp, "ecPageUp"},
    {ecPageDown, "ecPageDown"},
    {ecPageLeft, "ecPageLeft"},
    {ecPageRight, "ecPageRight"},
    {ecPageTop, "ecPageTop"},
    {ecPageBottom, "ecPageBottom"},
    {ecEditorTop, "ecEditorTop"},
    {ecEditorBottom, "ecEditorBottom"},
    {ecGotoXY, "ecGotoXY"},
    {ecSelLeft, "ecSelLeft"},
    {ecSelRight, "ecSelRight"},
    {ecSelUp, "ecSelUp"},
    {ecSelDown, "ecSelDown"},
    {ecSelWordLeft, "ecSelWordLeft"},
    {ecSelWordRight, "ecSelWordRight"},
    {ecSelLineStart, "ecSelLineStart"},
    {ecSelLineEnd, "ecSelLineEnd"},
    {ecSelPageUp, "ecSelPageUp"},
    {ecSelPageDown, "ecSelPageDown"},
    {ecSelPageLeft, "ecSelPageLeft"},
    {ecSelPageRight, "ecSelPageRight"},
    {ecSelPageTop, "ecSelPageTop"},
    {ecSelPageBottom, "ecSelPageBottom"},
    {ecSelEditorTop, "ecSelEditorTop"},
    {ecSelEditorBottom, "ecSelEditorBottom"},
    {ecSelGotoXY, "ecSelGotoXY"},
    {ecSelectAll, "ecSelectAll"},
    {ecDeleteLastChar, "ecDeleteLastChar"},
    {ecDeleteChar, "ecDeleteChar"},
    {ecDeleteWord, "ecDeleteWord"},
    {ecDeleteLastWord, "ecDeleteLastWord"},
    {ecDeleteBOL, "ecDeleteBOL"},
    {ecDeleteEOL, "ecDeleteEOL"},
    {ecDeleteLine, "ecDeleteLine"},
    {ecClearAll, "ecClearAll"},
    {ecLineBreak, "ecLineBreak"},
    {ecInsertLine, "ecInsertLine"},
    {ecChar, "ecChar"},
    {ecImeStr, "ecImeStr"},
    {ecUndo, "ecUndo"},
    {ecRedo, "ecRedo"},
    {ecCut, "ecCut"},
    {ecCopy, "ecCopy"},
    {ecPaste, "ecPaste"},
    {ecScrollUp, "ecScrollUp"},
    {ecScrollDown, "ecScrollDown"},
    {ecScrollLeft, "ecScrollLeft"},
    {ecScrollRight, "ecScrollRight"},
    {ecInsertMode, "ecInsertMode"},
    {ecOverwriteMode, "ecOverwriteMode"},
    {ecToggleMode, "ecToggleMode"},
    {ecBlockIndent, "ecBlockIndent"},
    {ecBlockUnindent, "ecBlockUnindent"},
    {ecTab, "ecTab"},
    {ecShiftTab, "ecShiftTab"},
    {ecMatchBracket, "ecMatchBracket"},
    {ecCommentBlock, "ecCommentBlock"},
    {ecNormalSelect, "ecNormalSelect"},
    {ecColumnSelect, "ecColumnSelect"},
    {ecLineSelect, "ecLineSelect"},
    {ecAutoCompletion, "ecAutoCompletion"},
    {ecUserFirst, "ecUserFirst"},
    {ecContextHelp, "ecContextHelp"},
    {ecGotoMarker0 + 0, "ecGotoMarker0"},
    {ecGotoMarker0 + 1, "ecGotoMarker1"},
    {ecGotoMarker0 + 2, "ecGotoMarker2"},
    {ecGotoMarker0 + 3, "ecGotoMarker3"},
    {ecGotoMarker0 + 4, "ecGotoMarker4"},
    {ecGotoMarker0 + 5, "ecGotoMarker5"},
    {ecGotoMarker0 + 6, "ecGotoMarker6"},
    {ecGotoMarker0 + 7, "ecGotoMarker7"},
    {ecGotoMarker0 + 8, "ecGotoMarker8"},
    {ecGotoMarker0 + 9, "ecGotoMarker9"},
    {ecSetMarker0 + 0, "ecSetMarker0"},
    {ecSetMarker0 + 1, "ecSetMarker1"},
    {ecSetMarker0 + 2, "ecSetMarker2"},
    {ecSetMarker0 + 3, "ecSetMarker3"},
    {ecSetMarker0 + 4, "ecSetMarker4"},
    {ecSetMarker0 + 5, "ecSetMarker5"},
    {ecSetMarker0 + 6, "ecSetMarker6"},
    {ecSetMarker0 + 7, "ecSetMarker7"},
    {ecSetMarker0 + 8, "ecSetMarker8"},
    {ecSetMarker0 + 9, "ecSetMarker9"},
    {ecUpperCase, "ecUpperCase"},
    {ecLowerCase, "ecLowerCase"},
    {ecToggleCase, "ecToggleCase"},
    {ecTitleCase, "ecTitleCase"},
    {ecUpperCaseBlock, "ecUpperCaseBlock"},
    {ecLowerCaseBlock, "ecLowerCaseBlock"},
    {ecToggleCaseBlock, "ecToggleCaseBlock"},
    {ecString, "ecString"},
};

namespace {
std::string AsciiUpper(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string ReplaceAll(std::string s, const std::string& from, const std::string& to) {
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) {
        s.replace(at, from.size(), to);
    }
    return s;
}

std::string Trim(const std::string& s) {
    size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool StartsWithEc(const std::string& s) { return s.size() >= 2 && s[0] == 'e' && s[1] == 'c'; }

const TIdentMapEntry* FindIdent(const std::string& Ident) {
    std::string upper = AsciiUpper(Ident);
    for (const TIdentMapEntry& entry : EditorCommandStrs) {
        if (AsciiUpper(entry.Name) == upper) {
            return &entry;
        }
    }
    return nullptr;
}
}  // namespace

bool IdentToEditorCommand(const std::string& Ident, int32_t& Cmd) {
    const TIdentMapEntry* entry = FindIdent(Ident);
    if (entry) {
        Cmd = entry->Value;
    }
    return entry != nullptr;
}

bool EditorCommandToIdent(int32_t Cmd, std::string& Ident) {
    for (const TIdentMapEntry& entry : EditorCommandStrs) {
        if (entry.Value == Cmd) {
            Ident = entry.Name;
            return true;
        }
    }
    return false;
}

std::string EditorCommandToCodeString(TSrcEditorCommand Cmd) {
    std::string ident;
    return EditorCommandToIdent(Cmd, ident) ? ident : std::to_string(Cmd);
}

std::string EditorCommandToDescrString(TSrcEditorCommand) { return {}; }

TSrcEditorCommand IndexToEditorCommand(int Index) {
    if (Index < 0 || Index >= EditorCommandCount) {
        throw EListError(FormatText("List index out of bounds (%d)", Index));
    }
    return EditorCommandStrs[Index].Value;
}

void GetEditorCommandValues(const std::function<void(const std::string&)>& Proc) {
    for (const TIdentMapEntry& entry : EditorCommandStrs) {
        Proc(entry.Name);
    }
}

void GetEditorCommandExtended(const std::function<void(const std::string&)>& Proc) {
    for (const TIdentMapEntry& entry : EditorCommandStrs) {
        Proc(ConvertCodeStringToExtended(entry.Name));
    }
}

// An upper-case letter after a character that is neither an upper-case
// letter nor a digit starts a word: "ecSelWordLeft" is "Select Word Left",
// "ecGotoXY" is "Goto XY", "ecGotoMarker3" is "Goto Marker3".
std::string ConvertCodeStringToExtended(const std::string& AString) {
    if (!StartsWithEc(AString)) {
        return AString;
    }
    std::string rest = AString.substr(2);
    std::string result;
    for (size_t i = 0; i < rest.size(); ++i) {
        char before = i > 0 ? rest[i - 1] : '\0';
        if (i > 0 && IsUpperLetter(rest[i]) && !IsUpperLetter(before) && !IsDigit(before)) {
            result += ' ';
        }
        result += rest[i];
    }
    result = ReplaceAll(result, "Sel ", "Select ");
    result = ReplaceAll(result, "Marker ", "Bookmark ");
    return Trim(result);
}

std::string ConvertExtendedToCodeString(const std::string& AString) {
    if (StartsWithEc(AString)) {
        return AString;
    }
    std::string result = AString;
    if (result.find("Select All") == std::string::npos) {
        result = ReplaceAll(result, "Select ", "Sel ");
    }
    result = ReplaceAll(result, "Bookmark ", "Marker ");
    std::string packed;
    for (char c : result) {
        if (c != ' ') {
            packed += c;
        }
    }
    return "ec" + packed;
}

TSrcEditorCommand ConvertCodeStringToCommand(const std::string& AString) {
    const TIdentMapEntry* entry = FindIdent(AString);
    return entry ? entry->Value : TSrcEditorCommand{ecNone};
}

TSrcEditorCommand ConvertExtendedToCommand(const std::string& AString) {
    return ConvertCodeStringToCommand(ConvertExtendedToCodeString(AString));
}
