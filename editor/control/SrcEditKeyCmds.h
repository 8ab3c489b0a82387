#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/support/SrcExceptions.h"
#include "editor/support/SrcInput.h"
#include "editor/support/SrcObject.h"

class TStream;

// An editor command number; from ecUserFirst on, the user's own.
using TSrcEditorCommand = uint16_t;

// Key shortcut: key code in the low byte, plus scShift, scCtrl, scAlt.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// clang-format off
enum : TSrcEditorCommand {
    ecNone = 0,
    ecLeft = 1, ecRight, ecUp, ecDown, ecWordLeft, ecWordRight, ecLineStart, ecLineEnd, ecPageUp,
    ecPageDown, ecPageLeft, ecPageRight, ecPageTop, ecPageBottom, ecEditorTop, ecEditorBottom, ecGotoXY,
    ecSelection = 100,
    ecSelLeft = 101, ecSelRight, ecSelUp, ecSelDown, ecSelWordLeft, ecSelWordRight, ecSelLineStart,
    ecSelLineEnd, ecSelPageUp, ecSelPageDown, ecSelPageLeft, ecSelPageRight, ecSelPageTop,
    ecSelPageBottom, ecSelEditorTop, ecSelEditorBottom, ecSelGotoXY,
    ecSelectAll = 199,
    ecCopy = 201,
    ecScrollUp = 211, ecScrollDown, ecScrollLeft, ecScrollRight,
    ecInsertMode = 221, ecOverwriteMode, ecToggleMode,
    ecNormalSelect = 231, ecColumnSelect, ecLineSelect,
    ecMatchBracket = 250, ecCommentBlock,
    ecGotoMarker0 = 301, ecGotoMarker9 = 310,
    ecSetMarker0 = 351, ecSetMarker9 = 360,
    ecGotFocus = 480, ecLostFocus = 481,
    ecContextHelp = 490,
    ecDeleteLastChar = 501, ecDeleteChar, ecDeleteWord, ecDeleteLastWord, ecDeleteBOL, ecDeleteEOL,
    ecDeleteLine, ecClearAll, ecLineBreak, ecInsertLine, ecChar,
    ecImeStr = 550,
    ecUndo = 601, ecRedo, ecCut, ecPaste,
    ecBlockIndent = 610, ecBlockUnindent, ecTab, ecShiftTab,
    ecUpperCase = 620, ecLowerCase, ecToggleCase, ecTitleCase,
    ecUpperCaseBlock = 625, ecLowerCaseBlock, ecToggleCaseBlock,
    ecString = 630,
    ecAutoCompletion = 650,
    ecUserFirst = 1001,
};
// clang-format on

class ESrcKeyError : public Exception {
public:
    using Exception::Exception;
};

// One row of the command table.
struct TIdentMapEntry {
    TSrcEditorCommand Value;
    const char* Name;
};
constexpr int EditorCommandCount = 100;
extern const TIdentMapEntry EditorCommandStrs[EditorCommandCount];

bool IdentToEditorCommand(const std::string& Ident, int32_t& Cmd);
bool EditorCommandToIdent(int32_t Cmd, std::string& Ident);
std::string EditorCommandToCodeString(TSrcEditorCommand Cmd);
std::string EditorCommandToDescrString(TSrcEditorCommand Cmd);
TSrcEditorCommand IndexToEditorCommand(int Index);
void GetEditorCommandValues(const std::function<void(const std::string&)>& Proc);
void GetEditorCommandExtended(const std::function<void(const std::string&)>& Proc);
std::string ConvertCodeStringToExtended(const std::string& AString);
std::string ConvertExtendedToCodeString(const std::string& AString);
TSrcEditorCommand ConvertCodeStringToCommand(const std::string& AString);
TSrcEditorCommand ConvertExtendedToCommand(const std::string& AString);

TShortCut ShortCut(uint16_t Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift);
// "Shift+Ctrl+Z", "Ctrl+Ins", "F1", "Ctrl+;"; empty without a key.
std::string ShortCutToText(TShortCut ShortCut);

class TSrcEditKeyStrokes;

// One key binding: one or two strokes and the command they give.
class TSrcEditKeyStroke : public TPersistent {
public:
    explicit TSrcEditKeyStroke(TSrcEditKeyStrokes* ACollection) : collection_(ACollection) {}

