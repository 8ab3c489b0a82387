#include "ide/ScopedSearch.h"

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditPaintLockGuard.h"
#include "editor/control/SrcEditUndoBlockGuard.h"
#include "editor/search/SrcEditSearchCustom.h"

void CollapseSelection(TCustomSrcEdit& Edit, bool Backwards)
{
    Edit.SetCaretXY(Backwards ? Edit.BlockBegin() : Edit.BlockEnd());
}

TScopedSearch::TShown TScopedSearch::ShownBy(const TCustomSrcEdit& Edit)
{
    return TShown{Edit.BlockBegin(), Edit.BlockEnd(), Edit.CaretXY(), static_cast<int>(Edit.ActiveSelectionMode()),
                  Edit.Lines().Count()};
}

bool TScopedSearch::Take(const TCustomSrcEdit& Edit)
{
    if (scope_ && edit_ == &Edit && ShownBy(Edit) == shown_) return true;
    scope_.reset();
    hit_.reset();
    if (!Edit.SelAvail()) return false;
    scope_.emplace(Edit);
    edit_ = &Edit;
    fresh_ = true;
    spent_ = false;
    return true;
}

int TScopedSearch::Press(TCustomSrcEdit& Edit, TStep Step, const TRequest& Request)
{
    TSrcEditSearchCustom& engine = *Edit.SearchEngine();
    engine.SetOptions(Request.Options);
    engine.SetPattern(Request.Search);
    const bool backwards = Request.Options.Contains(ssoBackwards);
    const bool replacing = Step != TStep::Find && !Edit.ReadOnly();
    int found = 0;
    std::optional<TScopeHit> next;
    if (spent_) {
        // Replaced at once: nothing of the scope is left.
    } else if (Step == TStep::ReplaceAll && replacing) {
        found = fresh_ ? ReplaceAllAtOnce(Edit, Request) : ReplaceAll(Edit, Request);
    } else {
        next = Next(Edit, From(Edit, Step, backwards), backwards);
        if (next && replacing) {
            ++found;
            const TScopeHit replaced = *next;
            const std::optional<TBufferCoord> after = Replace(Edit, replaced, Request);
            if (after && backwards) Edit.SetCaretXY(replaced.At);
            next = after ? Next(Edit, backwards ? replaced.At : *after, backwards) : std::nullopt;
        }
    }
    hit_.reset();
    if (next && RunOn(Edit, *next, Request, false)) {
        ++found;
        hit_ = next;
    } else {
        CollapseSelection(Edit, backwards);
    }
    fresh_ = false;
    shown_ = ShownBy(Edit);
    return found;
}

// Find goes on past the selected occurrence; Replace takes it first. With
// none selected the search goes on from where the last one stopped.
TBufferCoord TScopedSearch::From(const TCustomSrcEdit& Edit, TStep Step, bool Backwards) const
{
    if (fresh_) return scope_->Start(Backwards);
    if (!hit_) return Edit.CaretXY();
    const bool past = Step == TStep::Find;
    return past == Backwards ? hit_->At : hit_->End();
}

std::optional<TScopeHit> TScopedSearch::Next(TCustomSrcEdit& Edit, const TBufferCoord& From, bool Backwards) const
{
    return scope_->Find(*Edit.SearchEngine(), Edit.Lines(), From, Backwards);
}

// The selection the user made is still the scope: the editor replaces in
// it in one run.
int TScopedSearch::ReplaceAllAtOnce(TCustomSrcEdit& Edit, const TRequest& Request)
{
    TSrcSearchOptions options = Request.Options;
    options.Include(ssoSelectedOnly);
    options.Include(ssoReplaceAll);
    spent_ = true;
    return Edit.SearchReplace(Request.Search, Request.Replacement, options);
}

// One undo step, whatever the direction: every occurrence in the scope,
// the search going on after each replacement.
int TScopedSearch::ReplaceAll(TCustomSrcEdit& Edit, const TRequest& Request)
{
    TSrcPaintLockGuard lock(Edit);
    TSrcUndoBlockGuard block(Edit);
    int found = 0;
    std::optional<TBufferCoord> from = scope_->Start(false);
    while (from) {
        const std::optional<TScopeHit> hit = Next(Edit, *from, false);
        if (!hit) break;
        ++found;
        from = Replace(Edit, *hit, Request);
    }
    return found;
}

// Where the text after Hit stands once replaced; nothing when the editor
// did not replace it.
std::optional<TBufferCoord> TScopedSearch::Replace(TCustomSrcEdit& Edit, const TScopeHit& Hit,
                                                   const TRequest& Request)
{
    if (!RunOn(Edit, Hit, Request, true)) return std::nullopt;
    const TBufferCoord after = Edit.CaretXY();
    scope_->Replaced(Hit, after);
    return after;
}

// The editor's own search over the occurrence alone selects it (and with
// ssoReplace replaces it), so that it shows and is undone as usual.
bool TScopedSearch::RunOn(TCustomSrcEdit& Edit, const TScopeHit& Hit, const TRequest& Request, bool Replacing)
{
    TSrcSearchOptions options = Request.Options;
    if (Replacing) options.Include(ssoReplace);
    options.Include(ssoSelectedOnly);
    options.Exclude(ssoEntireScope);
    Edit.SetBlockBegin(Hit.At);
    Edit.SetBlockEnd(Hit.End());
    Edit.SetActiveSelectionMode(smNormal);
    return Edit.SearchReplace(Request.Search, Request.Replacement, options) > 0;
}
