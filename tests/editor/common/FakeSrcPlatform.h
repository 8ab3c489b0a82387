#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/control/SrcEdit.h"
#include "editor/support/SrcExceptions.h"
#include "editor/control/SrcFontServices.h"
#include "editor/control/SrcWindowServices.h"

// A text drawer with a cell of 8 x 16 pixels, one pixel wider for a bold
// base style. It records what it draws as "X Y text style fg bg rect"
// lines (style: the bits of the font style; "o" marks an opaque output).
class FakeTextDrawer : public TSrcTextDrawerBase {
public:
    int GetCharWidth() const override { return (baseStyle_.Contains(fsBold) ? 9 : 8) + extra_; }
    int GetCharHeight() const override { return 16; }
    void SetBaseFont(const TFont* Value) override {
        baseFont = Value ? Value->Name() : std::string();
    }
    void SetBaseStyle(TFontStyles Value) override { baseStyle_ = Value; }
    void SetStyle(TFontStyles Value) override { style_ = Value; }
    void SetForeColor(TColor Value) override { fore_ = Value; }
    void SetBackColor(TColor Value) override { back_ = Value; }
    void SetCharExtra(int Value) override { extra_ = Value; }
    void BeginDrawing(TSrcCanvas&) override { ++depth; }
    void EndDrawing() override { --depth; }
    void TextOut(int X, int Y, const char* Text, int Length) override {
        ExtTextOut(X, Y, 0, Rect(0, 0, 0, 0), Text, Length);
    }
    void ExtTextOut(int X, int Y, uint32_t Options, const TRect& R, const char* Text, int Length) override {
        Calls.push_back(std::to_string(X) + " " + std::to_string(Y) + " " + std::string(Text, Length) + " " +
                        std::to_string(style_.ToBits()) + " " + std::to_string(fore_) + " " +
                        std::to_string(back_) + ((Options & ETO_OPAQUE) ? " o " : " - ") +
                        std::to_string(R.Left) + "-" + std::to_string(R.Right));
    }
    void ReleaseTemporaryResources() override {}

    std::vector<std::string> Calls;
    std::string baseFont;
    int depth = 0;

private:
    TFontStyles baseStyle_;
    TFontStyles style_;
    TColor fore_ = clNone;
    TColor back_ = clNone;
    int extra_ = 0;
};

// Fonts whose name holds "Courier" or "Mono" are fixed pitch.
class FakeFontServices : public TSrcFontServices {
public:
    TSrcTextMetric GetTextMetrics(const TFont& Font) override {
        bool fixed = Font.Name().find("Courier") != std::string::npos ||
                     Font.Name().find("Mono") != std::string::npos;
        return {16, 8, fixed ? 8 : 14};
    }
    std::unique_ptr<TSrcTextDrawerBase> CreateTextDrawer(TFontStyles, const TFont&) override {
        return std::make_unique<FakeTextDrawer>();
    }
};

// A window of a given client size that records what the control asks.
class FakeSrcWindow : public TSrcWindowServices {
public:
    FakeSrcWindow(int Width, int Height) : client(Rect(0, 0, Width, Height)) {}

