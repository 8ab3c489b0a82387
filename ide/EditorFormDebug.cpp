// What the main window keeps of a debug session: ending it, asking before an
// operation ends it, the execution line and the gutter marks.
#include <QMetaObject>
#include <QTimer>

#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "ide/EditorForm.h"
#include "ide/EditorImages.h"
#include "ide/ZARNSource.h"
#include "linker/ORULinker.h"

void TEditorForm::EndDebug()
{
    QMetaObject::invokeMethod(this, [this] { EndDebugNow(); }, Qt::QueuedConnection);
}

void TEditorForm::EndDebugNow()
{
    debugging_ = false;
    jvm_.reset();
    linker_.reset();
    setWindowTitle("Corvane Torve IDE");
}

void TEditorForm::StopJog()
{
    Jogging = false;
    JogTimer->stop();
}

bool TEditorForm::ConfirmAbortDebug()
{
    if (!jvm_) return true;
    const TBoxAnswer answer = Dialogs().MessageBox("A debug session is in progress. Abort debugging?", "Information",
                                                   TBoxButtons::YesNoCancel, TBoxIcon::Information);
    if (answer != TBoxAnswer::Yes) return false;
    EndDebugNow();
    return true;
}

bool TEditorForm::QueryAbortDebug()
{
    return ConfirmAbortDebug();
}

bool TEditorForm::BreakpointOn(const CZARNSource& page, int line) const
{
    return breakpointQuery_ && breakpointQuery_(page, line);
}

void TEditorForm::ShowExecutionLine(const std::string& file, int line)
{
    ClearExecutionLine();
    try {
        OpenSourceFile(file);
    } catch (const EError&) {
        DebugPrintf("Counldn't find file '%s'", file.c_str());
    }
    if (!currentEditor_) return;
    executionLine_ = line;
    executionPage_ = currentEditor_;
    executionPage_->ShowCurrentLine(line);
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
