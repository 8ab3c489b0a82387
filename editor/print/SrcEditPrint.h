#pragma once
#include <memory>
#include <string>
#include <vector>

#include "editor/print/SrcEditPrintMargins.h"
#include "editor/print/SrcEditPrintTypes.h"
#include "editor/print/SrcEditPrinterInfo.h"
#include "editor/print/SrcHeaderFooter.h"
#include "editor/print/SrcPrintFont.h"
#include "editor/support/SrcComponent.h"
#include "editor/support/SrcCoord.h"
#include "editor/support/Strings.h"
#include "editor/text/SrcEditRange.h"

class TCustomSrcEdit;
class TSrcCustomHighlighter;
class TSrcPrintCanvas;
class TSrcPrinter;
class TStream;

// Prints the text of an editor page by page inside margins, with header,
// footer, line numbers, word wrap on a fixed character grid and the
// highlighter's styles and colours.
class TSrcEditPrint : public TComponent {
public:
    explicit TSrcEditPrint(TComponent* AOwner = nullptr);
    ~TSrcEditPrint() override;

    // The printer (not owned); nil means the process's printer.
    void SetPrinter(TSrcPrinter* Value);
    TSrcPrinter& Printer() const;

    void SetSrcEdit(const TCustomSrcEdit& Value);
    void Print() { PrintRange(1, -1); }
    // Pages StartPage to EndPage (below 0: the last), held to the pages
    // there are; nothing when the range is empty.
    void PrintRange(int StartPage, int EndPage);
    // Draws page PageNumber on Canvas outside a print job.
    void PrintToCanvas(TSrcPrintCanvas& ACanvas, int PageNumber);
    void UpdatePages(TSrcPrintCanvas& ACanvas);
    int GetPageCount();
    void SetHeader(const THeader& Value);
    void SetFooter(const TFooter& Value);
    void SetMargins(const TSrcEditPrintMargins& Value);
    // Reading raises EReadError on damaged data and then changes nothing.
    void SaveToStream(TStream& AStream) const;
    void LoadFromStream(TStream& AStream);

    int Copies = 1;
    THeader& Header() { return header_; }
    TFooter& Footer() { return footer_; }
    TSrcEditPrintMargins& Margins() { return margins_; }
    // The text with tabs expanded to blanks.
    const std::vector<std::string>& Lines() const { return lines_; }
    void SetLines(const TStrings& Value);
    const TSrcPrintFont& Font() const { return font_; }
    void SetFont(const TSrcPrintFont& Value);
    void SetFont(const TFont& Value) { SetFont(TSrcPrintFont(Value)); }
    std::string Title;
    std::string DocTitle;
    bool Wrap() const { return wrap_; }
    void SetWrap(bool Value) { SetLayout(wrap_, Value); }
    bool Highlight = true;
    bool SelectedOnly() const { return selectedOnly_; }
    void SetSelectedOnly(bool Value) { SetLayout(selectedOnly_, Value); }
    bool Colors = false;
    bool LineNumbers() const { return lineNumbers_; }
    void SetLineNumbers(bool Value) { SetLayout(lineNumbers_, Value); }
    int LineOffset() const { return lineOffset_; }
    void SetLineOffset(int Value) { SetLayout(lineOffset_, Value); }
    int PageOffset = 0;
    TPrintLineEvent OnPrintLine;
    TPrintStatusEvent OnPrintStatus;
    TSrcCustomHighlighter* Highlighter() const { return highlighter_; }
    void SetHighlighter(TSrcCustomHighlighter* Value);
    bool LineNumbersInMargin() const { return lineNumbersInMargin_; }
    void SetLineNumbersInMargin(bool Value) { SetLayout(lineNumbersInMargin_, Value); }
    int TabWidth = 8;
    TColor Color = clWhite;

    // The layout, after UpdatePages or GetPageCount.
    int CharWidth() const { return charWidth_; }
    int LineHeight() const { return lineHeight_; }
    int MaxCol() const { return maxCol_; }
    int PrintableWidth() const { return maxWidth_; }

private:
    // Where a page starts: a source line and a row of it.
    struct TPageLine {
        int Line = 0;
        int Row = 0;
    };
    // The part of a line that is printed: the expanded text and the
    // columns [Start, End) of it.
    struct TPrintedLine {
        const std::string* Text = nullptr;
        int Start = 0;
        int End = 0;
    };

    template <typename T>
    void SetLayout(T& field, T value) {
        field = value;
        pagesCounted_ = false;
    }
    void InitPrint(TSrcPrintCanvas& ACanvas);
    void InitRanges();
    void MeasureFont(TSrcPrintCanvas& ACanvas);
    int MaxLineNumber() const;
    void CalcPages();
    bool NeedsWrap(const TPrintedLine& Line) const;
    // The first column of each row of Line (relative to its start).
    std::vector<int> RowStarts(const TPrintedLine& Line) const;
    TPrintedLine PrintedLine(int Index) const;
    int FirstPrintedLine() const;
    int LastPrintedLine() const;
    void PrintPage(int Num);
    void PrintLinesOfPage(int Num);
    void WriteLineNumber(int Index, int Y);
    void WriteRows(int Index, const TPrintedLine& Line, int FirstRow, int EndRow, int Y);
    void WritePlainRows(const TPrintedLine& Line, const std::vector<int>& Starts, int FirstRow, int EndRow, int Y);
    void WriteTokenRows(int Index, const TPrintedLine& Line, const std::vector<int>& Starts, int FirstRow, int EndRow,
                        int Y);
    void WritePiece(int X, int Y, const char* Text, int Length);
    void SetTokenLook(class TSrcHighlighterAttributes* Attribute);
    bool Status(TSrcPrintStatus AStatus, int PageNumber);
    void RunJob(int StartPage, int EndPage);
    int RightEdge() const;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TSrcPrinter* printer_ = nullptr;
    THeader header_;
    TFooter footer_;
    TSrcEditPrintMargins margins_;
    std::vector<std::string> lines_;
    TSrcPrintFont font_;
    bool wrap_ = true;
    bool selectedOnly_ = false;
    bool lineNumbers_ = false;
    int lineOffset_ = 0;
    TSrcCustomHighlighter* highlighter_ = nullptr;
    bool lineNumbersInMargin_ = false;

    TSrcEditPrinterInfo printerInfo_;
    std::vector<TPageLine> pages_;
    std::vector<TSrcEditRange> ranges_;
    TSrcPrintCanvas* canvas_ = nullptr;
    int charWidth_ = 0;
    int lineHeight_ = 0;
    int maxWidth_ = 0;
    int maxCol_ = 1;
    TColor defaultColor_ = clBlack;
    bool useHighlight_ = false;
    bool selAvail_ = false;
    TDisplayCoord blockBegin_;
    TDisplayCoord blockEnd_;
    TSrcSelectionMode selMode_ = smNormal;
    bool rangesComputed_ = false;
    bool pagesCounted_ = false;
    bool printing_ = false;
    bool abort_ = false;
};

// The process's printer (not owned); the platform layer installs it.
void SetSrcPrinter(TSrcPrinter* Printer);
// Raises EPrinter when none is installed.
TSrcPrinter& SrcPrinter();
