#include "editor/print/SrcEditPrint.h"

#include <algorithm>
#include <climits>

#include "editor/control/SrcEdit.h"
#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/print/SrcPrintCanvas.h"
#include "editor/print/SrcPrinter.h"
#include "editor/text/SrcTabConvert.h"

namespace {

TSrcPrinter* processPrinter = nullptr;

}  // namespace

void SetSrcPrinter(TSrcPrinter* Printer) { processPrinter = Printer; }

TSrcPrinter& SrcPrinter() {
    if (!processPrinter) {
        throw EPrinter("There is no printer to print on");
    }
    return *processPrinter;
}

TSrcEditPrint::TSrcEditPrint(TComponent* AOwner) : TComponent(AOwner) {}

TSrcEditPrint::~TSrcEditPrint() {
    Destroying();
    SetHighlighter(nullptr);
}

void TSrcEditPrint::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == highlighter_) {
        highlighter_ = nullptr;
        rangesComputed_ = false;
        pagesCounted_ = false;
    }
}

void TSrcEditPrint::SetPrinter(TSrcPrinter* Value) {
    printer_ = Value;
    pagesCounted_ = false;
}

TSrcPrinter& TSrcEditPrint::Printer() const { return printer_ ? *printer_ : SrcPrinter(); }

void TSrcEditPrint::SetLines(const TStrings& Value) {
    TConvertTabsProc convert = GetBestConvertTabsProc(TabWidth);
    lines_.clear();
    lines_.reserve(static_cast<size_t>(Value.Count()));
    for (int i = 0; i < Value.Count(); ++i) {
        std::string line = convert(Value[i], TabWidth);
        std::replace(line.begin(), line.end(), '\t', ' ');
        lines_.push_back(std::move(line));
    }
    rangesComputed_ = false;
    pagesCounted_ = false;
}

void TSrcEditPrint::SetFont(const TSrcPrintFont& Value) {
    font_ = Value;
    pagesCounted_ = false;
}

void TSrcEditPrint::SetHighlighter(TSrcCustomHighlighter* Value) {
    if (highlighter_ == Value) {
        return;
    }
    if (highlighter_) {
        highlighter_->RemoveFreeNotification(this);
    }
    highlighter_ = Value;
    if (highlighter_) {
        highlighter_->FreeNotification(this);
    }
    rangesComputed_ = false;
    pagesCounted_ = false;
}

void TSrcEditPrint::SetSrcEdit(const TCustomSrcEdit& Value) {
    SetHighlighter(Value.Highlighter());
    SetFont(Value.Font());
    TabWidth = Value.TabWidth();
    SetLines(Value.Lines());
    selAvail_ = Value.SelAvail();
    TBufferCoord first = MinPoint(Value.BlockBegin(), Value.BlockEnd());
    TBufferCoord last = MaxPoint(Value.BlockBegin(), Value.BlockEnd());
    // The block is in characters of the raw lines; the printed lines have
    // their tabs expanded, so it is cut in display columns.
    auto column = [&](const TBufferCoord& at) {
        int line = at.Line - 1;
        std::string raw = line >= 0 && line < Value.Lines().Count() ? Value.Lines()[line] : std::string();
        return CharIndex2CaretPos(at.Char, TabWidth, raw);
    };
    blockBegin_ = {column(first), first.Line};
    blockEnd_ = {column(last), last.Line};
    selMode_ = Value.SelectionMode();
    pagesCounted_ = false;
}

void TSrcEditPrint::SetHeader(const THeader& Value) { header_.Assign(&Value); }
void TSrcEditPrint::SetFooter(const TFooter& Value) { footer_.Assign(&Value); }

void TSrcEditPrint::SetMargins(const TSrcEditPrintMargins& Value) {
    margins_.Assign(&Value);
    pagesCounted_ = false;
}

void TSrcEditPrint::UpdatePages(TSrcPrintCanvas& ACanvas) {
    printerInfo_.SetPrinter(&Printer());
    printerInfo_.UpdatePrinter();
    InitPrint(ACanvas);
}

int TSrcEditPrint::GetPageCount() {
    if (!pagesCounted_) {
        printerInfo_.SetPrinter(&Printer());
        UpdatePages(Printer().MeasureCanvas(printerInfo_.YPixPrInch()));
    }
    return static_cast<int>(pages_.size());
}

void TSrcEditPrint::PrintToCanvas(TSrcPrintCanvas& ACanvas, int PageNumber) {
    abort_ = false;
    UpdatePages(ACanvas);
    if (PageNumber >= 1 && PageNumber <= static_cast<int>(pages_.size())) {
        PrintPage(PageNumber);
    }
}

bool TSrcEditPrint::Status(TSrcPrintStatus AStatus, int PageNumber) {
    bool abort = false;
    if (OnPrintStatus) {
        OnPrintStatus(this, AStatus, PageNumber, abort);
    }
    if (abort && !abort_) {
        abort_ = true;
        if (printing_) {
            Printer().Abort();
        }
    }
    return !abort_;
}

void TSrcEditPrint::PrintRange(int StartPage, int EndPage) {
    if (selectedOnly_ && !selAvail_) {
        return;
    }
    // Counted afresh: the margins may have been changed in place.
    pagesCounted_ = false;
    int count = GetPageCount();
    int first = std::max(StartPage, 1);
    int last = EndPage < 0 ? count : std::min(EndPage, count);
    if (first > last) {
        return;
    }
    TSrcPrinter& printer = Printer();
    printing_ = true;
    abort_ = false;
    printer.SetTitle(DocTitle.empty() ? Title : DocTitle);
    try {
        printer.BeginDoc();
        RunJob(first, EndPage < 0 ? INT_MAX : last);
    } catch (...) {
        printing_ = false;
        if (printer.Printing()) {
            printer.Abort();
        }
        throw;
    }
    printing_ = false;
}

void TSrcEditPrint::RunJob(int StartPage, int EndPage) {
    TSrcPrinter& printer = Printer();
    if (Status(psBegin, StartPage)) {
        UpdatePages(printer.Canvas());
        EndPage = std::min(EndPage, static_cast<int>(pages_.size()));
        int copies = std::max(Copies, 1);
        for (int copy = 1; copy <= copies && !abort_; ++copy) {
            for (int page = StartPage; page <= EndPage && !abort_; ++page) {
                PrintPage(page);
                if (!abort_ && !(copy == copies && page == EndPage)) {
                    printer.NewPage();
                }
            }
        }
    }
    if (!abort_) {
        Status(psEnd, std::min(EndPage, static_cast<int>(pages_.size())));
    }
    if (!abort_) {
        printer.EndDoc();
    }
}
