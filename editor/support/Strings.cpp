#include "editor/support/Strings.h"

#include "editor/support/Cp1252.h"

#include <exception>

TObject* TStrings::GetObject(int) const { return nullptr; }

void TStrings::Put(int Index, const std::string& S) {
    TObject* object = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, object);
}

void TStrings::PutObject(int, TObject*) {}

int TStrings::GetCapacity() const { return GetCount(); }

void TStrings::SetCapacity(int) {}

std::string TStrings::GetTextStr() const {
    std::string text;
    int count = GetCount();
    for (int i = 0; i < count; ++i) {
        text += Get(i);
        text += "\r\n";
    }
    return text;
}

void TStrings::SetTextStr(const std::string& Value) {
    TStringsUpdate update(*this);
    Clear();
    size_t i = 0;
    while (i < Value.size()) {
        size_t end = Value.find_first_of("\r\n", i);
        if (end == std::string::npos) {
            end = Value.size();
        }
        Add(Value.substr(i, end - i));
        i = end;
        if (i < Value.size() && Value[i] == '\r') {
            ++i;
        }
        if (i < Value.size() && Value[i] == '\n') {
            ++i;
        }
    }
}

void TStrings::SetUpdateState(bool) {}

int TStrings::Add(const std::string& S) {
    int index = GetCount();
    Insert(index, S);
    return index;
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
    int index = Add(S);
    PutObject(index, AObject);
    return index;
}

void TStrings::AddStrings(const TStrings& Strings) {
    TStringsUpdate update(*this);
    int count = Strings.GetCount();
    for (int i = 0; i < count; ++i) {
        AddObject(Strings.Get(i), Strings.GetObject(i));
    }
}

void TStrings::Exchange(int Index1, int Index2) {
    TStringsUpdate update(*this);
    std::string text = Get(Index1);
    TObject* object = GetObject(Index1);
    Put(Index1, Get(Index2));
    PutObject(Index1, GetObject(Index2));
    Put(Index2, text);
    PutObject(Index2, object);
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject) {
    Insert(Index, S);
    PutObject(Index, AObject);
}

int TStrings::IndexOf(const std::string& S) const {
    int count = GetCount();
    for (int i = 0; i < count; ++i) {
        if (CompareText(Get(i), S) == 0) {
            return i;
        }
    }
    return -1;
}

void TStrings::Assign(const TPersistent* Source) {
    auto* strings = dynamic_cast<const TStrings*>(Source);
    if (!strings) {
        TPersistent::Assign(Source);
        return;
    }
    if (strings == this) {
        return;
    }
    TStringsUpdate update(*this);
    Clear();
    AddStrings(*strings);
}

void TStrings::BeginUpdate() {
    if (updateCount_++ == 0) {
        SetUpdateState(true);
    }
}

void TStrings::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) {
        SetUpdateState(false);
    }
}

int CompareText(const std::string& S1, const std::string& S2) {
    size_t length = S1.size() < S2.size() ? S1.size() : S2.size();
    for (size_t i = 0; i < length; ++i) {
        int a = Cp1252Lower(static_cast<unsigned char>(S1[i]));
        int b = Cp1252Lower(static_cast<unsigned char>(S2[i]));
        if (a != b) {
            return a - b;
        }
    }
    return static_cast<int>(S1.size()) - static_cast<int>(S2.size());
}

TStringsUpdate::TStringsUpdate(TStrings& strings)
    : strings_(strings), unwinding_(std::uncaught_exceptions()) {
    strings_.BeginUpdate();
}

TStringsUpdate::~TStringsUpdate() noexcept(false) {
    if (std::uncaught_exceptions() == unwinding_) {
        strings_.EndUpdate();
        return;
    }
    try {
        strings_.EndUpdate();
    } catch (...) {
    }
}
