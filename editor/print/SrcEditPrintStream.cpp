#include "editor/print/SrcEditPrint.h"
#include "editor/print/SrcPrintStreamIO.h"

void TSrcEditPrint::SaveToStream(TStream& AStream) const {
    header_.SaveToStream(AStream);
    footer_.SaveToStream(AStream);
    margins_.SaveToStream(AStream);
    TSrcPrintWriter out(AStream);
    out.String(Title);
    out.String(DocTitle);
    out.Bool(wrap_);
    out.Bool(Highlight);
    out.Bool(Colors);
    out.Bool(lineNumbers_);
    out.Int32(lineOffset_);
    out.Int32(PageOffset);
}

void TSrcEditPrint::LoadFromStream(TStream& AStream) {
    THeader header;
    header.Assign(&header_);
    header.LoadFromStream(AStream);
    TFooter footer;
    footer.Assign(&footer_);
    footer.LoadFromStream(AStream);
    TSrcEditPrintMargins margins;
    margins.LoadFromStream(AStream);
    TSrcPrintReader in(AStream);
    std::string title = in.String();
    std::string docTitle = in.String();
    bool wrap = in.Bool();
    bool highlight = in.Bool();
    bool colors = in.Bool();
    bool lineNumbers = in.Bool();
    int lineOffset = in.Int32();
    int pageOffset = in.Int32();

    header_.Assign(&header);
    footer_.Assign(&footer);
    margins_.Assign(&margins);
    Title = title;
    DocTitle = docTitle;
    wrap_ = wrap;
    Highlight = highlight;
    Colors = colors;
    lineNumbers_ = lineNumbers;
    lineOffset_ = lineOffset;
    PageOffset = pageOffset;
    pagesCounted_ = false;
}
