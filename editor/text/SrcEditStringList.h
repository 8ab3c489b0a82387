#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "editor/support/SmallSet.h"
#include "editor/text/SrcEditFiler.h"
#include "editor/text/SrcEditRange.h"
#include "editor/support/SrcEvents.h"
#include "editor/text/SrcTabConvert.h"
#include "editor/support/Strings.h"
#include "editor/text/SrcLineLengthTally.h"

class TStream;

enum TSrcEditStringFlag : uint8_t { sfHasTabs, sfHasNoTabs, sfExpandedLengthUnknown };
using TSrcEditStringFlags = TSmallSet<TSrcEditStringFlag, uint8_t>;

// One line of the editor's buffer.
struct TSrcEditStringRec {
    std::string fString;
    TObject* fObject = nullptr;
    TSrcEditRange fRange = 0;
    int32_t fExpandedLength = 0;
    TSrcEditStringFlags fFlags;
};

// The editor's lines: text, attached object, highlighter range and the
// cached tab-expanded length of each line, with change events for the
// editor. Loads and saves text with CR LF, LF or CR breaks, writing back
// the style it read.
class TSrcEditStringList : public TStrings {
public:
    TSrcEditStringList();
    ~TSrcEditStringList() override;
    TSrcEditStringList(const TSrcEditStringList&) = delete;
    TSrcEditStringList& operator=(const TSrcEditStringList&) = delete;

    std::string Get(int Index) const override;
    // The line itself, without a copy (empty outside the list); valid until
    // the list changes.
    const std::string& Line(int Index) const;
    int GetCapacity() const override;
    int GetCount() const override;
    TObject* GetObject(int Index) const override;
    std::string GetTextStr() const override;
    // As a file is read: a final line break leaves an empty last line.
    void SetTextStr(const std::string& Value) override;
    void Put(int Index, const std::string& S) override;
    void PutObject(int Index, TObject* AObject) override;
    void SetCapacity(int NewCapacity) override;
    void SetUpdateState(bool Updating) override;

    int Add(const std::string& S) override;
    void AddStrings(const TStrings& Strings) override;
    void Clear() override;
    void Delete(int Index) override;
    void Exchange(int Index1, int Index2) override;
    void Insert(int Index, const std::string& S) override;

    void LoadFromFile(const std::string& FileName);
    void LoadFromStream(TStream& Stream);
    // Replaces the file only once the whole text is written.
    void SaveToFile(const std::string& FileName);
    void SaveToStream(TStream& Stream);

    void DeleteLines(int Index, int NumLines);
    void InsertLines(int Index, int NumLines);
    void InsertStrings(int Index, const TStrings& Strings);
    void InsertText(int Index, const std::string& NewText);

    std::string ExpandedStrings(int Index);
    // The cells [From, From + Count) of the tab-expanded line (0-based).
    std::string ExpandedCells(int Index, int64_t From, int64_t Count);
    int ExpandedStringLengths(int Index);
    // The cells that the first Bytes bytes of a line take; bytes past its
    // end take one cell each.
    int64_t CellsOfBytes(int Index, int64_t Bytes);
    // The byte that holds the 0-based Cell (past the end one byte a cell)
    // and, in FirstCell, that byte's first cell.
    int64_t ByteOfCell(int Index, int64_t Cell, int64_t& FirstCell);
    // Changes with every change of the lines, their ranges or the tab width;
    // never the same for two lists.
    uint64_t Revision() const { return revision_; }
    // The longest tab-expanded length of a line; after the first call it is
    // kept through edits, so that later calls do not walk the lines.
    int GetLengthOfLongestLine();

    TSrcEditRange Ranges(int Index) const;
    void Ranges(int Index, TSrcEditRange ARange);

    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int Value);
    TConvertTabsProcEx ConvertTabsProc() const { return convertTabsProc_; }

    TSrcEditFileFormat FileFormat = sffDos;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;
    TNotifyEvent OnCleared;
    TStringListChangeEvent OnDeleted;
    TStringListChangeEvent OnInserted;
    TStringListChangeEvent OnPutted;

private:
    void CheckIndex(int Index, int Limit) const;
    bool Valid(int Index) const { return Index >= 0 && Index < count_; }
    void Grow();
    void InsertItem(int Index, const std::string& S);
    int MeasureLine(int Index);
    void CountLines(int Index, int Count);
    void UncountLines(int Index, int Count);
    void ForgetLengths();
    std::string ExpandString(int Index);
    bool HasTabs(int Index);
    void Touch();
    void AppendLoadedLines(const std::string& data);

    std::vector<TSrcEditStringRec> list_;  // size() == capacity
    int count_ = 0;
    // While lengthsKnown_, every line's expanded length is known and counted.
    TSrcLineLengthTally lengths_;
    bool lengthsKnown_ = false;
    int tabWidth_ = 0;
    uint64_t revision_ = 0;
    TConvertTabsProcEx convertTabsProc_ = nullptr;
};
