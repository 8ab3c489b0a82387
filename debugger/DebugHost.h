#pragma once
#include <cstdint>
#include <string>

// A source page as the debugger holds it: an id the host gives each page once
// and never reuses. Closing the page invalidates it (PageOpen is false).
using TPageHandle = uint64_t;
constexpr TPageHandle NoPage = 0;

// Gutter marks of a page line.
enum class TLineMark { BreakPoint, CurrentLine };

// Answers of the confirmation box (Yes, No, Cancel).
enum class TConfirmAnswer { Yes, No, Cancel };

// What the debug session needs of the main window: its pages, their marks and
// the execution line, the message list, the caption, the jog timer, the
// confirmation box and the terminal window. Calls come on the GUI thread.
class IDebugHost {
public:
    virtual ~IDebugHost() = default;

    // The selected page, or NoPage.
    virtual TPageHandle CurrentPage() = 0;
    // The page's file name; "" when it has none or is closed.
    virtual std::string PageFileName(TPageHandle page) = 0;
    virtual bool PageOpen(TPageHandle page) = 0;
    virtual void SetLineMark(TPageHandle page, int32_t line, TLineMark mark, bool on) = 0;
    // Opens the file's page and marks the line "CurrentLine". False when the
    // file cannot be opened: then no line is marked and no box is shown.
    virtual bool ShowExecutionLine(const std::string& file, int32_t line) = 0;
    virtual void ClearExecutionLine() = 0;

    virtual void ClearMessages() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // The 20 ms jog timer; its ticks call TDebugSession::JogTimerTimer.
    virtual void StartJogTimer() = 0;
    virtual void StopJogTimer() = 0;
    // The information box with Yes, No and Cancel.
    virtual TConfirmAnswer Confirm(const std::string& text) = 0;
    virtual void HideTerminal() = 0;
};
