#pragma once
#include <memory>
#include <string>
#include <vector>

#include "editor/print/SrcEditPrintTypes.h"
#include "editor/print/SrcPrintFont.h"
#include "editor/support/SrcColor.h"
#include "editor/support/SrcObject.h"

class TSrcEditPrintMargins;
class TSrcPrintCanvas;
class TStream;

// One text of a header or footer: macros in the text, its own font, its
// line (1-based) and alignment.
class THeaderFooterItem {
public:
    std::string Text;
    TSrcPrintFont Font;
    int LineNumber = 1;
    int Index = 0;
    TAlignment Alignment = taLeftJustify;

    // The text with the macros replaced.
    std::string GetText(int NumPages, int PageNum, bool Roman, const std::string& Title, const std::string& ATime,
                        const std::string& ADate) const;
    // The eleven fields joined with "/"; setting raises EConvertError on
    // a malformed text.
    std::string GetAsString() const;
    void SetAsString(const std::string& Value);
};

// Lines of text items drawn in a frame above (header) or below (footer)
// the text of each page.
class THeaderFooter : public TPersistent {
public:
    ~THeaderFooter() override;

    void Assign(const TPersistent* Source) override;

    // The item's index; a nil font means the default font.
    int Add(const std::string& Text, const TSrcPrintFont* Font, TAlignment Alignment, int LineNumber);
    void Delete(int Index);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    THeaderFooterItem& Get(int Index);
    void SetDefaultFont(const TSrcPrintFont& Value) { defaultFont_ = Value; }
    const TSrcPrintFont& DefaultFont() const { return defaultFont_; }

    void InitPrint(TSrcPrintCanvas& Canvas, int NumPages, const std::string& Title, TSrcEditPrintMargins& Margins);
    void Print(TSrcPrintCanvas& Canvas, int PageNum);

    // Every item's string form, each escaped, joined with "/".
    std::string AsString();
    void SetAsString(const std::string& Value);
    // Reading raises EReadError on damaged data and then changes nothing.
    void LoadFromStream(TStream& AStream);
    void SaveToStream(TStream& AStream) const;
    // Every item font takes Value pixels per inch, keeping its point size.
    void SetPixPrInch(int Value);

    THeaderFooterType Type() const { return type_; }
    TFrameTypes FrameTypes = {ftLine};
    TColor ShadedColor = clSilver;
    TColor LineColor = clBlack;
    bool RomanNumbers = false;
    bool MirrorPosition = false;
    // Set by InitPrint: -1 while there is nothing to print.
    int FrameHeight() const { return frameHeight_; }

protected:
    explicit THeaderFooter(THeaderFooterType Type);

private:
    struct TLineInfo {
        int LineHeight = 0;
        int MaxAscent = 0;
    };

    void RenumberLines();
    void Reindex();
    void CalcHeight(TSrcPrintCanvas& Canvas);
    void DrawFrame(TSrcPrintCanvas& Canvas);
    void CopyFrom(const THeaderFooter& Source);

    THeaderFooterType type_;
    std::vector<std::unique_ptr<THeaderFooterItem>> items_;
    TSrcPrintFont defaultFont_;
    std::string date_;
    std::string time_;
    int numPages_ = 0;
    std::string title_;
    TSrcEditPrintMargins* margins_ = nullptr;
    int frameHeight_ = -1;
    std::vector<TLineInfo> lineInfo_;
};

class THeader : public THeaderFooter {
public:
    THeader() : THeaderFooter(hftHeader) {}
};

class TFooter : public THeaderFooter {
public:
    TFooter() : THeaderFooter(hftFooter) {}
};
