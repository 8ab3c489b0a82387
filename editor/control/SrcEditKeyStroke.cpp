#include "editor/control/SrcEditKeyCmds.h"

#include "editor/support/SrcStream.h"

void TSrcEditKeyStroke::Assign(const TPersistent* Source) {
    if (auto* other = dynamic_cast<const TSrcEditKeyStroke*>(Source)) {
        command_ = other->command_;
        key_ = other->key_;
        key2_ = other->key2_;
        shift_ = other->shift_;
        shift2_ = other->shift2_;
        return;
    }
    TPersistent::Assign(Source);
}

std::string TSrcEditKeyStroke::GetDisplayName() const {
    std::string result = EditorCommandToCodeString(command_) + " - " + ShortCutToText(GetShortCut());
    if (GetShortCut() != 0) {
        result += " " + ShortCutToText(GetShortCut2());
    }
    return result;
}

int TSrcEditKeyStroke::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

void TSrcEditKeyStroke::SetShortCut(TShortCut Value) {
    if (Value != 0 && collection_) {
        int found = collection_->FindShortcut2(Value, GetShortCut2());
        if (found >= 0 && collection_->Items(found) != this) {
            throw ESrcKeyError("Shortcut already exists");
        }
    }
    ShortCutToKey(Value, key_, shift_);
}

void TSrcEditKeyStroke::SetShortCut2(TShortCut Value) {
    if (Value != 0 && collection_) {
        int found = collection_->FindShortcut2(GetShortCut(), Value);
        if (found >= 0 && collection_->Items(found) != this) {
            throw ESrcKeyError("Shortcut already exists");
        }
    }
    ShortCutToKey(Value, key2_, shift2_);
}

namespace {
void Put16(unsigned char* At, uint16_t Value) {
    At[0] = static_cast<unsigned char>(Value & 0xFF);
    At[1] = static_cast<unsigned char>(Value >> 8);
}
uint16_t Get16(const unsigned char* At) { return static_cast<uint16_t>(At[0] | (At[1] << 8)); }
}  // namespace

void TSrcEditKeyStroke::LoadFromStream(TStream& AStream) {
    unsigned char record[8];
    AStream.ReadBuffer(record, sizeof record);
    key_ = Get16(record);
    shift_ = TShiftState::FromBits(record[2]);
    key2_ = Get16(record + 3);
    shift2_ = TShiftState::FromBits(record[5]);
    command_ = Get16(record + 6);
}

void TSrcEditKeyStroke::SaveToStream(TStream& AStream) const {
    unsigned char record[8];
    Put16(record, key_);
    record[2] = shift_.ToBits();
    Put16(record + 3, key2_);
    record[5] = shift2_.ToBits();
    Put16(record + 6, command_);
    AStream.WriteBuffer(record, sizeof record);
}
