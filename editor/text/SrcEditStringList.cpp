#include "editor/text/SrcEditStringList.h"

#include <algorithm>
#include <atomic>

#include "editor/support/FileStream.h"
#include "editor/support/SrcExceptions.h"
#include "editor/support/SrcStream.h"
#include "editor/support/StringList.h"
#include "editor/text/SrcLineCellWalk.h"

namespace {

TSrcEditStringRec NewLine(const std::string& S, TObject* AObject) {
    return TSrcEditStringRec{S, AObject, -1, -1, {sfExpandedLengthUnknown}};
}

// A line keeps its buffer while the text fills at least half of it, so
// that typing at its end reallocates only as the buffer doubles; a text
// that shrank further gets a buffer of its own size (a swap: assigning a
// short string would copy it into the old buffer).
void StoreText(std::string& Stored, const std::string& S) {
    if (Stored.capacity() > 2 * S.size()) {
        std::string fitted(S);
        Stored.swap(fitted);
    } else {
        Stored = S;
    }
}

// Revisions are drawn from one sequence, so that no two lists share one.
uint64_t NextRevision() {
    static std::atomic<uint64_t> last{0};
    return ++last;
}

}  // namespace

void TSrcEditStringList::Touch() { revision_ = NextRevision(); }

TSrcEditStringList::TSrcEditStringList() { SetTabWidth(8); }

TSrcEditStringList::~TSrcEditStringList() {
    OnChange = nullptr;
    OnChanging = nullptr;
}

void TSrcEditStringList::CheckIndex(int Index, int Limit) const {
    if (Index < 0 || Index > Limit) {
        throw ESrcEditStringList(FormatText("Invalid stringlist index %d", Index));
    }
}

std::string TSrcEditStringList::Get(int Index) const { return Line(Index); }

const std::string& TSrcEditStringList::Line(int Index) const {
    static const std::string empty;
    return Valid(Index) ? list_[static_cast<size_t>(Index)].fString : empty;
}

int TSrcEditStringList::GetCapacity() const { return static_cast<int>(list_.size()); }

int TSrcEditStringList::GetCount() const { return count_; }

TObject* TSrcEditStringList::GetObject(int Index) const {
    return Valid(Index) ? list_[static_cast<size_t>(Index)].fObject : nullptr;
}

std::string TSrcEditStringList::GetTextStr() const {
    if (count_ == 0) {
        return std::string();
    }
    size_t size = 0;
    for (int i = 0; i < count_; ++i) {
        size += list_[static_cast<size_t>(i)].fString.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (int i = 0; i < count_; ++i) {
        text += list_[static_cast<size_t>(i)].fString;
        text += "\r\n";
    }
    text.resize(size - 2);
    return text;
}

void TSrcEditStringList::SetTextStr(const std::string& Value) {
    TStringsUpdate update(*this);
    TStrings::SetTextStr(Value);
    if (!Value.empty() && (Value.back() == '\r' || Value.back() == '\n')) {
        Add(std::string());
    }
}

void TSrcEditStringList::Put(int Index, const std::string& S) {
    if (Index == count_) {
        Add(S);
        return;
    }
    CheckIndex(Index, count_ - 1);
    TStringsUpdate update(*this);
    Touch();
    UncountLines(Index, 1);
    TSrcEditStringRec& line = list_[static_cast<size_t>(Index)];
    line.fFlags.Include(sfExpandedLengthUnknown).Exclude(sfHasTabs).Exclude(sfHasNoTabs);
    StoreText(line.fString, S);
    CountLines(Index, 1);
    if (OnPutted) {
        OnPutted(this, Index, 1);
    }
}

void TSrcEditStringList::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index, count_ - 1);
    TStringsUpdate update(*this);
    list_[static_cast<size_t>(Index)].fObject = AObject;
}

void TSrcEditStringList::SetCapacity(int NewCapacity) {
    if (NewCapacity < count_) {
        throw EListError("Stringlist capacity cannot be smaller than count");
    }
    std::vector<TSrcEditStringRec> resized;
    resized.reserve(static_cast<size_t>(NewCapacity));
    std::move(list_.begin(), list_.begin() + count_, std::back_inserter(resized));
    resized.resize(static_cast<size_t>(NewCapacity));
    list_.swap(resized);
}

