#pragma once
#include <array>
#include <string>

// What the terminal screen drives: the view that shows the screen lines, the
// bell and the log. The view's line indices are 0-based.
class IScreenOutput {
public:
    virtual ~IScreenOutput() = default;
    virtual int ViewLineCount() const = 0;
    virtual void ClearView() = 0;
    virtual void AppendViewLine(const std::string& text) = 0;
    virtual void ReplaceViewLine(int index, const std::string& text) = 0;
    virtual void DeleteFirstViewLine() = 0;
    virtual void Beep() = 0;
    // Bytes for the log file (called only while logging).
    virtual void Log(const char* data, size_t size) = 0;
};

// The terminal's screen of 300 lines of 200 columns: control bytes move the
// cursor, line feeds scroll at the last row, other bytes overwrite.
class TScreenModel {
public:
    static constexpr int Width = 200;
    static constexpr int Rows = 300;

    explicit TScreenModel(IScreenOutput& output) : output_(output) {}

    // Empties the screen, homes the cursor and shows line 1 in the view.
    void Clear();
    // Interprets the received bytes; logging says whether the log gets its bytes.
    void AddText(const char* data, size_t size, bool logging);

    // Screen line 0 (scratch) to 300.
    const std::string& ScreenLine(int index) const { return lines_[size_t(index)]; }
    int Column() const { return column_; }
    int Row() const { return row_; }
    // Screen lines 1 to the view's line count, each ended by CR LF.
    std::string DisplayBytes() const;

private:
    void LineFeed(bool logging);
    void Printable(char byte, bool logging);
    void ScrollUp();
    void FlushRow();

    IScreenOutput& output_;
    std::array<std::string, Rows + 1> lines_;
    int column_ = 1;
    int row_ = 1;
    // The row whose view line lags behind its screen line, or 0.
    int dirtyRow_ = 0;
};
