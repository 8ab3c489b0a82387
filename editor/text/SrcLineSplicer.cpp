#include "editor/text/SrcLineSplicer.h"

#include <algorithm>
#include <cstring>

TSrcLineSplicer::TSrcLineSplicer(const std::string& Line) : buffer_(Line), gapStart_(Line.size()) {
    buffer_.resize(Line.size() + Line.size() / 8 + 16);
    gapEnd_ = buffer_.size();
}

void TSrcLineSplicer::MoveGap(size_t To) {
    if (To < gapStart_) {
        size_t count = gapStart_ - To;
        std::memmove(&buffer_[gapEnd_ - count], &buffer_[To], count);
        gapStart_ = To;
        gapEnd_ -= count;
    } else if (To > gapStart_) {
        size_t count = To - gapStart_;
        std::memmove(&buffer_[gapStart_], &buffer_[gapEnd_], count);
        gapStart_ = To;
        gapEnd_ += count;
    }
}

// At least Needed bytes of gap; the buffer at least doubles when it grows.
void TSrcLineSplicer::WidenGap(size_t Needed) {
    size_t gap = gapEnd_ - gapStart_;
    if (gap >= Needed) {
        return;
    }
    size_t tail = buffer_.size() - gapEnd_;
    size_t size = std::max(buffer_.size() * 2, buffer_.size() + Needed - gap);
    buffer_.resize(size);
    std::memmove(&buffer_[size - tail], &buffer_[gapEnd_], tail);
    gapEnd_ = size - tail;
}

std::string TSrcLineSplicer::Splice(size_t From, size_t Count, const std::string& Text) {
    From = std::min(From, Length());
    Count = std::min(Count, Length() - From);
    MoveGap(From);
    std::string removed(buffer_, gapEnd_, Count);
    gapEnd_ += Count;
    WidenGap(Text.size());
    std::memcpy(&buffer_[gapStart_], Text.data(), Text.size());
    gapStart_ += Text.size();
    return removed;
}

std::string TSrcLineSplicer::TakeResult() {
    MoveGap(Length());
    buffer_.resize(gapStart_);
    gapEnd_ = gapStart_ = 0;
    std::string result;
    result.swap(buffer_);
    return result;
}