void TSrcEditStringList::SetUpdateState(bool Updating) {
    const TNotifyEvent& event = Updating ? OnChanging : OnChange;
    if (event) {
        event(this);
    }
}

void TSrcEditStringList::Grow() {
    int capacity = GetCapacity();
    SetCapacity(capacity + (capacity > 64 ? capacity / 4 : 16));
}

void TSrcEditStringList::InsertItem(int Index, const std::string& S) {
    TStringsUpdate update(*this);
    if (count_ == GetCapacity()) {
        Grow();
    }
    auto at = list_.begin() + Index;
    std::move_backward(at, list_.begin() + count_, list_.begin() + count_ + 1);
    Touch();
    *at = NewLine(S, nullptr);
    ++count_;
    CountLines(Index, 1);
    if (OnInserted) {
        OnInserted(this, Index, 1);
    }
}

// The line's expanded length, measured without expanding the line.
int TSrcEditStringList::MeasureLine(int Index) {
    TSrcEditStringRec& line = list_[static_cast<size_t>(Index)];
    if (line.fFlags.Contains(sfExpandedLengthUnknown)) {
        bool hasTabs = line.fString.find('\t') != std::string::npos;
        line.fExpandedLength =
            hasTabs ? GetExpandedLength(line.fString, tabWidth_) : static_cast<int32_t>(line.fString.size());
        line.fFlags = TSrcEditStringFlags{hasTabs ? sfHasTabs : sfHasNoTabs};
    }
    return line.fExpandedLength;
}

// Lines that come or change while the lengths are known are measured at
// once; before the first GetLengthOfLongestLine (as after a load) they are not.
void TSrcEditStringList::CountLines(int Index, int Count) {
    if (lengthsKnown_) {
        for (int i = Index; i < Index + Count; ++i) {
            lengths_.Add(MeasureLine(i));
        }
    }
}

void TSrcEditStringList::UncountLines(int Index, int Count) {
    if (lengthsKnown_) {
        for (int i = Index; i < Index + Count; ++i) {
            lengths_.Remove(list_[static_cast<size_t>(i)].fExpandedLength);
        }
    }
}

void TSrcEditStringList::ForgetLengths() {
    lengthsKnown_ = false;
    lengths_.Clear();
}

int TSrcEditStringList::Add(const std::string& S) {
    int index = count_;
    InsertItem(index, S);
    return index;
}

void TSrcEditStringList::Insert(int Index, const std::string& S) {
    CheckIndex(Index, count_);
    InsertItem(Index, S);
}

void TSrcEditStringList::AddStrings(const TStrings& Strings) {
    int added = Strings.GetCount();
    if (added == 0) {
        return;
    }
    TStringsUpdate update(*this);
    Touch();
    int first = count_;
    int total = count_ + added;
    if (total > GetCapacity()) {
        SetCapacity((total + 15) / 16 * 16);
    }
    for (int i = 0; i < added; ++i) {
        list_[static_cast<size_t>(count_)] = NewLine(Strings.Get(i), Strings.GetObject(i));
        ++count_;
    }
    CountLines(first, added);
    if (OnInserted) {
        OnInserted(this, first, added);
    }
}

void TSrcEditStringList::Clear() {
    if (count_ > 0) {
        TStringsUpdate update(*this);
        std::vector<TSrcEditStringRec>().swap(list_);
        count_ = 0;
        if (OnCleared) {
            OnCleared(this);
        }
    }
    ForgetLengths();
    Touch();
}

void TSrcEditStringList::Delete(int Index) {
    CheckIndex(Index, count_ - 1);
    TStringsUpdate update(*this);
    UncountLines(Index, 1);
    auto at = list_.begin() + Index;
    std::move(at + 1, list_.begin() + count_, at);
    --count_;
    list_[static_cast<size_t>(count_)] = TSrcEditStringRec();
    Touch();
    if (OnDeleted) {
        OnDeleted(this, Index, 1);
    }
}

void TSrcEditStringList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1, count_ - 1);
    CheckIndex(Index2, count_ - 1);
    TStringsUpdate update(*this);
    Touch();
    std::swap(list_[static_cast<size_t>(Index1)], list_[static_cast<size_t>(Index2)]);
}

