#pragma once
#include <array>
#include <vector>

#include "editor/support/SrcEvents.h"
#include "editor/support/SrcObject.h"

class TCustomSrcEdit;
class TSrcEditMark;

constexpr int MAX_MARKS = 16;
using TSrcEditMarks = std::array<TSrcEditMark*, MAX_MARKS>;

// The marks of one control, in the order they were added. The list owns
// its marks: its destructor and ClearLine free them; Delete and Remove
// hand a mark back to the caller.
class TSrcEditMarkList : public TObject {
public:
    explicit TSrcEditMarkList(TCustomSrcEdit* AOwner) : edit_(AOwner) {}
    ~TSrcEditMarkList() override;
    TSrcEditMarkList(const TSrcEditMarkList&) = delete;
    TSrcEditMarkList& operator=(const TSrcEditMarkList&) = delete;

    int Add(TSrcEditMark* Item);
    void Delete(int Index);
    void Insert(int Index, TSrcEditMark* Item);
    void Put(int Index, TSrcEditMark* Item);
    int Remove(TSrcEditMark* Item);
    TSrcEditMark* First() const;
    TSrcEditMark* Last() const;
    TSrcEditMark* Items(int Index) const;
    int Count() const { return static_cast<int>(items_.size()); }
    int IndexOf(const TSrcEditMark* Item) const;

    // Frees every mark on Line that is not a bookmark.
    void ClearLine(int Line);
    // Frees every mark.
    void Clear();
    // The first MAX_MARKS marks on Line, in list order; the rest nil.
    void GetMarksForLine(int Line, TSrcEditMarks& Marks) const;
    // The owner's OnPlaceBookmark may change or cancel (free) the mark; a
    // remaining one is added.
    void Place(TSrcEditMark* Mark);

    TCustomSrcEdit* Edit() const { return edit_; }
    TNotifyEvent OnChange;

private:
    void Changed();
    void CheckIndex(int Index, int Limit) const;

    TCustomSrcEdit* edit_;
    std::vector<TSrcEditMark*> items_;
};
