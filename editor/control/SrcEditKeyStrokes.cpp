#include "editor/control/SrcEditKeyCmds.h"

#include "editor/support/SrcStream.h"

TSrcEditKeyStroke* TSrcEditKeyStrokes::Add() {
    items_.push_back(std::make_unique<TSrcEditKeyStroke>(this));
    return items_.back().get();
}

void TSrcEditKeyStrokes::AddKey(TSrcEditorCommand ACmd, uint16_t AKey, TShiftState AShift) {
    TSrcEditKeyStroke* item = Add();
    try {
        item->SetKey(AKey);
        item->SetShift(AShift);
        item->SetCommand(ACmd);
    } catch (...) {
        items_.pop_back();
        throw;
    }
}

void TSrcEditKeyStrokes::Assign(const TPersistent* Source) {
    if (auto* other = dynamic_cast<const TSrcEditKeyStrokes*>(Source)) {
        if (other == this) {
            return;
        }
        Clear();
        for (const auto& item : other->items_) {
            Add()->Assign(item.get());
        }
        return;
    }
    TPersistent::Assign(Source);
}

void TSrcEditKeyStrokes::Delete(int Index) {
    Items(Index);  // range check
    items_.erase(items_.begin() + Index);
}

int TSrcEditKeyStrokes::IndexOf(const TSrcEditKeyStroke* Item) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].get() == Item) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

namespace {
template <typename P>
int FindFirst(const std::vector<std::unique_ptr<TSrcEditKeyStroke>>& Items, P Matches) {
    for (size_t i = 0; i < Items.size(); ++i) {
        if (Matches(*Items[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
}  // namespace

int TSrcEditKeyStrokes::FindCommand(TSrcEditorCommand Cmd) const {
    return FindFirst(items_, [&](const TSrcEditKeyStroke& k) { return k.Command() == Cmd; });
}

int TSrcEditKeyStrokes::FindKeycode(uint16_t Code, TShiftState SS) const {
    return FindFirst(items_,
                     [&](const TSrcEditKeyStroke& k) { return k.Key() == Code && k.Shift() == SS && k.Key2() == 0; });
}

int TSrcEditKeyStrokes::FindKeycode2(uint16_t Code1, TShiftState SS1, uint16_t Code2, TShiftState SS2) const {
    return FindFirst(items_, [&](const TSrcEditKeyStroke& k) {
        return k.Key() == Code1 && k.Shift() == SS1 && k.Key2() == Code2 && k.Shift2() == SS2;
    });
}

int TSrcEditKeyStrokes::FindShortcut(TShortCut SC) const {
    return FindFirst(items_, [&](const TSrcEditKeyStroke& k) { return k.GetShortCut() == SC; });
}

int TSrcEditKeyStrokes::FindShortcut2(TShortCut SC, TShortCut SC2) const {
    return FindFirst(items_,
                     [&](const TSrcEditKeyStroke& k) { return k.GetShortCut() == SC && k.GetShortCut2() == SC2; });
}

void TSrcEditKeyStrokes::LoadFromStream(TStream& AStream) {
    int32_t count = 0;
    unsigned char bytes[4];
    AStream.ReadBuffer(bytes, sizeof bytes);
    count = static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
                                 (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24));
    // Read apart first: a short stream leaves the bindings as they were.
    TSrcEditKeyStrokes loaded(owner_);
    for (int32_t i = 0; i < count; ++i) {
        loaded.Add()->LoadFromStream(AStream);
    }
    items_.swap(loaded.items_);
    for (auto& item : items_) {
        item->collection_ = this;
    }
}

void TSrcEditKeyStrokes::SaveToStream(TStream& AStream) const {
    auto count = static_cast<uint32_t>(items_.size());
    unsigned char bytes[4] = {static_cast<unsigned char>(count), static_cast<unsigned char>(count >> 8),
                              static_cast<unsigned char>(count >> 16), static_cast<unsigned char>(count >> 24)};
    AStream.WriteBuffer(bytes, sizeof bytes);
    for (const auto& item : items_) {
        item->SaveToStream(AStream);
    }
}
