#pragma once
#include <memory>
#include <string>
#include <vector>

#include "editor/control/SrcEdit.h"
#include "editor/support/SrcExceptions.h"
#include "editor/control/SrcFontServices.h"
#include "editor/control/SrcWindowServices.h"

// A text drawer with a cell of 8 x 16 pixels, one pixel wider for a bold
// base style.
class FakeTextDrawer : public TSrcTextDrawerBase {
public:
    int GetCharWidth() const override { return (baseStyle_.Contains(fsBold) ? 9 : 8) + extra_; }
    int GetCharHeight() const override { return 16; }
    void SetBaseFont(const TFont*) override {}
    void SetBaseStyle(TFontStyles Value) override { baseStyle_ = Value; }
    void SetStyle(TFontStyles) override {}
    void SetForeColor(TColor) override {}
    void SetBackColor(TColor) override {}
    void SetCharExtra(int Value) override { extra_ = Value; }
    void BeginDrawing(TSrcCanvas&) override {}
    void EndDrawing() override {}
    void TextOut(int, int, const char*, int) override {}
    void ExtTextOut(int, int, uint32_t, const TRect&, const char*, int) override {}
    void ReleaseTemporaryResources() override {}

private:
    TFontStyles baseStyle_;
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
    void SetScrollInfo(TSrcScrollBarKind Bar, const TSrcScrollInfo& Info) override { scrollInfo[Bar] = Info; }
    void ShowScrollBar(TSrcScrollBarKind Bar, bool Show) override { shown[Bar] = Show; }
    void EnableScrollBarArrows(TSrcScrollBarKind Bar, TSrcScrollArrows Arrows) override { arrows[Bar] = Arrows; }
    void CreateCaret(int Width, int Height) override { caretSize = Point(Width, Height); }
    void DestroyCaret() override {}
    void SetCaretPos(int X, int Y) override { caretPos = Point(X, Y); }
    bool ShowCaret() override { return true; }
    bool HideCaret() override { return true; }
    bool KeyDown(TSrcStateKey) const override { return false; }
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}

    TRect client;
    bool focused = true;
    std::vector<TRect> invalidated;
    std::vector<TPoint> scrolls;
    TSrcScrollInfo scrollInfo[2];
    bool shown[2] = {false, false};
    TSrcScrollArrows arrows[2] = {saEnableBoth, saEnableBoth};
    TPoint caretSize;
    TPoint caretPos;
};

// An editor over a fake window of 80 columns by 20 rows (gutter 30,
// cells of 8 x 16 pixels).
class SrcEditTestBase {
public:
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
    void SetLines(std::initializer_list<const char*> Texts) {
        edit->Lines().Clear();
        for (const char* text : Texts) {
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
    void WithOption(TSrcEditorOption Option, bool On) {
        TSrcEditorOptions options = edit->Options();
        On ? options.Include(Option) : options.Exclude(Option);
        edit->SetOptions(options);
    }

    FakeFontServices fonts;
    FakeSrcWindow window;
    std::unique_ptr<TSrcEdit> edit;
};
