#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditPlugin.h"

namespace {
bool ValidBookmark(int n) { return n >= 0 && n <= 9; }

// The column of a mark whose text moved from column Old of its line to
// column New of another, Kept being the column of the kept line where the
// moved text begins. Text beginning at the kept line's column 1 takes the
// place of a whole line: its marks keep their columns, as a line's marks
// do when text holding a line break is inserted at its column 1, so that
// the join undoing such an insertion, and the split undoing such a join,
// give every column back.
int MovedMarkChar(int Char, int Old, int New, int Kept) {
    return Kept == 1 ? Char : ClampToInt32(int64_t{Char} - Old + New);
}
}  // namespace

void TCustomSrcEdit::SetBookMark(int BookMark, int X, int Y) {
    if (!ValidBookmark(BookMark) || Y < 1 || Y > std::max(1, lines_->Count())) {
        return;
    }
    auto mark = std::make_unique<TSrcEditMark>(this);
    mark->SetLine(Y);
    mark->SetChar(X);
    mark->SetImage(BookMark);
    mark->SetBookmarkNumber(BookMark);
    mark->SetVisible(true);
    mark->SetInternalImage(bookMarkOptions_->BookmarkImages() == nullptr);
    DoOnPlaceMark(mark);
    if (!mark) {
        return;
    }
    if (bookmarks_[BookMark]) {
        ClearBookMark(BookMark);
    }
    bookmarks_[BookMark] = mark.get();
    marks_->Add(std::move(mark));
}

void TCustomSrcEdit::ClearBookMark(int BookMark) {
    if (!ValidBookmark(BookMark) || !bookmarks_[BookMark]) {
        return;
    }
    TSrcEditMark* mark = bookmarks_[BookMark];
    DoOnClearBookmark(mark);
    bookmarks_[BookMark] = nullptr;
    marks_->Remove(mark);  // frees it
}

void TCustomSrcEdit::GotoBookMark(int BookMark) {
    if (!ValidBookmark(BookMark) || !bookmarks_[BookMark] || bookmarks_[BookMark]->Line() > lines_->Count()) {
        return;
    }
    TSrcEditMark* mark = bookmarks_[BookMark];
    SetCaretXYEx(false, BufferCoord(mark->Char(), mark->Line()));
    EnsureCursorPosVisibleEx(true);
    if (SelAvail()) {
        InvalidateSelection();
    }
    blockBegin_ = CaretXY();
    blockEnd_ = blockBegin_;
}

bool TCustomSrcEdit::GetBookMark(int BookMark, int& X, int& Y) const {
    for (int i = 0; i < marks_->Count(); ++i) {
        TSrcEditMark* mark = marks_->Items(i);
        if (mark->IsBookmark() && mark->BookmarkNumber() == BookMark) {
            X = mark->Char();
            Y = mark->Line();
            return true;
        }
    }
    return false;
}

bool TCustomSrcEdit::IsBookmark(int BookMark) const {
    int x = 0;
    int y = 0;
    return GetBookMark(BookMark, x, y);
}

void TCustomSrcEdit::DoOnPlaceMark(std::unique_ptr<TSrcEditMark>& Mark) {
    if (OnPlaceBookmark) {
        TSrcEditMark* placed = Mark.get();
        OnPlaceBookmark(this, placed);
        if (placed != Mark.get()) {
            Mark.reset(placed);
        }
    }
}

void TCustomSrcEdit::DoOnClearBookmark(TSrcEditMark*& Mark) {
    if (OnClearBookmark) {
        OnClearBookmark(this, Mark);
    }
}

void TCustomSrcEdit::DoLinesInserted(int FirstLine, int Count) {
    for (int i = 0; i < marks_->Count(); ++i) {
        TSrcEditMark* mark = marks_->Items(i);
        if (mark->Line() >= FirstLine) {
            mark->SetLine(ClampToInt32(int64_t{mark->Line()} + Count));
        }
    }
    for (TSrcEditPlugin* plugin : PluginSnapshot()) {
        plugin->LinesInserted(FirstLine, Count);
    }
}

void TCustomSrcEdit::DoLinesDeleted(int FirstLine, int Count) {
    for (int i = 0; i < marks_->Count(); ++i) {
        TSrcEditMark* mark = marks_->Items(i);
        if (mark->Line() >= int64_t{FirstLine} + Count) {
            mark->SetLine(ClampToInt32(int64_t{mark->Line()} - Count));
        } else if (mark->Line() > FirstLine) {
            mark->SetLine(FirstLine);
        }
    }
    for (TSrcEditPlugin* plugin : PluginSnapshot()) {
        plugin->LinesDeleted(FirstLine, Count);
    }
}

// The text from To on moved to From, the lines after From's up to To's
// removed: marks on that text move with it. A join that takes out an
// insertion brought none of them: the insertion's redo moves them back.
void TCustomSrcEdit::DoLinesJoined(const TBufferCoord& From, const TBufferCoord& To) {
    for (int i = 0; To.Line > From.Line && i < marks_->Count(); ++i) {
        TSrcEditMark* mark = marks_->Items(i);
        if (mark->Line() == To.Line && mark->Char() >= To.Char) {
            mark->SetChar(MovedMarkChar(mark->Char(), To.Char, From.Char, From.Char));
            mark->SetLine(From.Line);
            if (!undoingInsertion_) {
                mark->SetJoinsCarried(mark->JoinsCarried() + 1);
            }
        }
    }
    DoLinesDeleted(From.Line, To.Line - From.Line);
}

// The text from At on went to To on a line below (the lines between
// already inserted): marks a join brought onto that text follow it; the
// kept line's own marks stay, also at or past its end. Text inserted at
// column 1 took all the line's marks down with it.
void TCustomSrcEdit::DoLineSplit(const TBufferCoord& At, const TBufferCoord& To) {
    const int line = At.Char > 1 ? At.Line : To.Line;
    for (int i = 0; To.Line > At.Line && i < marks_->Count(); ++i) {
        TSrcEditMark* mark = marks_->Items(i);
        if (mark->Line() != line) {
            continue;
        }
        if (mark->Char() >= At.Char && mark->JoinsCarried() > 0) {
            mark->SetChar(MovedMarkChar(mark->Char(), At.Char, To.Char, At.Char));
            mark->SetLine(To.Line);
            mark->SetJoinsCarried(mark->JoinsCarried() - 1);
        } else {
            mark->SetLine(At.Line);
        }
    }
}

void TCustomSrcEdit::PluginsAfterPaint(TSrcCanvas& ACanvas, const TRect& AClip, int FirstLine, int LastLine) {
    for (TSrcEditPlugin* plugin : PluginSnapshot()) {
        plugin->AfterPaint(ACanvas, AClip, FirstLine, LastLine);
    }
}

void TCustomSrcEdit::InstallPlugin(std::unique_ptr<TSrcEditPlugin> APlugin) { plugins_.push_back(std::move(APlugin)); }

std::vector<TSrcEditPlugin*> TCustomSrcEdit::PluginSnapshot() const {
    std::vector<TSrcEditPlugin*> plugins;
    for (const auto& plugin : plugins_) {
        plugins.push_back(plugin.get());
    }
    return plugins;
}

void TCustomSrcEdit::RemovePlugin(const TSrcEditPlugin* APlugin) {
    std::erase_if(plugins_, [APlugin](const auto& plugin) { return plugin.get() == APlugin; });
}
