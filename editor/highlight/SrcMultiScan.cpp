// The multi-highlighter's scan: markers first, then the tokens between them.
#include <algorithm>

#include "editor/highlight/SrcHighlighterMulti.h"

void TSrcMultiSrc::SetLine(const std::string& NewValue, int LineNumber) {
    line_.assign(NewValue);
    len_ = static_cast<int>(line_.size());
    lineNumber_ = LineNumber;
    if (!schemes_.Items(currScheme_)) {
        currScheme_ = -1;
    }
    FindMarkers();
    marker_ = nullptr;
    nextMarker_ = 0;
    segmentHighlighter_ = nullptr;
    tokenHighlighter_ = nullptr;
    tokenPos_ = 0;
    run_ = 0;
    eol_ = false;
    Next();
}

bool TSrcMultiSrc::SchemeCanOpen(int Index) const {
    TScheme* scheme = schemes_.Items(Index);
    return scheme && scheme->startRegex_ && scheme->endRegex_ && scheme->Highlighter() &&
           scheme->Highlighter()->Enabled() && SchemeIndexFits(Index);
}

// The first scheme, in collection order, whose start marker is in rest_.
int TSrcMultiSrc::SearchStart(int& Pos, int& Length) {
    for (int i = 0; i < schemes_.Count(); ++i) {
        if (SchemeCanOpen(i) && schemes_.Items(i)->FindStart(rest_, Pos, Length)) {
            return i;
        }
    }
    return -1;
}

void TSrcMultiSrc::FindMarkers() {
    markers_.clear();
    int scheme = currScheme_;
    int pos = 0;  // where the text left to search starts
    while (pos < len_) {
        rest_.assign(line_, static_cast<size_t>(pos));
        int found = 0;
        int length = 0;
        const bool opening = scheme < 0;
        if (opening) {
            scheme = SearchStart(found, length);
            if (scheme < 0) {
                break;
            }
        } else if (!schemes_.Items(scheme)->FindEnd(rest_, found, length)) {
            break;
        }
        TScheme* owner = schemes_.Items(scheme);
        int startPos = pos + found;
        std::string text = rest_.substr(static_cast<size_t>(found - 1), static_cast<size_t>(length));
        const TOnCheckMarker& check = opening ? owner->OnCheckStartMarker : owner->OnCheckEndMarker;
        if (check) {
            check(this, startPos, length, text, lineNumber_);
        }
        // A marker must lie in the text left to search; an empty one is
        // skipped one character on.
        const bool inside = startPos > pos && length >= 1 && startPos - 1 + length <= len_;
        if (inside && !text.empty()) {
            markers_.push_back({scheme, startPos, length, opening, std::move(text)});
            scheme = opening ? scheme : -1;
        } else {
            scheme = opening ? -1 : scheme;
        }
        pos = std::max(pos + 1, startPos - 1 + std::max(length, 1));
    }
}

void TSrcMultiSrc::Next() {
    marker_ = nullptr;
    if (segmentHighlighter_) {
        segmentHighlighter_->Next();
        if (!segmentHighlighter_->GetEol()) {
            TakeSegmentToken();
            return;
        }
        segmentHighlighter_ = nullptr;
        run_ = segmentEnd_;
    }
    tokenHighlighter_ = nullptr;
    for (;;) {
        tokenPos_ = run_;
        if (run_ >= len_) {
            eol_ = true;
            return;
        }
        if (!defaultHighlighter_) {
            run_ = len_;  // the whole line is one token
            return;
        }
        if (nextMarker_ < markers_.size() && markers_[nextMarker_].StartPos - 1 == run_) {
            TakeMarker();
            return;
        }
        const int end = nextMarker_ < markers_.size() ? markers_[nextMarker_].StartPos - 1 : len_;
        TSrcCustomHighlighter* highlighter = currScheme_ >= 0 ? SchemeHighlighter(currScheme_) : defaultHighlighter_;
        if (!highlighter) {
            run_ = end;  // a scheme without a highlighter: one plain token
            return;
        }
        segmentStart_ = run_;
        segmentEnd_ = end;
        segment_.assign(line_, static_cast<size_t>(run_), static_cast<size_t>(end - run_));
        highlighter->SetLine(segment_, lineNumber_);
        if (!highlighter->GetEol()) {
            segmentHighlighter_ = highlighter;
            TakeSegmentToken();
            return;
        }
        run_ = end;
    }
}

void TSrcMultiSrc::TakeSegmentToken() {
    tokenHighlighter_ = segmentHighlighter_;
    const int start = segmentStart_ + segmentHighlighter_->GetTokenPos();
    const int length = static_cast<int>(segmentHighlighter_->GetToken().size());
    tokenPos_ = std::clamp(start, segmentStart_, segmentEnd_);
    run_ = std::min(tokenPos_ + length, segmentEnd_);
}

void TSrcMultiSrc::TakeMarker() {
    marker_ = &markers_[nextMarker_++];
    tokenHighlighter_ = nullptr;
    run_ = tokenPos_ + marker_->MarkerLen;
    if (marker_->IsOpenMarker) {
        EnterScheme(marker_->Scheme);
    } else {
        LeaveScheme();
    }
}

void TSrcMultiSrc::EnterScheme(int Index) {
    defaultRange_ = defaultHighlighter_ ? static_cast<uint32_t>(defaultHighlighter_->GetRange()) : 0;
    currScheme_ = Index;
    if (TSrcCustomHighlighter* highlighter = SchemeHighlighter(Index)) {
        highlighter->ResetRange();
    }
}

void TSrcMultiSrc::LeaveScheme() {
    currScheme_ = -1;
    if (defaultHighlighter_) {
        defaultHighlighter_->SetRange(defaultRange_);
    }
}
