// Source pages in the tab control: making, showing and removing them.
#include "foundation/EError.h"
#include "editor/highlight/SrcHighlighterJava.h"
#include "editor/support/ShownText.h"
#include "ide/EditorForm.h"
#include "ide/FileChecks.h"
#include "ide/ZARNSource.h"
#include "ide/ZARNTabControl.h"

#include <QMenu>

int TEditorForm::PageCount() const
{
    return EditorTab->Count();
}

CZARNSource* TEditorForm::SourceAt(int i) const
{
    return static_cast<CZARNSource*>(EditorTab->Page(i));
}

CZARNSource* TEditorForm::CurrentSource() const
{
    const int index = EditorTab->TabIndex();
    if (index < 0) throw EError(ecIDE, 1, 54);
    return SourceAt(index);
}

CZARNSource* TEditorForm::EditablePage() const
{
    return currentEditor_ && !currentEditor_->ReadOnly() ? currentEditor_ : nullptr;
}

bool TEditorForm::IsNamed(const CZARNSource& page)
{
    return page.FilePath() != CZARNSource::UntitledName;
}

CZARNSource* TEditorForm::NewSourcePage(const std::string& path)
{
    const std::string fullPath = path.empty() ? std::string() : CanonicalPath(path);
    auto* page = new CZARNSource(fullPath, [this](CZARNSource& p, TSrcCanvas& canvas, int first, int last) {
        PaintGutterMarks(p, canvas, first, last);
    });
    int tab = -1;
    try {
        ApplyFontSettings(*page);
        page->SetHighlighter(javaHighlighter_.get());
        page->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(page, &QWidget::customContextMenuRequested, this,
                [this, page](const QPoint& at) { TabMenu->popup(page->mapToGlobal(at)); });
        tab = EditorTab->AddTab(QString::fromStdString(ShownText(page->FileName())), page);
        SelectPage(tab);
        page->Gutter().SetShowLineNumbers(true);
        if (!fullPath.empty()) LoadPageFile(*page, fullPath);
        page->SetModified(false);
        if (!selectedProject_ && page->Project()) selectedProject_ = page;
        AddToRecent(*page);
        UpdateTabImages();
    } catch (...) {
        if (selectedProject_ == page) selectedProject_ = nullptr;
        page->DropProject();
        if (tab >= 0) RemoveTab(EditorTab->TabIndex());
        delete page;
        throw EError(ecIDE, 2, fullPath.c_str());
    }
    if (PageCount() == 2 && !SourceAt(0)->Modified() && !IsNamed(*SourceAt(0))) CloseSourcePage(0);
    return page;
}

void TEditorForm::SelectPage(int i)
{
    const int before = EditorTab->TabIndex();
    EditorTab->SetTabIndex(i);
    if (before != i || currentEditor_ != SourceAt(i)) EditorTabChange();
}

void TEditorForm::ShowPage(const CZARNSource* page)
{
    const int tab = page ? EditorTab->IndexOf(page) : -1;
    if (tab >= 0) SelectPage(tab);
}

void TEditorForm::EditorTabChange()
{
    const int index = EditorTab->TabIndex();
    currentEditor_ = index >= 0 ? SourceAt(index) : nullptr;
    if (currentEditor_) currentEditor_->setFocus();
    ActionList1Update();
}

void TEditorForm::RemoveTab(int i)
{
    EditorTab->RemoveTab(i);
    EditorTabChange();
}

void TEditorForm::UpdateTabImages()
{
    EditorTab->UpdateImages();
}

int TEditorForm::EditorTabGetImageIndex(int tab) const
{
    if (tab < 0 || tab >= PageCount()) return -1;
    const CZARNSource* page = SourceAt(tab);
    if (!page) return -1;
    if (page == selectedProject_) return 20;
    return page->Project() ? 19 : -1;
}
