#include "ide/SearchScope.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "editor/control/SrcEdit.h"
#include "editor/search/SrcEditSearchCustom.h"
#include "editor/text/SrcEditStringList.h"

namespace {
constexpr int Open = std::numeric_limits<int>::max();  // no bound on the right
}  // namespace

// Line mode takes whole lines; a column block its columns on every line; a
// normal selection runs from its beginning to its end.
TSearchScope::TSearchScope(const TCustomSrcEdit& Edit)
{
    const TBufferCoord begin = Edit.BlockBegin(), end = Edit.BlockEnd();
    const TSrcSelectionMode mode = Edit.ActiveSelectionMode();
    const int left = mode == smColumn ? std::min(begin.Char, end.Char) : 1;
    const int right = mode == smColumn ? std::max(begin.Char, end.Char) : Open;
    for (int line = begin.Line; line <= end.Line; ++line) rows_.push_back(TRow{line, left, right});
    if (mode == smNormal) {
        rows_.front().Left = begin.Char;
        rows_.back().Right = end.Char;
    }
}

TBufferCoord TSearchScope::Start(bool Backwards) const
{
    if (Backwards) return TBufferCoord{Open, rows_.back().Line};
    return TBufferCoord{1, rows_.front().Line};
}

bool TSearchScope::Holds(const TRow& Row, int Position, int Length) const
{
    return Position >= Row.Left && int64_t{Position} + Length <= Row.Right;
}

std::optional<TScopeHit> TSearchScope::Find(TSrcEditSearchCustom& Engine, const TSrcEditStringList& Lines,
                                            const TBufferCoord& From, bool Backwards) const
{
    const int first = rows_.front().Line, count = static_cast<int>(rows_.size());
    const int step = Backwards ? -1 : 1;
    for (int k = std::clamp(From.Line - first, 0, count - 1); k >= 0 && k < count; k += step) {
        const TRow& row = rows_[static_cast<size_t>(k)];
        if (Backwards ? row.Line > From.Line : row.Line < From.Line) continue;
        if (row.Line > Lines.Count()) break;
        if (auto hit = FindInRow(Engine, row, Lines.Line(row.Line - 1), From, Backwards)) return hit;
    }
    return std::nullopt;
}

std::optional<TScopeHit> TSearchScope::FindInRow(TSrcEditSearchCustom& Engine, const TRow& Row,
                                                 const std::string& Text, const TBufferCoord& From,
                                                 bool Backwards) const
{
    const int count = Engine.FindAll(Text);
    for (int k = 0; k < count; ++k) {
        const int index = Backwards ? count - 1 - k : k;
        const int position = Engine.GetResult(index), length = Engine.GetLength(index);
        if (Row.Line == From.Line &&
            (Backwards ? int64_t{position} + length > From.Char : position < From.Char))
            continue;
        if (Holds(Row, position, length)) return TScopeHit{TBufferCoord{position, Row.Line}, length};
    }
    return std::nullopt;
}

TSearchScope::TRow* TSearchScope::RowOf(int Line)
{
    const int64_t k = int64_t{Line} - rows_.front().Line;
    if (k < 0 || k >= static_cast<int64_t>(rows_.size())) return nullptr;
    return &rows_[static_cast<size_t>(k)];
}

// The rest of the hit's row moves with the text after it; a replacement
// that breaks the line leaves its first piece ending the row, its inner
// lines whole in the scope, and the rest of the row on its last line.
void TSearchScope::Replaced(const TScopeHit& Hit, const TBufferCoord& After)
{
    TRow* row = RowOf(Hit.At.Line);
    if (!row) return;
    const int64_t right =
        row->Right == Open ? Open : int64_t{row->Right} - (Hit.At.Char + Hit.Length) + After.Char;
    const int breaks = After.Line - Hit.At.Line;
    if (breaks <= 0) {
        row->Right = static_cast<int>(std::clamp<int64_t>(right, row->Left, Open));
        return;
    }
    row->Right = Open;
    const auto at = rows_.begin() + (row - rows_.data()) + 1;
    for (auto it = at; it != rows_.end(); ++it) it->Line += breaks;
    std::vector<TRow> added;
    for (int k = 1; k <= breaks; ++k) added.push_back(TRow{Hit.At.Line + k, 1, Open});
    added.back().Right = static_cast<int>(std::clamp<int64_t>(right, 1, Open));
    rows_.insert(at, added.begin(), added.end());
}
