#pragma once
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/control/SrcBookMarkOpt.h"
#include "editor/control/SrcClipboard.h"
#include "editor/control/SrcEditKbdHandler.h"
#include "editor/control/SrcEditKeyCmds.h"
#include "editor/support/SrcComponent.h"
#include "editor/support/SrcCoord.h"
#include "editor/control/SrcEditMark.h"
#include "editor/control/SrcEditMarkList.h"
#include "editor/text/SrcEditStringList.h"
#include "editor/control/SrcEditTypes.h"
#include "editor/text/SrcEditUndoList.h"
#include "editor/support/SrcFont.h"
#include "editor/text/SrcMiscProcs.h"
#include "editor/control/SrcGlyph.h"
#include "editor/control/SrcGutter.h"
#include "editor/control/SrcLineTokens.h"
#include "editor/control/SrcSelectedColor.h"
#include "editor/control/SrcWindowServices.h"
#include "editor/search/SrcSearchTypes.h"

class TSrcCanvas;
class TSrcCustomHighlighter;
class TSrcHighlighterAttributes;
class TSrcEditPlugin;
class TSrcInternalImage;
class TSrcEditWordWrapper;
class TSrcTextDrawerBase;
class TSrcEditSearchCustom;
class TSrcDeclinedRun;

using TStatusChangeEvent = TEvent<TObject*, TSrcStatusChanges>;
using TPlaceMarkEvent = TEvent<TObject*, TSrcEditMark*&>;
// (Sender, Line, Special, Foreground, Background).
using TSpecialLineColorsEvent = TEvent<TObject*, int, bool&, TColor&, TColor&>;
// (Sender, Line, Text).
using TGutterGetTextEvent = TEvent<TObject*, int, std::string&>;
// (Sender, Line, X, Y).
using TGutterPaintEvent = TEvent<TObject*, int, int, int>;
using TPaintEvent = TEvent<TObject*, TSrcCanvas*>;
using TPaintTransient = TEvent<TObject*, TSrcCanvas*, TTransientType>;
using TScrollEvent = TEvent<TObject*, TSrcScrollBarKind>;
// (Sender, the word at the caret).
using TContextHelpEvent = TEvent<TObject*, std::string>;
// (Sender, Command, AChar, Data); Command may be changed, or set to ecNone.
using TProcessCommandEvent = TEvent<TObject*, TSrcEditorCommand&, char&, void*>;
// (Sender, AfterProcessing, Handled, Command, AChar, Data, HandlerData).
using THookedCommandEvent = TEvent<TObject*, bool, bool&, TSrcEditorCommand&, char&, void*, void*>;
// (Sender, ASearch, AReplace, Line, Column, Action); Action comes in raCancel.
using TReplaceTextEvent = TEvent<TObject*, const std::string&, const std::string&, int, int, TSrcReplaceAction&>;
// (Sender, Shift, X, Y).
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
// (Sender, Button, X, Y, Line, Mark); Mark is nil beside the marks.
using TGutterClickEvent = TEvent<TObject*, TMouseButton, int, int, int, TSrcEditMark*>;
// (Sender, X, Y, Files): full file names, dropped at (X, Y).
using TDropFilesEvent = TEvent<TObject*, int, int, TStrings*>;
// Sees one token: its 0-based start, text and attribute; false stops the walk.
using TTokenVisitor = std::function<bool(int Start, const std::string& Token, TSrcHighlighterAttributes* Attri)>;

// The source text control's model: the line buffer with caret, selection,
// view position, marks and plug-ins. It reaches its window only through
// TSrcWindowServices; without them it behaves as a control whose window
// does not exist yet.
class TCustomSrcEdit : public TComponent {
public:
    explicit TCustomSrcEdit(TComponent* AOwner = nullptr);
    ~TCustomSrcEdit() override;

    // The window; nil detaches it. Attaching measures the view.
    void SetWindowServices(TSrcWindowServices* Value);
    TSrcWindowServices* WindowServices() const { return window_; }
    bool HandleAllocated() const { return window_ != nullptr; }

    // Text.
    TSrcEditStringList& Lines() const { return *lines_; }
    void SetLines(const TStrings& Value);
    std::string Text() const;
    void SetText(const std::string& Value);
    std::string LineText() const;
    void SetLineText(const std::string& Value);