    void Assign(const TPersistent* Source) override;
    std::string GetDisplayName() const;
    int Index() const;

    uint16_t Key() const { return key_; }
    void SetKey(uint16_t Value) { key_ = Value; }
    TShiftState Shift() const { return shift_; }
    void SetShift(TShiftState Value) { shift_ = Value; }
    uint16_t Key2() const { return key2_; }
    void SetKey2(uint16_t Value) { key2_ = Value; }
    TShiftState Shift2() const { return shift2_; }
    void SetShift2(TShiftState Value) { shift2_ = Value; }
    TSrcEditorCommand Command() const { return command_; }
    void SetCommand(TSrcEditorCommand Value) { command_ = Value; }

    TShortCut GetShortCut() const { return ShortCut(key_, shift_); }
    // Raise ESrcKeyError "Shortcut already exists" when another binding has
    // the same two strokes.
    void SetShortCut(TShortCut Value);
    TShortCut GetShortCut2() const { return ShortCut(key2_, shift2_); }
    void SetShortCut2(TShortCut Value);

    // The 8-byte record: Key, Shift, Key2, Shift2, Command, little-endian.
    void LoadFromStream(TStream& AStream);
    void SaveToStream(TStream& AStream) const;

private:
    friend class TSrcEditKeyStrokes;

    TSrcEditKeyStrokes* collection_;
    uint16_t key_ = 0;
    TShiftState shift_;
    uint16_t key2_ = 0;
    TShiftState shift2_;
    TSrcEditorCommand command_ = ecNone;
};

// The key bindings of a control.
class TSrcEditKeyStrokes : public TPersistent {
public:
    explicit TSrcEditKeyStrokes(TPersistent* AOwner = nullptr) : owner_(AOwner) {}
    TSrcEditKeyStrokes(const TSrcEditKeyStrokes&) = delete;
    TSrcEditKeyStrokes& operator=(const TSrcEditKeyStrokes&) = delete;

    TPersistent* GetOwner() const { return owner_; }

    TSrcEditKeyStroke* Add();
    void AddKey(TSrcEditorCommand ACmd, uint16_t AKey, TShiftState AShift);
    void Assign(const TPersistent* Source) override;
    void Clear() { items_.clear(); }
    void Delete(int Index);
    int Count() const { return static_cast<int>(items_.size()); }
    TSrcEditKeyStroke* Items(int Index) const { return items_.at(static_cast<size_t>(Index)).get(); }
    void SetItems(int Index, const TSrcEditKeyStroke* Value) { Items(Index)->Assign(Value); }
    int IndexOf(const TSrcEditKeyStroke* Item) const;

    int FindCommand(TSrcEditorCommand Cmd) const;
    int FindKeycode(uint16_t Code, TShiftState SS) const;
    int FindKeycode2(uint16_t Code1, TShiftState SS1, uint16_t Code2, TShiftState SS2) const;
    int FindShortcut(TShortCut SC) const;
    int FindShortcut2(TShortCut SC, TShortCut SC2) const;

    void ResetDefaults();
    // A signed 32-bit count, then the records. A stream that ends early
    // raises EReadError and leaves the bindings unchanged.
    void LoadFromStream(TStream& AStream);
    void SaveToStream(TStream& AStream) const;

private:
    TPersistent* owner_;
    std::vector<std::unique_ptr<TSrcEditKeyStroke>> items_;
};

// Against a fresh ResetDefaults: the bindings of Keys that the defaults lack
// (same shortcuts and command), and the defaults that Keys lacks.
void AddedKeystrokes(const TSrcEditKeyStrokes& Keys, TSrcEditKeyStrokes& Added);
void RemovedKeystrokes(const TSrcEditKeyStrokes& Keys, TSrcEditKeyStrokes& Removed);
// Appends copies of Added; deletes, for each of Removed, the binding with its
// shortcuts when it gives the same command.
void ApplyAddedKeystrokes(TSrcEditKeyStrokes& Keys, const TSrcEditKeyStrokes& Added);
void ApplyRemovedKeystrokes(TSrcEditKeyStrokes& Keys, const TSrcEditKeyStrokes& Removed);
