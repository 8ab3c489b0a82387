#include "editor/print/SrcHeaderFooter.h"

#include <algorithm>
#include <map>

#include "editor/print/SrcEditPrintMargins.h"
#include "editor/print/SrcPrintCanvas.h"
#include "editor/print/SrcPrintClock.h"

namespace {

TSrcPrintFont DefaultHeaderFont() {
    TSrcPrintFont font;
    font.SetName("Arial");
    font.SetSize(10);
    font.SetColor(clBlack);
    return font;
}

}  // namespace

THeaderFooter::THeaderFooter(THeaderFooterType Type) : type_(Type), defaultFont_(DefaultHeaderFont()) {}

THeaderFooter::~THeaderFooter() = default;

void THeaderFooter::Assign(const TPersistent* Source) {
    if (auto* source = dynamic_cast<const THeaderFooter*>(Source)) {
        if (source != this) {
            CopyFrom(*source);
        }
    } else {
        TPersistent::Assign(Source);
    }
}

void THeaderFooter::CopyFrom(const THeaderFooter& Source) {
    FrameTypes = Source.FrameTypes;
    ShadedColor = Source.ShadedColor;
    LineColor = Source.LineColor;
    RomanNumbers = Source.RomanNumbers;
    MirrorPosition = Source.MirrorPosition;
    defaultFont_ = Source.defaultFont_;
    items_.clear();
    for (const auto& item : Source.items_) {
        items_.push_back(std::make_unique<THeaderFooterItem>(*item));
    }
    frameHeight_ = -1;
}

int THeaderFooter::Add(const std::string& Text, const TSrcPrintFont* Font, TAlignment Alignment, int LineNumber) {
    auto item = std::make_unique<THeaderFooterItem>();
    item->Text = Text;
    item->Font = Font ? *Font : defaultFont_;
    item->Alignment = Alignment;
    item->LineNumber = LineNumber;
    item->Index = Count();
    items_.push_back(std::move(item));
    frameHeight_ = -1;
    return Count() - 1;
}

void THeaderFooter::Delete(int Index) {
    if (Index >= 0 && Index < Count()) {
        items_.erase(items_.begin() + Index);
        Reindex();
        frameHeight_ = -1;
    }
}

void THeaderFooter::Clear() {
    items_.clear();
    frameHeight_ = -1;
}

THeaderFooterItem& THeaderFooter::Get(int Index) {
    if (Index < 0 || Index >= Count()) {
        throw EListError(FormatText("List index out of bounds (%d)", Index));
    }
    return *items_[static_cast<size_t>(Index)];
}

void THeaderFooter::Reindex() {
    for (size_t i = 0; i < items_.size(); ++i) {
        items_[i]->Index = static_cast<int>(i);
    }
}

void THeaderFooter::SetPixPrInch(int Value) {
    for (auto& item : items_) {
        item->Font.ScaleTo(Value);
    }
}

void THeaderFooter::RenumberLines() {
    std::stable_sort(items_.begin(), items_.end(),
                     [](const auto& a, const auto& b) { return a->LineNumber < b->LineNumber; });
    Reindex();
    std::map<int, int> renumbered;
    for (auto& item : items_) {
        auto [entry, added] = renumbered.emplace(item->LineNumber, static_cast<int>(renumbered.size()) + 1);
        item->LineNumber = entry->second;
    }
    lineInfo_.assign(renumbered.size(), TLineInfo{});
}

void THeaderFooter::InitPrint(TSrcPrintCanvas& Canvas, int NumPages, const std::string& Title,
                              TSrcEditPrintMargins& Margins) {
    TSrcPrintCanvasState keep(Canvas);
    TSrcPrintDateTime now = SrcPrintClock().Now();
    date_ = now.Date;
    time_ = now.Time;
    numPages_ = NumPages;
    margins_ = &Margins;
    title_ = Title;
    RenumberLines();
    CalcHeight(Canvas);
}