    // Font and cell.
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& Value);
    int CharWidth() const { return charWidth_; }
    int LineHeight() const { return textHeight_; }
    int CharsInWindow() const { return charsInWindow_; }
    int LinesInWindow() const { return linesInWindow_; }
    int ExtraLineSpacing() const { return extraLineSpacing_; }
    void SetExtraLineSpacing(int Value);
    TSrcTextDrawerBase& TextDrawer() const { return *textDrawer_; }
    void RecalcCharExtent();
    void SizeOrFontChanged(bool bFont);

    // View.
    int LeftChar() const { return leftChar_; }
    void SetLeftChar(int Value);
    int TopLine() const { return topLine_; }
    void SetTopLine(int Value);
    int MaxScrollWidth() const { return maxScrollWidth_; }
    void SetMaxScrollWidth(int Value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);
    int GutterWidth() const { return gutterWidth_; }
    void SetGutterWidth(int Value);
    int TextOffset() const { return textOffset_; }
    void UpdateScrollBars();
    int GetDisplayLineCount() const;
    int LineToRow(int Line) const;
    int RowToLine(int Row) const;
    // Moves the caret to the text under display position Pos; past the end
    // of a wrapped row the caret stays drawn on that row.
    void SetInternalDisplayXY(const TDisplayCoord& Pos);

    // Paint lock and notifications.
    void IncPaintLock();
    void DecPaintLock();
    int PaintLock() const { return paintLock_; }
    void BeginUpdate() { IncPaintLock(); }
    void EndUpdate() { DecPaintLock(); }
    void StatusChanged(TSrcStatusChanges AChanges);
    TSrcStatusChanges PendingStatusChanges() const { return statusChanges_; }
    TSrcStateFlags StateFlags() const { return stateFlags_; }
    void Invalidate();
    void InvalidateLine(int Line);
    void InvalidateLines(int FirstLine, int LastLine);
    void InvalidateGutter();
    void InvalidateGutterLine(int Line);
    void InvalidateGutterLines(int FirstLine, int LastLine);
    void InvalidateSelection();
    // Invalidates ARect of the window, erasing its background with Erase.
    virtual void InvalidateRect(const TRect& ARect, bool Erase);

    // Painting: everything that intersects AClip, on ACanvas, whose clip
    // is AClip while it paints and none afterwards.
    void Paint(TSrcCanvas& ACanvas, const TRect& AClip);

    // Window events the platform layer passes on.
    virtual void TimerFired(int Id);
    // A scroll bar request; Pos is in the units the bar was set with.
    // OnScroll follows.
    void ScrollRequest(TSrcScrollBarKind Bar, TSrcScrollCode Code, int Pos);
    void FocusIn();
    void FocusOut();

    // Keyboard input, as the platform layer delivers it: a key-down, the
    // characters it produced, a key-up.
    virtual void KeyDown(uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(char& Key);
    virtual void KeyUp(uint16_t& Key, TShiftState Shift);
    // An input method's result: ecImeStr with the text; the next
    // RepeatedChars characters are the same text again and are dropped.
    void ImeResult(const std::string& Text, int RepeatedChars);

    // Mouse input, as the platform layer delivers it, in client pixels. A
    // double click runs DblClick, then MouseDown with ssDouble.
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DblClick();
    // Delta in wheel units, 120 a notch.
    void MouseWheel(int WheelDelta, TShiftState Shift);
    // The window lost the mouse capture.
    void CaptureChanged();
    void ComputeCaret(int X, int Y);
    void ComputeScroll(int X, int Y);
    virtual void DoOnGutterClick(TMouseButton Button, int X, int Y);
    virtual void UpdateMouseCursor();
    // The focus goes to the window or to the newest focus control.
    void SetFocus();
    void SetWordBlock(TBufferCoord Value);
    void SetSelWord() { SetWordBlock(CaretXY()); }
    bool IsPointInSelection(const TBufferCoord& Value) const;
    // False when the pointer is outside the client area.
    bool GetPositionOfMouse(TBufferCoord& aPos) const;
    std::string GetWordAtMouse();

    // The standard edit actions: ExecuteAction runs one; UpdateAction tells,
    // while the control has the focus, whether it is enabled (false when
    // the control does not handle it).
    bool ExecuteAction(TSrcEditAction Action);
    bool UpdateAction(TSrcEditAction Action, bool& Enabled) const;

    // Drag and drop of text between editor controls; Shift is the key state.
    void DragOver(TCustomSrcEdit* Source, int X, int Y, TDragState State, TShiftState Shift, bool& Accept);
    void DragDrop(TCustomSrcEdit* Source, int X, int Y, TShiftState Shift);
    void DragCanceled();
    // The drag that BeginDrag started is over; Dropped when a target took it.
    void DragEnded(bool Dropped);
    bool Dragging() const { return dragging_; }
    void DropFiles(int X, int Y, const std::vector<std::string>& Files);

    // Key bindings and commands.
    TSrcEditKeyStrokes& Keystrokes() const { return *keystrokes_; }
    void SetKeystrokes(const TSrcEditKeyStrokes* Value);
    virtual void SetDefaultKeystrokes();
    void AddKey(TSrcEditorCommand Command, uint16_t Key1, TShiftState SS1, uint16_t Key2 = 0, TShiftState SS2 = {});
    TSrcEditorCommand TranslateKeyCode(uint16_t Code, TShiftState Shift, void*& Data);
    virtual void CommandProcessor(TSrcEditorCommand Command, char AChar, void* Data);
    // Carries out one command; Data of ecImeStr is the NUL-terminated text.
    virtual void ExecuteCommand(TSrcEditorCommand Command, char AChar, void* Data);
    void RegisterCommandHandler(const THookedCommandEvent& AHandlerProc, void* AHandlerData);
    void UnregisterCommandHandler(const THookedCommandEvent& AHandlerProc);
    int GetHookedCommandHandlersCount() const { return static_cast<int>(hookedCommands_.size()); }
    int FindHookedCmdEvent(const THookedCommandEvent& AHandlerProc) const;

    // Handler chains, newest first.
    void AddKeyDownHandler(const TKeyEvent& H) { kbdHandler_->AddKeyDownHandler(H); }
    void RemoveKeyDownHandler(const TKeyEvent& H) { kbdHandler_->RemoveKeyDownHandler(H); }
    void AddKeyUpHandler(const TKeyEvent& H) { kbdHandler_->AddKeyUpHandler(H); }
    void RemoveKeyUpHandler(const TKeyEvent& H) { kbdHandler_->RemoveKeyUpHandler(H); }
    void AddKeyPressHandler(const TKeyPressEvent& H) { kbdHandler_->AddKeyPressHandler(H); }
    void RemoveKeyPressHandler(const TKeyPressEvent& H) { kbdHandler_->RemoveKeyPressHandler(H); }
    void AddMouseDownHandler(const TMouseEvent& H) { kbdHandler_->AddMouseDownHandler(H); }
    void RemoveMouseDownHandler(const TMouseEvent& H) { kbdHandler_->RemoveMouseDownHandler(H); }
    void AddMouseUpHandler(const TMouseEvent& H) { kbdHandler_->AddMouseUpHandler(H); }
    void RemoveMouseUpHandler(const TMouseEvent& H) { kbdHandler_->RemoveMouseUpHandler(H); }
    void AddMouseCursorHandler(const TMouseCursorEvent& H) { kbdHandler_->AddMouseCursorHandler(H); }
    void RemoveMouseCursorHandler(const TMouseCursorEvent& H) { kbdHandler_->RemoveMouseCursorHandler(H); }

    // Windows of the platform layer that may take the focus while the
    // control keeps showing its caret and selection.
    void AddFocusControl(const void* AControl);
    void RemoveFocusControl(const void* AControl);
    bool IsFocusControl(const void* AControl) const;

    // Coordinates.
    TDisplayCoord BufferToDisplayPos(const TBufferCoord& p) const;
    TBufferCoord DisplayToBufferPos(const TDisplayCoord& p) const;
    TPoint RowColumnToPixels(const TDisplayCoord& RowCol) const;
    TDisplayCoord PixelsToRowColumn(int aX, int aY) const;
    TDisplayCoord PixelsToNearestRowColumn(int aX, int aY) const;
    int LeftSpaces(const std::string& Line) const { return LeftSpacesEx(Line, false); }
    int LeftSpacesEx(const std::string& Line, bool WantTabs) const;
    std::string GetLeftSpacing(int CharCount, bool WantTabs) const;
    // The characters of words, and all other characters 1..255.
    void PrepareIdentChars(TSrcCharSet& IdentChars, TSrcCharSet& WhiteChars) const;

    // Caret.
    int CaretX() const { return caretX_; }
    int CaretY() const { return caretY_; }
    TBufferCoord CaretXY() const { return BufferCoord(caretX_, caretY_); }
    void SetCaretX(int Value) { SetCaretXY(BufferCoord(Value, caretY_)); }
    void SetCaretY(int Value) { SetCaretXY(BufferCoord(caretX_, Value)); }
    virtual void SetCaretXY(const TBufferCoord& Value);
    void InternalSetCaretX(int Value) { InternalSetCaretXY(BufferCoord(Value, caretY_)); }
    void InternalSetCaretY(int Value) { InternalSetCaretXY(BufferCoord(caretX_, Value)); }
    virtual void InternalSetCaretXY(const TBufferCoord& Value);
    virtual void SetCaretXYEx(bool CallEnsureCursorPos, TBufferCoord Value);
    int LastCaretX() const { return lastCaretX_; }
    TDisplayCoord DisplayXY() const;
    int DisplayX() const { return DisplayXY().Column; }
    int DisplayY() const { return DisplayXY().Row; }
    bool CaretInView() const;
    void EnsureCursorPosVisible() { EnsureCursorPosVisibleEx(false); }
    void EnsureCursorPosVisibleEx(bool ForceToMiddle);
    void GotoLineAndCenter(int ALine);
    void ShowCaret();
    void HideCaret();
    void UpdateCaret();
    // Word wrap: the caret stands at the end of a wrapped row, not at the
    // start of the next one.
    bool CaretAtEndOfRow() const { return caretAtEndOfRow_; }
    void InitializeCaret();
    bool InsertMode() const { return insertMode_; }
    void SetInsertMode(bool Value);
    TSrcEditCaretType InsertCaret() const { return insertCaret_; }
    void SetInsertCaret(TSrcEditCaretType Value);
    TSrcEditCaretType OverwriteCaret() const { return overwriteCaret_; }
    void SetOverwriteCaret(TSrcEditCaretType Value);
    bool AlwaysShowCaret() const { return alwaysShowCaret_; }
    void SetAlwaysShowCaret(bool Value);

    // Selection.
    TBufferCoord BlockBegin() const;
    TBufferCoord BlockEnd() const;
    void SetBlockBegin(TBufferCoord Value);
    void SetBlockEnd(TBufferCoord Value);
    bool SelAvail() const;
    bool SelTabBlock() const;
    bool SelTabLine() const;
    void SetCaretAndSelection(const TBufferCoord& ptCaret, const TBufferCoord& ptBefore,
                              const TBufferCoord& ptAfter);
    void SelectAll();
    std::string SelText() const { return GetSelText(); }
    std::string GetSelText() const;
    TSrcSelectionMode SelectionMode() const { return selectionMode_; }
    void SetSelectionMode(TSrcSelectionMode Value);
    TSrcSelectionMode ActiveSelectionMode() const { return activeSelectionMode_; }
    void SetActiveSelectionMode(TSrcSelectionMode Value);

    // Selection as character offsets; a line break counts two characters.
    int SelStart() const;
    void SetSelStart(int Value);
    int SelEnd() const;
    void SetSelEnd(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    TBufferCoord CharIndexToRowCol(int Index) const;
    int RowColToCharIndex(TBufferCoord RowCol) const;

    // Queries at a position.
    virtual void FindMatchingBracket();
    virtual TBufferCoord GetMatchingBracket();
    virtual TBufferCoord GetMatchingBracketEx(const TBufferCoord& APoint);
    bool GetHighlighterAttriAtRowCol(const TBufferCoord& XY, std::string& Token, TSrcHighlighterAttributes*& Attri);
    bool GetHighlighterAttriAtRowColEx(const TBufferCoord& XY, std::string& Token, int& TokenType, int& Start,
                                       TSrcHighlighterAttributes*& Attri);
    std::string GetWordAtRowCol(const TBufferCoord& XY);
    // The caret line's text from WordStart to WordEnd.
    std::string GetWordAtCursor() const;

    // Word navigation; positions outside the buffer come back unchanged.
    virtual TBufferCoord NextWordPos() const { return NextWordPosEx(CaretXY()); }
    virtual TBufferCoord PrevWordPos() const { return PrevWordPosEx(CaretXY()); }
    virtual TBufferCoord WordStart() const { return WordStartEx(CaretXY()); }
    virtual TBufferCoord WordEnd() const { return WordEndEx(CaretXY()); }
    virtual TBufferCoord NextWordPosEx(const TBufferCoord& XY) const;
    virtual TBufferCoord PrevWordPosEx(const TBufferCoord& XY) const;
    virtual TBufferCoord WordStartEx(const TBufferCoord& XY) const;
    virtual TBufferCoord WordEndEx(const TBufferCoord& XY) const;

    // Caret moves of the commands.
    void MoveCaretHorz(int DX, bool SelectionCommand);
    void MoveCaretVert(int DY, bool SelectionCommand);
    void MoveCaretAndSelection(const TBufferCoord& ptBefore, const TBufferCoord& ptAfter, bool SelectionCommand);
    void DoHomeKey(bool Selection);
    void DoEndKey(bool Selection);
    // Repaints what is invalid at once.
    void Update();

    // Editing operations of the commands.
    void DoTabKey();
    void DoShiftTabKey();
    void DoBlockIndent();
    void DoBlockUnindent();
    void DoCaseChange(TSrcEditorCommand Cmd);
    // Replaces the selection as one undoable step (the SelText setter).
    void SetSelTextExternal(const std::string& Value);
    void SetSelText(const std::string& Value) { SetSelTextExternal(Value); }
    void ClearSelection();
    void InsertBlock(const TBufferCoord& BB, const TBufferCoord& BE, const std::string& ChangeStr,
                     bool AddToUndoList);

    // Search and replace through the search engine (not owned; a freed
    // engine is unassigned). The number of occurrences found or handled.
    int SearchReplace(const std::string& ASearch, const std::string& AReplace, TSrcSearchOptions AOptions);
    TSrcEditSearchCustom* SearchEngine() const { return searchEngine_; }
    void SetSearchEngine(TSrcEditSearchCustom* Value);
    virtual TSrcReplaceAction DoOnReplaceText(const std::string& ASearch, const std::string& AReplace, int Line,
                                              int Column);

    // Clipboard (not owned); without one nothing can be copied or pasted.
    TSrcClipboard* Clipboard() const { return clipboard_; }
    void SetClipboard(TSrcClipboard* Value) { clipboard_ = Value; }
    void DoCopyToClipboard(const std::string& SText);
    void CopyToClipboard();
    void CutToClipboard();
    bool CanPaste() const;
    void PasteFromClipboard();

    // Undo and redo.
    void Undo();
    void Redo();
    bool CanUndo() const { return !ReadOnly() && undoList_->CanUndo(); }
    bool CanRedo() const { return !ReadOnly() && redoList_->CanUndo(); }
    void ClearUndo();
    void ClearAll();
    void LockUndo();
    void UnlockUndo();
    int MaxUndo() const { return undoList_->MaxUndoActions(); }
    void SetMaxUndo(int Value);
    bool Modified() const { return modified_; }
    void SetModified(bool Value);
    void UndoItem();
    void RedoItem();
    void UpdateModifiedStatus();

    // Read-only state and undo grouping.
    virtual bool ReadOnly() const { return readOnly_; }
    virtual void SetReadOnly(bool Value);
    void BeginUndoBlock() { undoList_->BeginBlock(); }
    void EndUndoBlock() { undoList_->EndBlock(); }
    // Walks the highlighter's tokens of Line; nothing without a highlighter.
    void ForEachToken(int Line, const TTokenVisitor& Visit);
    // Walks the tokens of Line that overlap its bytes [From, To), as the
    // scan of the whole line gives them; a long line is not scanned again
    // for the same place.
    void ForEachTokenIn(int Line, int64_t From, int64_t To, const TSrcTokenSpanVisitor& Visit);

    // A buffer shared with another control.
    void SetLinesPointer(TCustomSrcEdit* ASrcEdit);
    void RemoveLinesPointer();
    void HookTextBuffer(TSrcEditStringList* ALines, TSrcEditUndoList* AUndoList, TSrcEditUndoList* ARedoList);
    void UnHookTextBuffer();

    // Edit primitives.
    void SetSelTextPrimitive(const std::string& Value);
    void SetSelTextPrimitiveEx(TSrcSelectionMode PasteMode, const std::string& Value, bool AddToUndoList);
    void ProperSetLine(int ALine, const std::string& ALineText);
    TSrcEditUndoList& UndoList() const { return *undoList_; }
    TSrcEditUndoList& RedoList() const { return *redoList_; }

    // Marks, bookmarks and plug-ins.
    TSrcEditMarkList& Marks() const { return *marks_; }
    void SetBookMark(int BookMark, int X, int Y);
    void ClearBookMark(int BookMark);
    void GotoBookMark(int BookMark);
    bool GetBookMark(int BookMark, int& X, int& Y) const;
    bool IsBookmark(int BookMark) const;
    // OnPlaceBookmark may cancel the mark (null) or put another in its place.
    virtual void DoOnPlaceMark(std::unique_ptr<TSrcEditMark>& Mark);
    virtual void DoOnClearBookmark(TSrcEditMark*& Mark);
    void DoLinesInserted(int FirstLine, int Count);
    void DoLinesDeleted(int FirstLine, int Count);
    void PluginsAfterPaint(TSrcCanvas& ACanvas, const TRect& AClip, int FirstLine, int LastLine);
    // Installs a plug-in, which the control owns.
    template <typename P>
    P& AddPlugin(std::unique_ptr<P> APlugin) {
        P& plugin = *APlugin;
        InstallPlugin(std::move(APlugin));
        return plugin;
    }
    // Removes and frees a plug-in.
    void RemovePlugin(const TSrcEditPlugin* APlugin);
    int PluginCount() const { return static_cast<int>(plugins_.size()); }
    TSrcEditPlugin* Plugin(int Index) const { return plugins_.at(static_cast<size_t>(Index)).get(); }

    // Options and properties.
    TSrcEditorOptions Options() const { return options_; }
    void SetOptions(TSrcEditorOptions Value);
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int Value);
    void SetRightEdge(int Value);
    TColor RightEdgeColor() const { return rightEdgeColor_; }
    void SetRightEdgeColor(TColor Value);
    TColor ActiveLineColor() const { return activeLineColor_; }
    void SetActiveLineColor(TColor Value);
    TSrcGutter& Gutter() const { return *gutter_; }
    void SetGutter(const TSrcGutter& Value);
    TSrcSelectedColor& SelectedColor() const { return *selectedColor_; }
    TSrcBookMarkOpt& BookMarkOptions() const { return *bookMarkOptions_; }
    TSrcGlyph& WordWrapGlyph() const { return *wordWrapGlyph_; }
    TSrcCustomHighlighter* Highlighter() const { return highlighter_; }
    void SetHighlighter(TSrcCustomHighlighter* Value);
    // The word-wrap plug-in (not owned); nil turns word wrap off.
    void SetWordWrapper(TSrcEditWordWrapper* Value);
    bool WordWrap() const { return wordWrapper_ != nullptr; }
    // Turns word wrap on with a plug-in of the control's own, or off.
    void SetWordWrap(bool Value);

    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool Value) { wantReturns_ = Value; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool Value) { wantTabs_ = Value; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool Value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    TColor ScrollHintColor = clInfoBk;
    TScrollHintFormat ScrollHintFormat = shfTopLineOnly;
    TColor Color = clWindow;

    TNotifyEvent OnChange;
    TPlaceMarkEvent OnPlaceBookmark;
    TPlaceMarkEvent OnClearBookmark;
    TStatusChangeEvent OnStatusChange;
    TSpecialLineColorsEvent OnSpecialLineColors;
    TGutterGetTextEvent OnGutterGetText;
    TGutterPaintEvent OnGutterPaint;
    TPaintEvent OnPaint;
    TPaintTransient OnPaintTransient;
    TScrollEvent OnScroll;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TProcessCommandEvent OnProcessCommand;
    TProcessCommandEvent OnProcessUserCommand;
    TProcessCommandEvent OnCommandProcessed;
    TMouseCursorEvent OnMouseCursor;
    TContextHelpEvent OnContextHelp;
    TReplaceTextEvent OnReplaceText;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnDblClick;
    TGutterClickEvent OnGutterClick;
    TDropFilesEvent OnDropFiles;
    TCursor Cursor = crIBeam;
    TCursor DragCursor = crDrag;

protected:
    virtual void DoOnProcessCommand(TSrcEditorCommand& Command, char& AChar, void* Data);
    virtual void DoOnCommandProcessed(TSrcEditorCommand Command, char AChar, void* Data);
    virtual void NotifyHookedCommandHandlers(bool AfterProcessing, TSrcEditorCommand& Command, char& AChar,
                                             void* Data);
    virtual void DoOnStatusChange(TSrcStatusChanges Changes);
    virtual void DoOnPaintTransientEx(TTransientType TransientType, bool Lock);
    void DoOnPaintTransient(TTransientType TransientType) { DoOnPaintTransientEx(TransientType, false); }
    virtual void DoChange();
    virtual void DoOnPaint(TSrcCanvas& ACanvas);
    virtual bool DoOnSpecialLineColors(int Line, TColor& Foreground, TColor& Background);
    void PaintGutter(TSrcCanvas& ACanvas, const TRect& AClip, int FirstRow, int LastRow);
    void PaintTextLines(TSrcCanvas& ACanvas, const TRect& AClip, int FirstRow, int LastRow, int FirstCol,
                        int LastCol);
    void LinesHookChanged();

private:
    void PaintLineNumbers(TSrcCanvas& ACanvas, const TRect& AClip, int FirstRow, int LastRow);
    void PaintGutterBorder(TSrcCanvas& ACanvas, const TRect& AClip);
    void PaintMarks(TSrcCanvas& ACanvas, int FirstRow, int LastRow);
    void PaintMark(TSrcCanvas& ACanvas, const TSrcEditMark& Mark, int Row, int& Offset);

protected:
    virtual void LinesChanged(TObject* Sender);
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TTextLinesPainter;
    friend class TSrcSearchReplaceRun;

    // Trailing blanks that a trim took from where the line had them.
    struct TSrcTrimmedBlanks {
        TBufferCoord At;
        std::string Text;
    };
    void PutLineTrimmed(int ALine, const std::string& ALineText, size_t InsertedFrom = 0, size_t InsertedTo = 0);
    void PutInsertedLine(int ALine, const std::string& ALineText, size_t InsertedFrom, size_t InsertedTo);
    void PutLineRegion(int First, int OldCount, const std::vector<std::string>& NewLines,
                       const std::vector<int>* MarksTo);
    void RecordTrimmedBlanks(bool JoinNewest);

    TColor EditorBackground(int Line) const;

    void LinesChanging(TObject* Sender);
    void ListCleared(TObject* Sender);
    void ListDeleted(TObject* Sender, int Index, int Count);
    void ListInserted(TObject* Sender, int Index, int Count);
    void ListPutted(TObject* Sender, int Index, int Count);
    void AutoSizeMaxScrollWidthFor(int Index);
    void UndoRedoAdded(TObject* Sender);
    void SelectedColorChanged(TObject* Sender);
    void BookMarkOptionsChanged(TObject* Sender);
    void WordWrapGlyphChange(TObject* Sender);
    void GutterChanged(TObject* Sender);
    void MarkListChange(TObject* Sender);
    void SrcFontChanged(TObject* Sender);
    void FontDummyChanged(TObject*) {}
    void ChainLinesChanging(TObject* Sender);
    void ChainLinesChanged(TObject* Sender);
    void ChainListCleared(TObject* Sender);
    void ChainListDeleted(TObject* Sender, int Index, int Count);
    void ChainListInserted(TObject* Sender, int Index, int Count);
    void ChainListPutted(TObject* Sender, int Index, int Count);
    void ChainUndoAdded(TObject* Sender);
    void ChainRedoAdded(TObject* Sender);
    void ReleaseHandlers();
    void HighlighterAttrChanged(TObject* Sender);

    std::vector<TFontStyles> StylesInUse() const;
    int ScanFrom(int Index);
    void HighlighterStartLine(int Line);
    void ScanRanges();

    void UpdateLastCaretX();
    std::string LineAt(int Line) const;  // empty outside the buffer
    void UpdateTextOffset();
    int MaxLeftChar() const;
    // Past a line's end a position stops at the scroll width's edge; a
    // longer line's text is never cut.
    int PastEolCharLimit(int Line) const;
    // The columns the view scrolls over: the scroll width, or the longest
    // line where that is longer.
    int ScrollWidth() const;
    int MaxTopLine() const;
    TRect ClientRect() const;
    void AddInvalidRect(const TRect& ARect);
    // While painting is locked, scrolls and invalidations are collected (a
    // scroll as its whole area, as are too many rectangles) and the outermost
    // unlock invalidates them.
    void ScrollOrDefer(int DX, int DY, const TRect& Area);
    void DeferInvalidation(const TRect& ARect, bool Collapse);
    void FlushLockedInvalidation();
    void InvalidateLineStrip(int FirstLine, int LastLine, int Left, int Right);
    void ClampBufferCoord(TBufferCoord& Value) const;
    void SetScrollBar(TSrcScrollBarKind Bar, int Range, int Page, int Pos, int MinRange);
    int HorizontalScrollRange() const;
    int VerticalScrollRange() const;
    std::string ScrollHintText() const;
    void ShowScrollHint(int Pos);

    std::string DeletedSelText() const;
    std::string SelTextPadded(bool PadColumns) const;
    void DoLinesJoined(const TBufferCoord& From, const TBufferCoord& To);
    void DoLineSplit(const TBufferCoord& At, const TBufferCoord& To);
    void DeleteSelection(TBufferCoord& BB, TBufferCoord& BE, bool Trim);
    void RemoveSelection(bool Trim);
    int InsertNormal(const std::string& Value);
    int InsertColumn(const std::string& Value, bool AddToUndoList);
    int InsertLine(const std::string& Value);
    void InsertText(TSrcSelectionMode PasteMode, const std::string& Value, bool AddToUndoList);
    bool ReplaceInPlace(TSrcSelectionMode Mode, const TBufferCoord& From, const TBufferCoord& To,
                        const std::function<std::string(const std::string&)>& NewText, std::string& Replaced);
    void ConvertSelectionCase(TSrcEditorCommand Cmd);

    void ExecuteMoveCommand(TSrcEditorCommand Command, void* Data);
    void ExecuteEditCommand(TSrcEditorCommand Command, char AChar, void* Data);
    void ExecuteOtherCommand(TSrcEditorCommand Command, void* Data);
    void MovePage(TSrcEditorCommand Command);
    void MovePageEdge(TSrcEditorCommand Command);
    void ScrollByCommand(TSrcEditorCommand Command);
    void SetMarkerByCommand(int Index, void* Data);
    void DeleteSelectionRecorded();
    void DeleteLastChar();
    void DeleteChar();
    int PaddingKept(int Line, int Length) const;
    void DeleteToWordOrLineEnd(bool WholeLine);
    void DeleteToWordOrLineStart(bool WholeLine);
    void DeleteLine();
    void LineBreak(bool MoveCaret);
    void TypeChar(char AChar);
    void ReplaceSelectionTyped(const std::string& S);
    void InsertImeString(const std::string& S);
    std::string CaretLineFiller() const;
    void AddPaddingRecord(const TBufferCoord& After, int Count);
    void AddChangeAfterPadding(TSrcChangeReason Reason, const TBufferCoord& Start, const TBufferCoord& End,
                               const std::string& Text, int Padding);
    void JumpLeftCharAfterTyping();
    int SmartBackspaceColumn(int Column) const;
    int SmartTabWidth() const;
    int UnindentWidth(const std::string& Line, int FromChar) const;
    void AddIndentSelection(TSrcSelectionMode Mode, const TBufferCoord& BB, const TBufferCoord& BE, bool CaretAtBegin);
    void WithScrollPastEol(const std::function<void()>& Action);
    void PasteBlock(const std::string& Block);
    void PastePlainText(const std::string& Text);
    void AddPasteRecord(TSrcChangeReason Reason, TSrcSelectionMode Mode, const TBufferCoord& Start, const TBufferCoord& End);
    void AddSelectionDeletion(TSrcChangeReason Reason, TBufferCoord From, TBufferCoord To);
    TBufferCoord DeleteSelectionForInsert(const TBufferCoord& From, const TBufferCoord& To, bool Replacing);
    void UndoInsert(const TSrcEditUndoItem& Item);
    void UndoDelete(const TSrcEditUndoItem& Item);
    void UndoLineBreak(const TSrcEditUndoItem& Item);
    void UndoUnindent(const TSrcEditUndoItem& Item);
    void RedoInsert(const TSrcEditUndoItem& Item);
    void RedoDelete(const TSrcEditUndoItem& Item);
    void RedoUnindent(const TSrcEditUndoItem& Item);
    void RedoWhiteSpaceAdd(const TSrcEditUndoItem& Item);
    void RedoAddedLine(const TSrcEditUndoItem& Item);
    // Sets caret and selection with Mode as the active selection mode.
    void SelectIn(TSrcSelectionMode Mode, const TBufferCoord& Caret, const TBufferCoord& Before,
                  const TBufferCoord& After);
    void ReplayUndoGroup(bool Redoing);
    // Replays the newest record, or a run of them on one line at once; the
    // reason of the last one replayed. Declined keeps, across the steps of
    // one group, the records a region replay already turned down.
    TSrcChangeReason ReplayStep(bool Redoing, TSrcDeclinedRun& Declined);
    bool ReplayLineRun(bool Redoing, TSrcChangeReason& Last);
    bool ReplayRegionRun(bool Redoing, TSrcChangeReason& Last, TSrcDeclinedRun& Declined);
    bool RedoRegionRun(TSrcChangeReason& Last, TSrcDeclinedRun& Declined);
    void WithItemState(TSrcSelectionMode Mode, const std::function<void()>& Action);
    void InsertAt(const TBufferCoord& At, TSrcSelectionMode Mode, const std::string& Text);

    void ScrollTimerHandler();
    bool MouseCaptured() const;
    void SetMouseCapture(bool Value);
    bool ShouldDrop(const TBufferCoord& NewPos, bool Move) const;
    void DropText(TCustomSrcEdit& Source, TBufferCoord NewPos, bool Move);

    void InstallPlugin(std::unique_ptr<TSrcEditPlugin> APlugin);
    // The plug-ins as they are now; one may leave while they are told.
    std::vector<TSrcEditPlugin*> PluginSnapshot() const;

    TSrcWindowServices* window_ = nullptr;
    TSrcClipboard* clipboard_ = nullptr;
    bool modified_ = false;
    bool replayingUndo_ = false;  // the caret is scrolled into view once, after the group
    bool undoingInsertion_ = false;  // its joins carry no mark a split would take back
    std::vector<TSrcTrimmedBlanks> trimmedBlanks_;  // not yet recorded
    int untrimmedLine_ = 0;  // a line whose blanks a replace run still searches
    TSrcEditWordWrapper* wordWrapper_ = nullptr;
    std::unique_ptr<TSrcEditWordWrapper> ownWordWrapper_;
    TSrcCustomHighlighter* highlighter_ = nullptr;
    TSrcLineTokens lineTokens_;
    TSrcEditSearchCustom* searchEngine_ = nullptr;
    bool destroying_ = false;

    std::unique_ptr<TSrcEditStringList> ownLines_;
    TSrcEditStringList* lines_;
    TBufferCoord blockBegin_;
    TBufferCoord blockEnd_;
    int32_t caretX_ = 1;
    int32_t caretY_ = 1;
    int32_t lastCaretX_ = 1;
    bool insertMode_ = true;
    TFont fontDummy_;
    TFont font_;
    std::unique_ptr<TSrcEditUndoList> ownUndoList_;
    std::unique_ptr<TSrcEditUndoList> ownRedoList_;
    TSrcEditUndoList* undoList_;
    TSrcEditUndoList* redoList_;
    // A shared buffer: its previous handlers, called before this control's.
    struct TSavedHandlers {
        TNotifyEvent Changing;
        TNotifyEvent Changed;
        TNotifyEvent Cleared;
        TStringListChangeEvent Deleted;
        TStringListChangeEvent Inserted;
        TStringListChangeEvent Putted;
        TNotifyEvent UndoAdded;
        TNotifyEvent RedoAdded;
    };
    TSavedHandlers saved_;
    bool hooked_ = false;
    TCustomSrcEdit* linesOwner_ = nullptr;  // whose buffer SetLinesPointer took
    int32_t charsInWindow_ = 0;
    int32_t linesInWindow_ = 0;
    int32_t charWidth_ = 0;
    int32_t textHeight_ = 0;
    int32_t leftChar_ = 1;
    int32_t topLine_ = 1;
    int32_t textOffset_ = 0;
    int32_t maxScrollWidth_ = 1024;
    int32_t paintLock_ = 0;
    int32_t transientLock_ = 0;
    TSrcCanvas* paintCanvas_ = nullptr;  // set while painting
    int32_t rightEdge_ = 80;
    TColor rightEdgeColor_ = clSilver;
    TScrollStyle scrollBars_ = ssBoth;
    std::unique_ptr<TSrcSelectedColor> selectedColor_;
    TColor activeLineColor_ = clNone;
    std::unique_ptr<TSrcBookMarkOpt> bookMarkOptions_;
    TSrcEditCaretType insertCaret_ = ctVerticalLine;
    TSrcEditCaretType overwriteCaret_ = ctBlock;
    TPoint caretOffset_;
    std::unique_ptr<TSrcEditMarkList> marks_;
    TSrcEditMark* bookmarks_[10] = {};
    int32_t extraLineSpacing_ = 0;
    TSrcSelectionMode selectionMode_ = smNormal;
    TSrcSelectionMode activeSelectionMode_ = smNormal;
    std::unique_ptr<TSrcGlyph> wordWrapGlyph_;
    std::unique_ptr<TSrcGutter> gutter_;
    std::unique_ptr<TSrcInternalImage> internalImages_;  // made on first use
    int32_t gutterWidth_ = 0;
    int32_t tabWidth_ = 8;
    std::unique_ptr<TSrcTextDrawerBase> textDrawer_;
    TRect invalidateRect_;
    std::vector<TRect> lockedInvalid_;
    TSrcStateFlags stateFlags_;
    TSrcEditorOptions options_;
    TSrcStatusChanges statusChanges_;
    std::vector<std::unique_ptr<TSrcEditPlugin>> plugins_;
    bool alwaysShowCaret_ = false;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
    bool hideSelection_ = false;
    TBorderStyle borderStyle_ = bsSingle;
    bool scrolling_ = false;  // the thumb is being moved
    bool caretAtEndOfRow_ = false;
    bool readOnly_ = false;

    std::unique_ptr<TSrcEditKeyStrokes> keystrokes_;
    std::unique_ptr<TSrcEditKbdHandler> kbdHandler_;
    // A registration keeps an identity, so that a walk skips entries
    // removed by the handlers before them.
    struct THookedCommandHandlerEntry {
        THookedCommandEvent Event;
        void* Data;
        uint64_t Identity;
    };
    std::vector<THookedCommandHandlerEntry> hookedCommands_;
    uint64_t nextHookIdentity_ = 1;
    std::vector<const void*> focusControls_;
    uint16_t lastKey_ = 0;  // the unmatched first stroke of a two-stroke binding
    TShiftState lastShiftState_;
    int32_t imeCount_ = 0;  // input-method characters still to drop
    int32_t mouseDownX_ = 0;  // where a press on the selection happened
    int32_t mouseDownY_ = 0;
    int32_t scrollDeltaX_ = 0;
    int32_t scrollDeltaY_ = 0;
    int32_t wheelAccumulator_ = 0;
    bool dragging_ = false;  // the selection is being dragged away
};

// The control as the IDE uses it.
class TSrcEdit : public TCustomSrcEdit {
public:
    using TCustomSrcEdit::TCustomSrcEdit;
};
