// What the debug session asks of the main window: pages by handle, their
// marks, the execution line, the caption, the jog timer and the box.
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>
#include <filesystem>

#include "editor/support/ShownText.h"
#include "ide/EditorForm.h"
#include "ide/EditorImages.h"
#include "ide/ZARNSource.h"

TPageHandle TEditorForm::HandleOf(CZARNSource* page)
{
    if (!page) return NoPage;
    const auto found = handlesByPage_.find(page);
    if (found != handlesByPage_.end()) return found->second;
    const TPageHandle handle = ++lastHandle_;
    handlesByPage_[page] = handle;
    pagesByHandle_[handle] = page;
    // A closed page's handle stays invalid for ever.
    connect(page, &QObject::destroyed, this, [this, page, handle] {
        handlesByPage_.erase(page);
        pagesByHandle_.erase(handle);
    });
    return handle;
}

CZARNSource* TEditorForm::PageOf(TPageHandle page) const
{
    const auto found = pagesByHandle_.find(page);
    return found == pagesByHandle_.end() ? nullptr : found->second;
}

TPageHandle TEditorForm::CurrentPage()
{
    return HandleOf(currentEditor_);
}

std::string TEditorForm::PageFileName(TPageHandle page)
{
    const CZARNSource* source = PageOf(page);
    return source ? source->FilePath() : std::string();
}

bool TEditorForm::PageOpen(TPageHandle page)
{
    return PageOf(page) != nullptr;
}

void TEditorForm::SetLineMark(TPageHandle page, int32_t line, TLineMark mark, bool on)
{
    if (CZARNSource* source = PageOf(page))
        source->SetLineMark(line, mark == TLineMark::BreakPoint ? "BreakPoint" : "CurrentLine", on);
}

void TEditorForm::SetCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(ShownText(caption)));
}

void TEditorForm::StartJogTimer()
{
    JogTimer->start();
}

void TEditorForm::StopJogTimer()
{
    JogTimer->stop();
}

TConfirmAnswer TEditorForm::Confirm(const std::string& text)
{
    switch (Dialogs().MessageBox(text, "Information", TBoxButtons::YesNoCancel, TBoxIcon::Information)) {
    case TBoxAnswer::Yes:
        return TConfirmAnswer::Yes;
    case TBoxAnswer::No:
        return TConfirmAnswer::No;
    default:
        return TConfirmAnswer::Cancel;
    }
}

bool TEditorForm::BreakpointOn(const CZARNSource& page, int line) const
{
    return breakpointQuery_ && breakpointQuery_(page, line);
}

bool TEditorForm::ShowExecutionLine(const std::string& file, int32_t line)
{
    ClearExecutionLine();
    // Library classes have no source beside them: no box for each step.
    std::error_code error;
    CZARNSource* page = nullptr;
    if (!file.empty() && std::filesystem::is_regular_file(file, error)) {
        OpenSourceFile(file);
        page = currentEditor_;
    }
    if (!page) return false;
    executionLine_ = line;
    executionPage_ = page;
    page->ShowCurrentLine(line);
    return true;
}

void TEditorForm::ClearExecutionLine()
{
    if (!executionPage_) return;
    CZARNSource& page = *executionPage_;
    page.ClearCurrentLine();
    if (BreakpointOn(page, page.ExecutionLine())) page.SetLineMark(page.ExecutionLine(), "BreakPoint", true);
    executionPage_ = nullptr;
}

void TEditorForm::PaintGutterMarks(CZARNSource& page, TSrcCanvas& canvas, int firstLine, int lastLine)
{
    if (&page != currentEditor_) return;
    const int lineHeight = page.LineHeight();
    const int offset = (lineHeight - images_->MarkHeight()) / 2;
    for (int line = firstLine; line <= lastLine; ++line) {
        const int y = (page.LineToRow(line) - page.TopLine()) * lineHeight + offset;
        if (&page == executionPage_ && line == executionLine_) images_->DrawMark(canvas, 2, y, 0);
        if (BreakpointOn(page, line)) images_->DrawMark(canvas, 14, y, 1);
    }
}

// A left press in a page's gutter toggles the breakpoint of its line.
bool TEditorForm::GutterPress(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress) return false;
    auto* page = dynamic_cast<CZARNSource*>(watched->parent());
    if (!page || watched != page->viewport()) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    if (mouse->button() != Qt::LeftButton || at.x() >= page->GutterWidth() || page->LineHeight() <= 0) return false;
    const int line = page->RowToLine(page->TopLine() + at.y() / page->LineHeight());
    if (line < 1 || line > page->Lines().GetCount()) return false;
    EditorGutterClick(*page, line);
    return true;
}
