// The multi-highlighter's range: one unsigned 32-bit value, packed by one
// of three procedures.
#include "editor/highlight/SrcHighlighterMulti.h"
#include "editor/support/SrcExceptions.h"

namespace {

constexpr int kNewIndexBits = 3;
constexpr int kNewSchemeRangeBits = 4;
constexpr int kOldIndexBits = 4;
constexpr int kNewMaxIndex = (1 << kNewIndexBits) - 2;  // index + 1 fits in 3 bits
constexpr int kOldMaxIndex = (1 << kOldIndexBits) - 3;  // index + 2 fits in 4 bits

void Check(bool Condition, const char* What) {
    if (!Condition) {
        throw ESrcEditError(FormatText("Assertion failed: %s", What));
    }
}

uint32_t RangeOf(const TSrcCustomHighlighter* Highlighter) {
    return Highlighter ? static_cast<uint32_t>(Highlighter->GetRange()) : 0;
}

bool FitsIn(TSrcEditRange Value, int Bits) { return Value >= 0 && Value < (TSrcEditRange{1} << Bits); }

}  // namespace

bool TSrcMultiSrc::SchemeIndexFits(int Index) const {
    switch (rangeProc_) {
    case TRangeProc::New: return Index <= kNewMaxIndex;
    case TRangeProc::Old: return Index <= kOldMaxIndex;
    default: return true;
    }
}

TSrcEditRange TSrcMultiSrc::GetRange() const {
    uint32_t range = 0;
    switch (rangeProc_) {
    case TRangeProc::New: range = NewRangeGet(); break;
    case TRangeProc::Old: range = OldRangeGet(); break;
    case TRangeProc::Custom: onCustomRange_(const_cast<TSrcMultiSrc*>(this), roGet, range); break;
    }
    return static_cast<TSrcEditRange>(range);
}

void TSrcMultiSrc::SetRange(TSrcEditRange Value) {
    auto range = static_cast<uint32_t>(Value);
    switch (rangeProc_) {
    case TRangeProc::New: NewRangeSet(range); break;
    case TRangeProc::Old: OldRangeSet(range); break;
    case TRangeProc::Custom: onCustomRange_(this, roSet, range); break;
    }
}

void TSrcMultiSrc::ResetRange() {
    currScheme_ = -1;
    if (defaultHighlighter_) {
        defaultHighlighter_->ResetRange();
    }
    defaultRange_ = RangeOf(defaultHighlighter_);
}

// From the low bits: index + 1 (3 bits), with a scheme in charge its
// highlighter's range (4 bits), then the default highlighter's range.
uint32_t TSrcMultiSrc::NewRangeGet() const {
    const TSrcEditRange defaultRange =
        currScheme_ >= 0 ? TSrcEditRange{defaultRange_} : (defaultHighlighter_ ? defaultHighlighter_->GetRange() : 0);
    int bits = 32 - kNewIndexBits;
    if (currScheme_ >= 0) {
        bits -= kNewSchemeRangeBits;
    }
    Check(FitsIn(defaultRange, bits), "the default highlighter's range fits its field");
    uint32_t range = static_cast<uint32_t>(defaultRange);
    if (currScheme_ >= 0) {
        Check(currScheme_ <= kNewMaxIndex, "the scheme index fits its field");
        const TSrcCustomHighlighter* highlighter = SchemeHighlighter(currScheme_);
        const TSrcEditRange schemeRange = highlighter ? highlighter->GetRange() : 0;
        Check(FitsIn(schemeRange, kNewSchemeRangeBits), "the scheme's range fits in 4 bits");
        range = (range << kNewSchemeRangeBits) | static_cast<uint32_t>(schemeRange);
    }
    return (range << kNewIndexBits) | static_cast<uint32_t>(currScheme_ + 1);
}

void TSrcMultiSrc::NewRangeSet(uint32_t Value) {
    const int index = static_cast<int>(Value & ((1u << kNewIndexBits) - 1)) - 1;
    Value >>= kNewIndexBits;
    currScheme_ = -1;
    if (index >= 0) {
        const uint32_t schemeRange = Value & ((1u << kNewSchemeRangeBits) - 1);
        Value >>= kNewSchemeRangeBits;
        if (schemes_.Items(index)) {
            currScheme_ = index;
            if (TSrcCustomHighlighter* highlighter = SchemeHighlighter(index)) {
                highlighter->SetRange(schemeRange);
            }
        }
    }
    defaultRange_ = Value;
    if (defaultHighlighter_) {
        defaultHighlighter_->SetRange(Value);
    }
}

// (range of the highlighter in charge) x 16 + (index + 2).
uint32_t TSrcMultiSrc::OldRangeGet() const {
    Check(currScheme_ <= kOldMaxIndex, "the scheme index fits its field");
    const TSrcCustomHighlighter* highlighter = currScheme_ >= 0 ? SchemeHighlighter(currScheme_) : defaultHighlighter_;
    const TSrcEditRange range = highlighter ? highlighter->GetRange() : 0;
    Check(FitsIn(range, 32 - kOldIndexBits), "the range fits above the scheme index");
    return (static_cast<uint32_t>(range) << kOldIndexBits) | static_cast<uint32_t>(currScheme_ + 2);
}

// A stored 0 changes nothing. With a scheme in charge the default
// highlighter starts again from its reset range, as the value does not
// hold its own.
void TSrcMultiSrc::OldRangeSet(uint32_t Value) {
    if (Value == 0) {
        return;
    }
    const int index = static_cast<int>(Value & ((1u << kOldIndexBits) - 1)) - 2;
    const uint32_t range = Value >> kOldIndexBits;
    if (index == -1) {
        currScheme_ = -1;
        defaultRange_ = range;
        if (defaultHighlighter_) {
            defaultHighlighter_->SetRange(range);
        }
        return;
    }
    currScheme_ = schemes_.Items(index) ? index : -1;
    if (defaultHighlighter_) {
        defaultHighlighter_->ResetRange();
    }
    defaultRange_ = RangeOf(defaultHighlighter_);
    if (TSrcCustomHighlighter* highlighter = SchemeHighlighter(currScheme_)) {
        highlighter->SetRange(range);
    }
}