    TRect ClientRect() const override { return client; }
    bool Focused() const override { return focused; }
    bool Visible() const override { return true; }
    void InvalidateRect(const TRect* R, bool) override {
        invalidated.push_back(R ? *R : client);
    }
    void ScrollWindow(int DX, int DY, const TRect&) override { scrolls.push_back(Point(DX, DY)); }
    void SetBorderStyle(TBorderStyle Value) override { borderStyle = Value; }
    void Update() override { ++updates; }
    TSrcCanvas* BeginTransientPaint(bool Clear) override {
        transientLog.push_back(Clear ? "begin clear" : "begin");
        return transientCanvas;
    }
    void EndTransientPaint() override { transientLog.push_back("end"); }
    int ScrollArrowHeight() const override { return 16; }
    TPoint ScrollHintSize(const std::string& Text, int) override {
        return Point(static_cast<int>(Text.size()) * 6 + 8, 18);
    }
    void ShowScrollHint(const std::string& Text, const TPoint& Pos, TColor Color) override {
        hintText = Text;
        hintPos = Pos;
        hintColor = Color;
        hintShown = true;
    }
    void HideScrollHint() override { hintShown = false; }
    void SetScrollInfo(TSrcScrollBarKind Bar, const TSrcScrollInfo& Info) override { scrollInfo[Bar] = Info; }
    void ShowScrollBar(TSrcScrollBarKind Bar, bool Show) override { shown[Bar] = Show; }
    void EnableScrollBarArrows(TSrcScrollBarKind Bar, TSrcScrollArrows Arrows) override { arrows[Bar] = Arrows; }
    void CreateCaret(int Width, int Height) override {
        caretSize = Point(Width, Height);
        caretExists = true;
    }
    void DestroyCaret() override { caretExists = false; }
    void SetCaretPos(int X, int Y) override { caretPos = Point(X, Y); }
    bool ShowCaret() override {
        caretShown = caretExists;
        return caretExists;
    }
    bool HideCaret() override {
        caretShown = false;
        return caretExists;
    }
    bool KeyDown(TSrcStateKey Key) const override { return keysDown.Contains(Key); }
    void StartTimer(int Id, int Interval) override { timers[Id] = Interval; }
    void StopTimer(int Id) override { timers.erase(Id); }
    void SetMouseCapture(bool Value) override { captured = Value; }
    bool MouseCapture() const override { return captured; }
    void SetCursor(TCursor Value) override { cursor = Value; }
    TPoint CursorPos() const override { return pointer; }
    TPoint DragDistance() const override { return Point(10, 10); }
    int WheelScrollLines() const override { return wheelLines; }
    void BeginDrag() override { ++dragsBegun; }
    void TakeFocus(const void* Control) override { focusedControl = Control; }

    TRect client;
    bool focused = true;
    std::vector<TRect> invalidated;
    std::vector<TPoint> scrolls;
    TSrcScrollInfo scrollInfo[2];
    bool shown[2] = {false, false};
    TSrcScrollArrows arrows[2] = {saEnableBoth, saEnableBoth};
    TPoint caretSize;
    TPoint caretPos;
    bool caretExists = false;
    bool caretShown = false;
    TBorderStyle borderStyle = bsSingle;
    int updates = 0;
    TSrcCanvas* transientCanvas = nullptr;
    std::vector<std::string> transientLog;
    std::string hintText;
    TPoint hintPos;
    TColor hintColor = clNone;
    bool hintShown = false;
    TSmallSet<TSrcStateKey, uint8_t> keysDown;
    std::map<int, int> timers;  // running: id to interval
    bool captured = false;
    TCursor cursor = crDefault;
    TPoint pointer;
    int wheelLines = 3;
    int dragsBegun = 0;
    const void* focusedControl = &focusedControl;  // none yet
};

// An editor over a fake window of 80 columns by 20 rows (gutter 30,
// cells of 8 x 16 pixels).
class SrcEditTestBase {
public:
    // The pixel of a text column's left edge and of a row's middle.
    static int Px(int Column) { return 32 + (Column - 1) * 8; }
    static int Py(int Row) { return (Row - 1) * 16 + 8; }

    SrcEditTestBase() : window(30 + 2 + 80 * 8, 20 * 16) {
        SetSrcFontServices(&fonts);
        edit = std::make_unique<TSrcEdit>();
        edit->SetWindowServices(&window);
    }
    ~SrcEditTestBase() {
        edit.reset();
        SetSrcFontServices(nullptr);
    }

    // Lines "line 1" ... "line N".
    void FillNumbered(int Count) {
        TSrcEditStringList& lines = edit->Lines();
        lines.BeginUpdate();
        for (int i = 1; i <= Count; ++i) {
            lines.Add("line " + std::to_string(i));
        }
        lines.EndUpdate();
    }
    void SetLines(const std::vector<std::string>& Texts) {
        edit->Lines().Clear();
        for (const std::string& text : Texts) {
            edit->Lines().Add(text);
        }
    }
    std::vector<std::string> AllLines() const {
        std::vector<std::string> result;
        for (int i = 0; i < edit->Lines().Count(); ++i) {
            result.push_back(edit->Lines()[i]);
        }
        return result;
    }
    // Selects From..To in Mode, the caret at To.
    void Select(TSrcSelectionMode Mode, TBufferCoord From, TBufferCoord To) {
        edit->SetSelectionMode(Mode);
        edit->SetCaretAndSelection(To, From, To);
    }
    void WithOption(TSrcEditorOption Option, bool On) {
        TSrcEditorOptions options = edit->Options();
        On ? options.Include(Option) : options.Exclude(Option);
        edit->SetOptions(options);
    }

    FakeFontServices fonts;
    FakeSrcWindow window;
    std::unique_ptr<TSrcEdit> edit;
};
