#include "editor/print/SrcHeaderFooter.h"
#include "editor/print/SrcHeaderFooterText.h"
#include "editor/print/SrcPrintStreamIO.h"

std::string THeaderFooter::AsString() {
    RenumberLines();
    std::vector<std::string> fields;
    for (const auto& item : items_) {
        fields.push_back(EncodeString(item->GetAsString()));
    }
    return JoinFields(fields);
}

void THeaderFooter::SetAsString(const std::string& Value) {
    std::vector<std::unique_ptr<THeaderFooterItem>> read;
    for (const std::string& field : SplitFields(Value)) {
        auto item = std::make_unique<THeaderFooterItem>();
        item->SetAsString(DecodeString(field));
        item->Index = static_cast<int>(read.size());
        read.push_back(std::move(item));
    }
    items_ = std::move(read);
    frameHeight_ = -1;
}

void THeaderFooter::SaveToStream(TStream& AStream) const {
    TSrcPrintWriter out(AStream);
    out.Byte(FrameTypes.ToBits());
    out.Int32(ShadedColor);
    out.Int32(LineColor);
    out.Bool(RomanNumbers);
    out.Bool(MirrorPosition);
    out.Font(defaultFont_);
    out.Int32(Count());
    for (const auto& item : items_) {
        out.String(item->Text);
        out.Int32(item->LineNumber);
        out.Font(item->Font);
        out.Byte(item->Alignment);
    }
}

void THeaderFooter::LoadFromStream(TStream& AStream) {
    constexpr int kItemRecordSize = 4 + 4 + 19 + 1;
    TSrcPrintReader in(AStream);
    THeaderFooter read(type_);
    read.FrameTypes = TFrameTypes::FromBits(in.Byte() & 0x07);
    read.ShadedColor = in.Int32();
    read.LineColor = in.Int32();
    read.RomanNumbers = in.Bool();
    read.MirrorPosition = in.Bool();
    // Fonts are read at the resolution of this default font.
    read.defaultFont_ = defaultFont_;
    in.Font(read.defaultFont_);
    int count = in.Count(kItemRecordSize);
    for (int i = 0; i < count; ++i) {
        auto item = std::make_unique<THeaderFooterItem>();
        item->Text = in.String();
        item->LineNumber = in.Int32();
        item->Font = read.defaultFont_;
        in.Font(item->Font);
        item->Alignment = static_cast<TAlignment>(in.Enum(taCenter + 1));
        item->Index = i;
        read.items_.push_back(std::move(item));
    }
    CopyFrom(read);
}
