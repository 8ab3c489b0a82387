#include "ide/ZARNSource.h"

#include "editor/support/SrcColor.h"
#include "foundation/ProjectOptions.h"

TDebugSupportPlugin::TDebugSupportPlugin(CZARNSource& page, PaintMarks paintMarks)
    : TSrcEditPlugin(&page), page_(page), paintMarks_(std::move(paintMarks))
{
}

void TDebugSupportPlugin::AfterPaint(TSrcCanvas& ACanvas, const TRect&, int FirstLine, int LastLine)
{
    if (paintMarks_) paintMarks_(page_, ACanvas, FirstLine, LastLine);
}

std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

CZARNSource::CZARNSource(const std::string& path, TDebugSupportPlugin::PaintMarks paintMarks, QWidget* parent)
    : TSrcEditWidget(parent),
      fileName_(FileNameOf(path.empty() ? UntitledName : path)),
      filePath_(path.empty() ? UntitledName : path)
{
    SetWantTabs(true);
    if (!path.empty()) LoadProject();  // an unnamed page has none
    AddPlugin(std::make_unique<TDebugSupportPlugin>(*this, std::move(paintMarks)));
}

void CZARNSource::SetLineMark(int line, const std::string& mark, bool on)
{
    InvalidateGutterLine(line);
    InvalidateLine(line);
    if (!on) {
        SelectedColor().SetBackground(clWindow);
        SelectedColor().SetForeground(clBlack);
    } else if (mark == "BreakPoint") {
        SelectedColor().SetBackground(clRed);
        SelectedColor().SetForeground(clWhite);
    } else {
        SelectedColor().SetBackground(clGreen);
        SelectedColor().SetForeground(clWhite);
    }
    SetCaretAndSelection(BufferCoord(1, line), BufferCoord(1, line), BufferCoord(1000, line));
}

void CZARNSource::ShowCurrentLine(int line)
{
    executionLine_ = line;
    GotoLineAndCenter(line - 2);
    SetLineMark(line, "CurrentLine", true);
}

void CZARNSource::ClearCurrentLine()
{
    SetLineMark(executionLine_, "CurrentLine", false);
}
