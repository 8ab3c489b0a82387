#include "editor/highlight/SrcHighlighterAttributes.h"

#include "editor/support/IniFile.h"
#include "editor/highlight/SrcSettingsStore.h"
#include "editor/support/StringList.h"

TSrcHighlighterAttributes::TSrcHighlighterAttributes(const std::string& AName) : name_(AName) {
    SetBackground(clNone);
    SetForeground(clNone);
}

void TSrcHighlighterAttributes::Assign(const TPersistent* Source) {
    auto* source = dynamic_cast<const TSrcHighlighterAttributes*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    name_ = source->name_;
    AssignColorAndStyle(*source);
}

void TSrcHighlighterAttributes::AssignColorAndStyle(const TSrcHighlighterAttributes& Source) {
    bool changed = background_ != Source.background_ || foreground_ != Source.foreground_ ||
                   style_ != Source.style_;
    background_ = Source.background_;
    foreground_ = Source.foreground_;
    style_ = Source.style_;
    if (changed) {
        Changed();
    }
}

void TSrcHighlighterAttributes::InternalSaveDefaultValues() {
    backgroundDefault_ = background_;
    foregroundDefault_ = foreground_;
    styleDefault_ = style_;
}

void TSrcHighlighterAttributes::Changed() {
    if (OnChange) {
        OnChange(this);
    }
}

void TSrcHighlighterAttributes::SetBackground(TColor Value) {
    if (background_ != Value) {
        background_ = Value;
        Changed();
    }
}

void TSrcHighlighterAttributes::SetForeground(TColor Value) {
    if (foreground_ != Value) {
        foreground_ = Value;
        Changed();
    }
}

void TSrcHighlighterAttributes::SetStyle(TFontStyles Value) {
    if (style_ != Value) {
        style_ = Value;
        Changed();
    }
}

int TSrcHighlighterAttributes::GetStyleFromInt() const {
    return (style_.Contains(fsBold) ? 1 : 0) | (style_.Contains(fsItalic) ? 2 : 0) |
           (style_.Contains(fsUnderline) ? 4 : 0) | (style_.Contains(fsStrikeOut) ? 8 : 0);
}

void TSrcHighlighterAttributes::SetStyleFromInt(int Value) {
    SetStyle((Value & 1) ? TFontStyles{fsBold} : TFontStyles{});
    if (Value & 2) {
        SetStyle(style_ + TFontStyles{fsItalic});
    }
    if (Value & 4) {
        SetStyle(style_ + TFontStyles{fsUnderline});
    }
    if (Value & 8) {
        SetStyle(style_ + TFontStyles{fsStrikeOut});
    }
}

bool TSrcHighlighterAttributes::LoadFromRegistry(TSrcSettingsStore& Reg) {
    std::string path = Reg.CurrentPath();
    if (!Reg.OpenKeyReadOnly(name_)) {
        return false;
    }
    int32_t value = 0;
    if (Reg.ReadInteger("Background", value)) {
        SetBackground(value);
    }
    if (Reg.ReadInteger("Foreground", value)) {
        SetForeground(value);
    }
    if (Reg.ReadInteger("Style", value)) {
        SetStyleFromInt(value);
    }
    Reg.OpenKey("\\" + path, false);
    return true;
}

bool TSrcHighlighterAttributes::SaveToRegistry(TSrcSettingsStore& Reg) {
    std::string path = Reg.CurrentPath();
    if (!Reg.OpenKey(name_, true)) {
        return false;
    }
    bool written = Reg.WriteInteger("Background", background_) && Reg.WriteInteger("Foreground", foreground_) &&
                   Reg.WriteInteger("Style", GetStyleFromInt());
    Reg.OpenKey("\\" + path, false);
    return written;
}

bool TSrcHighlighterAttributes::LoadFromFile(TIniFile& Ini) {
    TStringList keys;
    Ini.ReadSection(name_, keys);
    if (keys.Count() == 0) {
        return false;
    }
    if (keys.IndexOf("Background") >= 0) {
        SetBackground(Ini.ReadInteger(name_, "Background", background_));
    }
    if (keys.IndexOf("Foreground") >= 0) {
        SetForeground(Ini.ReadInteger(name_, "Foreground", foreground_));
    }
    if (keys.IndexOf("Style") >= 0) {
        SetStyleFromInt(Ini.ReadInteger(name_, "Style", GetStyleFromInt()));
    }
    return true;
}

bool TSrcHighlighterAttributes::SaveToFile(TIniFile& Ini) {
    Ini.WriteInteger(name_, "Background", background_);
    Ini.WriteInteger(name_, "Foreground", foreground_);
    Ini.WriteInteger(name_, "Style", GetStyleFromInt());
    return true;
}
