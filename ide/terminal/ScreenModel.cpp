#include "ide/terminal/ScreenModel.h"

#include <algorithm>

void TScreenModel::Clear()
{
    dirtyRow_ = 0;
    output_.ClearView();
    for (std::string& line : lines_) line.clear();
    column_ = 1;
    row_ = 1;
    output_.AppendViewLine(lines_[1]);
}

void TScreenModel::AddText(const char* data, size_t size, bool logging)
{
    for (size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        switch (byte) {
        case 1: column_ = 1; FlushRow(); row_ = 1; break;
        case 3: if (column_ >= 2) --column_; break;
        case 4: if (column_ < Width - 1) ++column_; break;
        case 5: if (row_ >= 2) { FlushRow(); --row_; } break;
        case 6: if (output_.ViewLineCount() > row_) { FlushRow(); ++row_; } break;
        case 7: output_.Beep(); break;
        case 8: case 9: break;
        case 10: LineFeed(logging); break;
        case 13: column_ = 1; break;
        case 16: Clear(); break;
        default: Printable(char(byte), logging); break;
        }
    }
    FlushRow();
}

void TScreenModel::LineFeed(bool logging)
{
    if (logging) output_.Log("\r\n", 2);
    FlushRow();
    column_ = 1;
    if (output_.ViewLineCount() > row_) {
        ++row_;
    } else if (row_ < Rows) {
        ++row_;
        output_.AppendViewLine(lines_[size_t(row_)]);
    } else {
        ScrollUp();
    }
}

void TScreenModel::ScrollUp()
{
    // Line 0 takes the old line 1 and line 300 comes back empty.
    std::rotate(lines_.begin(), lines_.begin() + 1, lines_.end());
    lines_[Rows].clear();
    output_.DeleteFirstViewLine();
    output_.AppendViewLine(lines_[Rows]);
}

void TScreenModel::Printable(char byte, bool logging)
{
    if (column_ > Width) LineFeed(logging);
    std::string& line = lines_[size_t(row_)];
    if (size_t(column_) <= line.size())
        line[size_t(column_) - 1] = byte;
    else
        line.push_back(byte);
    ++column_;
    dirtyRow_ = row_;
    if (logging) output_.Log(&byte, 1);
}

// The view line of a written row is replaced once the cursor leaves the row
// or the text ends, not after every byte.
void TScreenModel::FlushRow()
{
    if (dirtyRow_ == 0) return;
    output_.ReplaceViewLine(dirtyRow_ - 1, lines_[size_t(dirtyRow_)]);
    dirtyRow_ = 0;
}

std::string TScreenModel::DisplayBytes() const
{
    std::string bytes;
    const int count = std::min(output_.ViewLineCount(), Rows);
    for (int i = 1; i <= count; ++i) {
        bytes += lines_[size_t(i)];
        bytes += "\r\n";
    }
    return bytes;
}
