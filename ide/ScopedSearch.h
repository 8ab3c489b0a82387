#pragma once
#include <optional>
#include <string>

#include "editor/search/SrcSearchTypes.h"
#include "ide/SearchScope.h"

class TCustomSrcEdit;

// Leaves no selection: the caret goes where the search stood.
void CollapseSelection(TCustomSrcEdit& Edit, bool Backwards);

// Find, Replace and Replace All with "Selection only": the selection the
// user made stays the scope over the presses that follow, until the page
// shows something other than what the last press left (a new selection, a
// caret moved by hand, changed text, another page).
class TScopedSearch {
public:
    enum class TStep { Find, Replace, ReplaceAll };
    struct TRequest {
        std::string Search;
        std::string Replacement;
        TSrcSearchOptions Options;  // case, whole words and direction count
    };

    void Reset() { scope_.reset(); }
    // Keeps the scope when Edit shows what the last press left, else takes
    // Edit's selection. False when there is no selection to take.
    bool Take(const TCustomSrcEdit& Edit);
    // Selects the next occurrence in the scope; Replace first replaces the
    // selected one, Replace All every one. Returns how many were found; a
    // read-only text is only searched, for the occurrence a Replace takes.
    int Press(TCustomSrcEdit& Edit, TStep Step, const TRequest& Request);

private:
    struct TShown {
        TBufferCoord Begin, End, Caret;
        int Mode = 0;
        int LineCount = 0;
        bool operator==(const TShown&) const = default;
    };
    static TShown ShownBy(const TCustomSrcEdit& Edit);

    TBufferCoord From(const TCustomSrcEdit& Edit, TStep Step, bool Backwards) const;
    std::optional<TScopeHit> Next(TCustomSrcEdit& Edit, const TBufferCoord& From, bool Backwards) const;
    int ReplaceAllAtOnce(TCustomSrcEdit& Edit, const TRequest& Request);
    int ReplaceAll(TCustomSrcEdit& Edit, const TRequest& Request);
    std::optional<TBufferCoord> Replace(TCustomSrcEdit& Edit, const TScopeHit& Hit, const TRequest& Request);
    static bool RunOn(TCustomSrcEdit& Edit, const TScopeHit& Hit, const TRequest& Request, bool Replacing);

    const TCustomSrcEdit* edit_ = nullptr;  // compared only
    std::optional<TSearchScope> scope_;
    bool fresh_ = false;            // no press in the scope yet
    bool spent_ = false;            // replaced at once
    std::optional<TScopeHit> hit_;  // the occurrence the last press selected
    TShown shown_;
};
