// Projects: making one of a page, selecting it and its options dialog.
#include "foundation/EError.h"
#include "foundation/ProjectOptions.h"
#include "ide/EditorForm.h"
#include "ide/ProjectOptionsForm.h"
#include "ide/ZARNSource.h"

TProjectOptions* TEditorForm::SelectedProjectOptions() const
{
    return selectedProject_ ? selectedProject_->Project() : nullptr;
}

void TEditorForm::MakeProjectExecute()
{
    if (!currentEditor_) return;
    CZARNSource& page = *currentEditor_;
    try {
        page.CreateProject();
    } catch (const EError& error) {
        page.DropProject();  // a project that is not on disk is none
        error.Report();
    }
    if (page.Project() && !selectedProject_) selectedProject_ = &page;
    UpdateTabImages();
}

void TEditorForm::SelectProjectExecute()
{
    if (!currentEditor_ || !currentEditor_->Project() || !QueryAbortDebug()) return;
    selectedProject_ = currentEditor_;
    UpdateTabImages();
}

void TEditorForm::ProjectOptionsExecute()
{
    if (!selectedProject_) return;
    Guarded([this] {
        TProjectOptionsForm& form = ProjectOptionsForm();
        form.SetOptions(selectedProject_->Project());
        form.FormShow();
        if (Dialogs().ExecModal(form)) selectedProject_->SaveProject();
    });
}