void TSrcEditStringList::InsertLines(int Index, int NumLines) {
    CheckIndex(Index, count_);
    if (NumLines <= 0) {
        return;
    }
    TStringsUpdate update(*this);
    Touch();
    SetCapacity(count_ + NumLines);
    auto at = list_.begin() + Index;
    std::move_backward(at, list_.begin() + count_, list_.begin() + count_ + NumLines);
    std::fill(at, at + NumLines, TSrcEditStringRec());
    count_ += NumLines;
    CountLines(Index, NumLines);
    if (OnInserted) {
        OnInserted(this, Index, NumLines);
    }
}

void TSrcEditStringList::DeleteLines(int Index, int NumLines) {
    if (NumLines <= 0) {
        return;
    }
    CheckIndex(Index, count_);
    int run = std::min(NumLines, count_ - Index);
    Touch();
    UncountLines(Index, run);
    auto at = list_.begin() + Index;
    std::fill(at, at + run, TSrcEditStringRec());
    if (count_ - Index - run > 0) {
        TStringsUpdate update(*this);
        std::move(at + run, list_.begin() + count_, at);
        std::fill(list_.begin() + count_ - run, list_.begin() + count_, TSrcEditStringRec());
    }
    count_ -= run;
    if (OnDeleted) {
        OnDeleted(this, Index, run);
    }
}

void TSrcEditStringList::InsertStrings(int Index, const TStrings& Strings) {
    int count = Strings.GetCount();
    if (count == 0) {
        return;
    }
    TStringsUpdate update(*this);
    InsertLines(Index, count);
    for (int i = 0; i < count; ++i) {
        Put(Index + i, Strings.Get(i));
    }
}

void TSrcEditStringList::InsertText(int Index, const std::string& NewText) {
    if (NewText.empty()) {
        return;
    }
    TStringList lines;
    lines.Text(NewText);
    InsertStrings(Index, lines);
}

std::string TSrcEditStringList::ExpandString(int Index) {
    TSrcEditStringRec& line = list_[static_cast<size_t>(Index)];
    if (line.fString.empty()) {
        line.fExpandedLength = 0;
        line.fFlags.Exclude(sfExpandedLengthUnknown).Exclude(sfHasTabs).Include(sfHasNoTabs);
        return std::string();
    }
    bool hasTabs = false;
    std::string expanded = convertTabsProc_(line.fString, tabWidth_, hasTabs);
    line.fExpandedLength = static_cast<int32_t>(expanded.size());
    line.fFlags = TSrcEditStringFlags{hasTabs ? sfHasTabs : sfHasNoTabs};
    return expanded;
}

std::string TSrcEditStringList::ExpandedStrings(int Index) {
    if (!Valid(Index)) {
        return std::string();
    }
    const TSrcEditStringRec& line = list_[static_cast<size_t>(Index)];
    return line.fFlags.Contains(sfHasNoTabs) ? line.fString : ExpandString(Index);
}

bool TSrcEditStringList::HasTabs(int Index) {
    ExpandedStringLengths(Index);  // learns whether the line has tabs
    return !list_[static_cast<size_t>(Index)].fFlags.Contains(sfHasNoTabs);
}

int64_t TSrcEditStringList::CellsOfBytes(int Index, int64_t Bytes) {
    if (!Valid(Index) || Bytes <= 0 || !HasTabs(Index)) {
        return std::max<int64_t>(Bytes, 0);
    }
    return TLineCellWalk(list_[static_cast<size_t>(Index)].fString, tabWidth_).CellsOf(Bytes);
}

int64_t TSrcEditStringList::ByteOfCell(int Index, int64_t Cell, int64_t& FirstCell) {
    FirstCell = Cell;
    if (!Valid(Index) || Cell <= 0 || !HasTabs(Index)) {
        return Cell;
    }
    return TLineCellWalk(list_[static_cast<size_t>(Index)].fString, tabWidth_).ByteOf(Cell, FirstCell);
}

