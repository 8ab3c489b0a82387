#pragma once
#include <array>
#include <memory>
#include <vector>

#include "editor/support/SrcEvents.h"
#include "editor/support/SrcObject.h"

class TCustomSrcEdit;
class TSrcEditMark;

constexpr int MAX_MARKS = 16;
using TSrcEditMarks = std::array<TSrcEditMark*, MAX_MARKS>;

// The marks of one control, in the order they were added. The list owns
// its marks; Delete and Remove hand a mark back to the caller.
class TSrcEditMarkList : public TObject {
public:
    explicit TSrcEditMarkList(TCustomSrcEdit* AOwner);
    ~TSrcEditMarkList() override;
    TSrcEditMarkList(const TSrcEditMarkList&) = delete;
    TSrcEditMarkList& operator=(const TSrcEditMarkList&) = delete;

    int Add(std::unique_ptr<TSrcEditMark> Item);
    std::unique_ptr<TSrcEditMark> Delete(int Index);
    void Insert(int Index, std::unique_ptr<TSrcEditMark> Item);
    // Null when Item is not in the list.
    std::unique_ptr<TSrcEditMark> Remove(const TSrcEditMark* Item);
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
    // The owner's OnPlaceBookmark may cancel the mark (null) or put another
    // in its place; the list adds and owns what remains, the dropped one is freed.
    void Place(std::unique_ptr<TSrcEditMark> Mark);

    TCustomSrcEdit* Edit() const { return edit_; }
    TNotifyEvent OnChange;

private:
    void Changed();
    void CheckIndex(int Index, int Limit) const;

    TCustomSrcEdit* edit_;
    std::vector<std::unique_ptr<TSrcEditMark>> items_;
};