void THeaderFooter::CalcHeight(TSrcPrintCanvas& Canvas) {
    frameHeight_ = -1;
    if (items_.empty()) {
        return;
    }
    frameHeight_ = 0;
    for (auto& item : items_) {
        Canvas.SetFont(item->Font);
        TSrcPrintTextMetric metric = Canvas.GetTextMetrics();
        TLineInfo& line = lineInfo_[static_cast<size_t>(item->LineNumber - 1)];
        line.LineHeight = std::max(line.LineHeight, metric.Height);
        line.MaxAscent = std::max(line.MaxAscent, metric.Height - metric.Descent);
    }
    int above = 0;
    for (auto& item : items_) {
        size_t index = static_cast<size_t>(item->LineNumber - 1);
        above = 0;
        for (size_t i = 0; i < index; ++i) {
            above += lineInfo_[i].LineHeight;
        }
        Canvas.SetFont(item->Font);
        frameHeight_ = std::max(frameHeight_, above + Canvas.GetTextMetrics().Height);
    }
    frameHeight_ += 2 * margins_->PHFInternalMargin;
}

void THeaderFooter::DrawFrame(TSrcPrintCanvas& Canvas) {
    if (FrameTypes.Empty()) {
        return;
    }
    const TSrcEditPrintMargins& m = *margins_;
    Canvas.Pen = {LineColor, FrameTypes.Contains(ftBox) ? psSolid : psClear};
    Canvas.Brush = {ShadedColor, FrameTypes.Contains(ftShaded) ? bsSolid : bsClear};
    if (FrameTypes.Contains(ftBox) || FrameTypes.Contains(ftShaded)) {
        if (type_ == hftFooter) {
            Canvas.Rectangle(m.PLeft, m.PFooter, m.PRight, m.PFooter + frameHeight_);
        } else {
            Canvas.Rectangle(m.PLeft, m.PHeader - frameHeight_, m.PRight, m.PHeader);
        }
    }
    if (FrameTypes.Contains(ftLine)) {
        Canvas.Pen = {LineColor, psSolid};
        int y = type_ == hftFooter ? m.PFooter : m.PHeader;
        Canvas.Line(m.PLeft, y, m.PRight, y);
    }
}

void THeaderFooter::Print(TSrcPrintCanvas& Canvas, int PageNum) {
    if (frameHeight_ <= 0 || !margins_) {
        return;
    }
    TSrcPrintCanvasState keep(Canvas);
    const TSrcEditPrintMargins& m = *margins_;
    DrawFrame(Canvas);
    Canvas.Brush.Style = bsClear;
    int y = (type_ == hftFooter ? m.PFooter : m.PHeader - frameHeight_) + m.PHFInternalMargin;
    int currentLine = 1;
    for (auto& item : items_) {
        if (item->LineNumber < 1 || item->LineNumber > static_cast<int>(lineInfo_.size())) {
            continue;  // changed since InitPrint
        }
        Canvas.SetFont(item->Font);
        if (item->LineNumber != currentLine) {
            y += lineInfo_[static_cast<size_t>(currentLine - 1)].LineHeight;
            currentLine = item->LineNumber;
        }
        std::string text = item->GetText(numPages_, PageNum, RomanNumbers, title_, time_, date_);
        TAlignment alignment = item->Alignment;
        if (MirrorPosition && PageNum % 2 == 0 && alignment != taCenter) {
            alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
        }
        int x = m.PLeftHFTextIndent;
        if (alignment == taRightJustify) {
            x = m.PRightHFTextIndent - Canvas.TextWidth(text);
        } else if (alignment == taCenter) {
            x = (m.PLeftHFTextIndent + m.PRightHFTextIndent - Canvas.TextWidth(text)) / 2;
        }
        Canvas.TextOutBaseline(x, y + lineInfo_[static_cast<size_t>(currentLine - 1)].MaxAscent, text);
    }
}