std::string TSrcEditStringList::ExpandedCells(int Index, int64_t From, int64_t Count) {
    if (!Valid(Index) || Count <= 0) {
        return std::string();
    }
    From = std::max<int64_t>(From, 0);
    const std::string& line = list_[static_cast<size_t>(Index)].fString;
    if (!HasTabs(Index)) {
        return From < static_cast<int64_t>(line.size()) ? line.substr(static_cast<size_t>(From), static_cast<size_t>(Count))
                                                        : std::string();
    }
    return TLineCellWalk(line, tabWidth_).Expand(From, Count);
}

int TSrcEditStringList::ExpandedStringLengths(int Index) {
    if (!Valid(Index)) {
        return 0;
    }
    return MeasureLine(Index);
}

int TSrcEditStringList::GetLengthOfLongestLine() {
    if (!lengthsKnown_) {
        lengthsKnown_ = true;
        CountLines(0, count_);
    }
    return lengths_.Longest();
}

TSrcEditRange TSrcEditStringList::Ranges(int Index) const {
    return Valid(Index) ? list_[static_cast<size_t>(Index)].fRange : 0;
}

void TSrcEditStringList::Ranges(int Index, TSrcEditRange ARange) {
    CheckIndex(Index, count_ - 1);
    TStringsUpdate update(*this);
    Touch();
    list_[static_cast<size_t>(Index)].fRange = ARange;
}

void TSrcEditStringList::SetTabWidth(int Value) {
    if (Value == tabWidth_) {
        return;
    }
    tabWidth_ = Value;
    convertTabsProc_ = GetBestConvertTabsProcEx(Value);
    ForgetLengths();
    Touch();
    for (int i = 0; i < count_; ++i) {
        TSrcEditStringRec& line = list_[static_cast<size_t>(i)];
        line.fExpandedLength = -1;
        line.fFlags.Exclude(sfHasNoTabs).Include(sfExpandedLengthUnknown);
    }
}

void TSrcEditStringList::LoadFromFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead);
    LoadFromStream(stream);
}

void TSrcEditStringList::LoadFromStream(TStream& Stream) {
    bool sawCR = false;
    bool sawLF = false;
    {
        TStringsUpdate update(*this);
        Stream.Position(0);
        std::string data(static_cast<size_t>(Stream.Size()), '\0');
        Stream.ReadBuffer(data.data(), data.size());
        Clear();
        size_t i = 0;
        while (i < data.size()) {
            size_t end = data.find_first_of("\r\n", i);
            if (end == std::string::npos) {
                end = data.size();
            }
            Add(data.substr(i, end - i));
            i = end;
            if (i < data.size() && data[i] == '\r') {
                sawCR = true;
                ++i;
            }
            if (i < data.size() && data[i] == '\n') {
                sawLF = true;
                ++i;
            }
        }
        if (!data.empty() && (data.back() == '\r' || data.back() == '\n')) {
            Add(std::string());
        }
    }
    if (sawCR && !sawLF) {
        FileFormat = sffMac;
    } else if (sawLF && !sawCR) {
        FileFormat = sffUnix;
    } else {
        FileFormat = sffDos;
    }
}

void TSrcEditStringList::SaveToFile(const std::string& FileName) {
    TSrcEditFileWriter writer(FileName);
    writer.FileFormat = FileFormat;
    for (int i = 0; i < count_ - 1; ++i) {
        writer.WriteLine(list_[static_cast<size_t>(i)].fString);
    }
    if (count_ > 0) {
        writer.Write(list_[static_cast<size_t>(count_ - 1)].fString);
    }
    writer.Commit();
}

void TSrcEditStringList::SaveToStream(TStream& Stream) {
    if (count_ == 0) {
        return;
    }
    const char* lineBreak = FileFormat == sffMac ? "\r" : FileFormat == sffUnix ? "\n" : "\r\n";
    size_t breakLength = FileFormat == sffDos ? 2 : 1;
    size_t total = 0;
    for (int i = 0; i < count_; ++i) {
        total += list_[static_cast<size_t>(i)].fString.size() + breakLength;
    }
    total -= breakLength;
    std::string text;
    text.reserve(total);
    for (int i = 0; i < count_; ++i) {
        text += list_[static_cast<size_t>(i)].fString;
        if (i < count_ - 1) {
            text += lineBreak;
        }
    }
    Stream.WriteBuffer(text.data(), text.size());
}
